#!/bin/bash
# Configures and builds the three trees: native (sanitizers), 64-bit Windows (run under Wine)
# and 32-bit Windows (built only, for Windows XP).
#
#   build.sh [BUILD_DIR]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}
jobs=$(nproc)

configure() {
  local dir=$1; shift
  cmake -S "$repo" -B "$build/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$build/$dir" -j "$jobs"
}

configure native -DGD_SANITIZE=ON
configure win64 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DGD_LIBZIP_ROOT="$build/deps/x86_64-w64-mingw32/install"
configure win32 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DGD_LIBZIP_ROOT="$build/deps/i686-w64-mingw32/install" -DGD_BUILD_TESTS=OFF -DGD_RUN_TESTS=OFF
