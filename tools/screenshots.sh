#!/bin/bash
# Shows every window of Glimmerdeck on a virtual display (Xvfb, in a Wine virtual desktop of
# 800 x 480 so that the windows have their captions) and writes PNG files to
# docs/screenshots/: each page, the File menu with its recent entries and the About box. The
# sandbox prefix has the sample package applied, as the README's main command leaves it.
# On the way it does what a user would with the mouse and keys alone, and checks the result
# from outside: restores the defaults, loads the sample from the Packages page and applies it
# (the system then shows what "/lt" leaves), saves the look as a new package (which
# "gdctl package check" passes) and deletes that package again (its folder goes).
#
#   tools/screenshots.sh [BUILD_DIR]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)
out="$repo/docs/screenshots"

bash "$repo/scripts/setup.sh" "$build"
cmake -S "$repo" -B "$build/win64" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DGD_LIBZIP_ROOT="$build/deps/x86_64-w64-mingw32/install" >/dev/null
cmake --build "$build/win64" -j "$(nproc)" --target installer_x64

display=:${SCREENSHOT_DISPLAY:-97}
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
source "$repo/scripts/sandbox.sh"
# A fresh prefix each time, so that no earlier run's settings or recent list show.
rm -rf "$build/sandbox/screenshots"
sandbox_prefix "$build/sandbox/screenshots" display
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
sandbox_install
wine "$app_dir/glimmerdeck.exe" /lt "$sample" </dev/null
wineserver -w
applied=$(sandbox_currents)
wine "$app_dir/glimmerdeck.exe" /default2 </dev/null
wineserver -w

# The Icon tab of the Properties dialog comes from the registered property tab library.
wine regsvr32 /s "$app_path\\proptab.dll" </dev/null >/dev/null 2>&1
for place in "Left 400" "Top 140" "Width 390" "Height 270"; do
  wine reg add 'HKCU\Software\Quillmoor\Glimmerdeck' /v "Preview ${place% *}" /d "${place#* }" /f \
    >/dev/null 2>&1
done
wine explorer /desktop=Glimmerdeck,800x480 "$app_dir/glimmerdeck.exe" </dev/null >/dev/null 2>&1 &
desktop=$(timeout 60 xdotool search --sync --onlyvisible --name '^Glimmerdeck - Wine desktop' |
  head -1)
sleep 5

mkdir -p "$out"
shot() {
  sleep 1.5
  import -window "$desktop" "$out/$1.png"
  echo "screenshots: $out/$1.png"
}
# The main window is centred in the desktop; these are the places of its page list entries
# and of the library's second entry at Wine's default fonts.
click() { xdotool mousemove --window "$desktop" "$1" "$2" click 1; }

fail() { echo "screenshots: $*" >&2; exit 1; }
themes="$app_dir/Themes"
shot icons-and-cursors
click 108 140 && click 300 180 && shot packages
# Load: the notice about the classic start menu comes first; then Apply.
click 218 351 && sleep 4 && xdotool key Return && shot packages-loaded
# The Preview toggle: the window opens where it was left (set below, inside the desktop).
click 300 351 && shot preview
click 300 351
click 695 408 && sleep 6
diff <(printf '%s\n' "$applied") <(sandbox_currents) >/dev/null || fail "Apply left another look than /lt"
# Keys go to the window under the pointer: the main window's caption.
xdotool mousemove --window "$desktop" 400 60
xdotool key ctrl+a && shot save-package
xdotool type Captured && xdotool key Return && shot package-info
xdotool type "A. Tester" && xdotool key Return && sleep 6 && shot packages-saved
wine "$app_dir/gdctl.exe" package check "$app_path\Themes\Captured\Captured.gdtheme" \
  </dev/null >/dev/null 2>&1 || fail "the saved package does not pass gdctl package check"
click 300 185 && click 565 358 && sleep 1 && xdotool key y && sleep 3
[ ! -e "$themes/Captured" ] || fail "Delete left the package folder"
# The Icons & Cursors page with the sample's icons, its Cursors tab (the tab control takes the
# arrow keys), the Add Format dialog, the picker behind Change, and the Properties of a slot's icon file, which opens
# in the desktop's corner, with its "Icon" tab.
click 108 215 && shot icons-desktop
click 210 112 && xdotool key Right Right Right Right Right Right && shot icons-cursors
# The Files tab's Add Format dialog lists the registered file types.
xdotool key Left && click 435 351 && sleep 3 && shot add-format
xdotool key Escape
click 210 112 && xdotool key Left Left Left Left Left Left
click 221 351 && sleep 2 && shot picker
xdotool key Escape
click 300 150 && xdotool click 3 && sleep 1 && xdotool key p && sleep 4 && shot properties
click 95 39 && shot properties-icon-tab
xdotool key Escape
# The icon browser, in the same desktop, on the system's own icon library.
wine explorer /desktop=Glimmerdeck "$app_dir/Glintview.exe" 'C:\windows\system32\shell32.dll,41' \
  </dev/null >/dev/null 2>&1 &
sleep 5 && shot browser
xdotool mousemove --window "$desktop" 400 30 && xdotool key alt+f x && sleep 1
click 108 290 && shot settings
# "Use large icons", then the cache size row, whose number editor shows while it is the caret
# row; Apply writes the icon size the large icons asked for.
click 300 202 && click 300 262 && shot settings-number
click 695 408 && sleep 6
wine reg query 'HKCU\Control Panel\desktop\WindowMetrics' /v 'Shell Icon Size' </dev/null 2>/dev/null |
  grep -q 'REG_SZ *48' || fail "Apply with large icons ticked did not write the icon size 48"
# A plugin dropped into the Plugins folder is listed by the Plugins dialog.
mkdir -p "$app_dir/Plugins"
printf '[Application Info]\r\nName=Night Notes\r\nLocation=0\r\nCLSID={5C1A7E2B-0D4F-4C1E-9B7A-2F6D8E3A1B90}\r\nIconFile=C:\\Program Files\\Night Notes\\notes.exe\r\nIconIndex=0\r\nComments=Adds the desktop icon of Night Notes.\r\n' \
  >"$app_dir/Plugins/Night Notes.gdp"
xdotool mousemove --window "$desktop" 400 60
xdotool key alt+t p && shot plugins
xdotool key Escape
xdotool mousemove --window "$desktop" 400 60
xdotool key alt+f && shot file-menu
xdotool key Escape Escape
xdotool key alt+l a && shot about
xdotool key Return
echo "screenshots: load, apply, save as and delete did what they should"
