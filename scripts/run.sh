#!/bin/bash
# The main job: installs what is needed, builds Glimmerdeck for 64-bit Windows, installs it
# into a sandbox Wine prefix under the build tree, applies the bundled sample package there
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
cmake --build "$build/win64" -j "$(nproc)" --target glimmerdeck gdctl vfzip refreshhook

# A prefix for windows on a display and one for headless runs: Wine's null driver, which
# lets dialogs run without a display, must not be mixed with a real one.
if [ -n "${DISPLAY:-}" ]; then mode=display; else mode=headless; fi
export WINEPREFIX="$build/sandbox/$mode" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "run: creating the sandbox Wine prefix $WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i </dev/null >/dev/null 2>&1
  if [ "$mode" = headless ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
  fi
  wineserver -w
  # Wine links the user's folders to the home directory; the sandbox keeps its own, so that
  # icons applied to "My Music" and the like never write into the real home directory.
  for folder in "$WINEPREFIX/drive_c/users/"*/*; do
    if [ -L "$folder" ]; then rm -f "$folder" && mkdir -p "$folder"; fi
  done
fi

# The program's newest known system: Wine's default version would be taken for NT 4.0.
wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f </dev/null >/dev/null 2>&1

# Install as the installer does: the program's folder, its Themes folder and the
# installation key that the program refuses to start without.
app_dir="$WINEPREFIX/drive_c/Program Files/Glimmerdeck"
mkdir -p "$app_dir/Themes"
cp "$build/win64/src/app/glimmerdeck.exe" "$app_dir/"
for companion in "$build/win64/src/companions"/*/*.exe "$build/win64/src/companions"/*/*.dll; do
  [ -f "$companion" ] && cp "$companion" "$app_dir/"
done
app_path='C:\Program Files\Glimmerdeck'
wine reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Path /d "$app_path" /f \
  </dev/null >/dev/null 2>&1
wine reg add 'HKLM\Software\Quillmoor\Vantafold\Glimmerdeck' /v Version /d 1.0.0 /f \
  </dev/null >/dev/null 2>&1
if [ -f "$app_dir/VFZip.dll" ]; then
  wine reg add 'HKLM\SOFTWARE\Quillmoor\Vantafold' /v VFZip /d "$app_path\\VFZip.dll" /f \
    </dev/null >/dev/null 2>&1
fi
echo "run: installed Glimmerdeck into $app_dir"

sample_dir="$WINEPREFIX/drive_c/Program Files/Glimmerdeck/Samples"
mkdir -p "$sample_dir"
cp "$repo/samples/Glimmer Sample.gd" "$sample_dir/"
sample="$app_path\Samples\Glimmer Sample.gd"

# "category<TAB>name<TAB>current icon" of every slot, as gdctl reads them from the prefix.
currents() { wine "$app_dir/gdctl.exe" catalogue </dev/null 2>/dev/null | tr -d '\r' | cut -f1,2,7; }
before=$(currents)
echo "run: applying the sample package: glimmerdeck.exe /lt \"$sample\""
status=0
wine "$app_dir/glimmerdeck.exe" /lt "$sample" </dev/null || status=$?
wineserver -w
if [ "$status" != 0 ]; then
  echo "run: Glimmerdeck ended with exit status $status" >&2
  exit "$status"
fi
echo "run: slots whose icon changed (category, name, before, after):"
currents | awk -F'\t' 'NR == FNR { was[$1 FS $2] = $3; next }
                       was[$1 FS $2] != $3 { print $1 "\t" $2 "\t" was[$1 FS $2] "\t" $3; n++ }
                       END { print "run: " n + 0 " slots changed" }' <(printf '%s\n' "$before") - |
  iconv -f CP1252 -t UTF-8  # slot names are the program's own code page 1252 texts

if [ "$mode" = display ]; then
  echo "run: opening the main window (close it to end)"
  wine "$app_dir/glimmerdeck.exe"
fi
