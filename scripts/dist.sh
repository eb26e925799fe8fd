#!/bin/bash
# Builds what is shipped and puts it into dist/: both setup programs (64-bit, and 32-bit for
# Windows XP), the help file, and gdctl for each architecture as a zip of its own, with a
# SHA256SUMS file over them all. gdctl needs nothing beside it (its runtime is linked in); its
# .gd commands use the VFZip.dll of an installed Glimmerdeck.
#
#   dist.sh [BUILD_DIR]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)
dist=$repo/dist

bash "$repo/scripts/setup.sh" "$build"

# The setup program's target brings the program, its companions and the help file with it.
cmake -S "$repo" -B "$build/win64" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DGD_LIBZIP_ROOT="$build/deps/x86_64-w64-mingw32/install" >/dev/null
cmake --build "$build/win64" -j "$(nproc)" --target installer_x64
# The 32-bit tree is built only, as the test run builds it.
cmake -S "$repo" -B "$build/win32" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DGD_LIBZIP_ROOT="$build/deps/i686-w64-mingw32/install" -DGD_BUILD_TESTS=OFF -DGD_RUN_TESTS=OFF \
  >/dev/null
cmake --build "$build/win32" -j "$(nproc)" --target installer_x86

rm -rf "$dist"
mkdir -p "$dist"
cp "$build/win64/GlimmerdeckSetup-x64.exe" "$build/win32/GlimmerdeckSetup-x86.exe" "$dist/"
cp "$build/win64/docs/help/Glimmerdeck.chm" "$dist/"
# The setup program's stripped copies.
zip -q -j -X "$dist/gdctl-x64.zip" "$build/win64/installer/stage/gdctl.exe"
zip -q -j -X "$dist/gdctl-x86.zip" "$build/win32/installer/stage/gdctl.exe"
(cd "$dist" && sha256sum GlimmerdeckSetup-x64.exe GlimmerdeckSetup-x86.exe Glimmerdeck.chm \
  gdctl-x64.zip gdctl-x86.zip > SHA256SUMS)
echo "dist: $(cd "$dist" && ls | tr '\n' ' ')in $dist"
