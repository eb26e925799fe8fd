#!/bin/bash
# The main job: installs what is needed, builds Glimmerdeck and its setup program for 64-bit
# Windows, installs it with that setup program into a sandbox Wine prefix under the build
# tree, applies the bundled sample package there
# with "glimmerdeck.exe /lt" and prints every slot whose icon changed. With a display the main
# window opens afterwards.
#
#   run.sh [BUILD_DIR]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)

bash "$repo/scripts/setup.sh" "$build"
cmake -S "$repo" -B "$build/win64" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DGD_LIBZIP_ROOT="$build/deps/x86_64-w64-mingw32/install" >/dev/null
cmake --build "$build/win64" -j "$(nproc)" --target installer_x64

if [ -n "${DISPLAY:-}" ]; then mode=display; else mode=headless; fi
source "$repo/scripts/sandbox.sh"
sandbox_prefix "$build/sandbox/$mode" "$mode"
sandbox_install

before=$(sandbox_currents)
echo "run: applying the sample package: glimmerdeck.exe /lt \"$sample\""
status=0
wine "$app_dir/glimmerdeck.exe" /lt "$sample" </dev/null || status=$?
wineserver -w
if [ "$status" != 0 ]; then
  echo "run: Glimmerdeck ended with exit status $status" >&2
  exit "$status"
fi
echo "run: slots whose icon changed (category, name, before, after):"
sandbox_currents | awk -F'\t' 'NR == FNR { was[$1 FS $2] = $3; next }
                       was[$1 FS $2] != $3 { print $1 "\t" $2 "\t" was[$1 FS $2] "\t" $3; n++ }
                       END { print "run: " n + 0 " slots changed" }' <(printf '%s\n' "$before") -

if [ "$mode" = display ]; then
  echo "run: opening the main window (close it to end)"
  wine "$app_dir/glimmerdeck.exe"
fi
