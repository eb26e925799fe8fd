#!/bin/bash
# Installs, on a fresh Debian 12 machine, everything Glimmerdeck's build and tests need, and
# builds the static libzip for both Windows targets. Safe to run again: it installs only what
# is missing and reuses what the build tree already has.
#
#   setup.sh [BUILD_DIR]      (default: build/ in the repository)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev python3
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-win32
  binutils-mingw-w64
  libz-mingw-w64-dev googletest
  wine wine64 xvfb xauth imagemagick xdotool icoutils unzip zip dpkg-dev nsis
  fp-utils
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

for triple in x86_64-w64-mingw32 i686-w64-mingw32; do
  bash "$repo/scripts/build-libzip.sh" "$triple" "$build/deps/$triple"
done
