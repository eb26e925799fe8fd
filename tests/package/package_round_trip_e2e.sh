#!/bin/bash
# Packages end to end through gdctl, in a prefix of its own that reports Windows XP: the sample
# package is applied; the system's present look is saved in each save mode, zipped, checked
# from the archive, installed
# under another application folder's Themes and loaded there, and every slot the load sets
# must show the same icon images (cursors: the same bytes) as on the saving system.
#   package_round_trip_e2e.sh WINE_RUN STATE GDCTL VFZIP SAMPLE_GD
set -u -o pipefail
wine_run=$1 state=$2 gdctl=$3 vfzip=$4 sample=$5
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$wine_run" "$state" "$@"; }
gd() { run "$app_dir/gdctl.exe" "$@" 2>/dev/null | tr -d '\r'; }
unix_path() { local p=${1//\\//}; printf '%s' "$prefix/drive_c/${p#C:/}"; }
# One icon as an .ico file made by the same writer, whatever file holds it.
image_of() { gd icon extract "$1" "$2" 'C:\out\image.ico' >/dev/null && cp "$prefix/drive_c/out/image.ico" "$3"; }

"$wine_run" --reset "$state" || exit 1
prefix=$state/prefix
app_dir="$prefix/drive_c/Program Files/Glimmerdeck"
app='C:\Program Files\Glimmerdeck'
program_key='HKCU\Software\Quillmoor\Glimmerdeck'
install_key='HKLM\Software\Quillmoor\Vantafold\Glimmerdeck'
mkdir -p "$app_dir/Themes" "$prefix/drive_c/Other/Themes" "$prefix/drive_c/out/mode"{0,1,2} "$state/images"
cp "$gdctl" "$vfzip" "$sample" "$app_dir/"
run reg add 'HKLM\SOFTWARE\Quillmoor\Vantafold' /v VFZip /d "$app\\VFZip.dll" /f >/dev/null
# Cursors are part of the look that is saved and loaded.
run reg add "$program_key" /v Include7 /d 1 /f >/dev/null
run reg add "$program_key" /v "Package Info" /t REG_DWORD /d 0 /f >/dev/null
run reg add "$install_key" /v Path /d "$app" /f >/dev/null
gd apply "$app\\$(basename "$sample")" >/dev/null || fail "applying the sample"
# Checking before publishing: slots that this machine lacks pass, a misspelt slot name fails.
gd package check "$app\\$(basename "$sample")" >"$state/check.txt" || fail "the sample fails its check: $(grep -v $'\tok' "$state/check.txt")"
grep -q $'\tok, not on this system$' "$state/check.txt" || fail "no slot of another system in the sample's check"
printf '[Desktop Icons]\r\nMy Compter=%s,0\r\n' "$app\\gdctl.exe" >"$prefix/drive_c/out/typo.gdtheme"
gd package check 'C:\out\typo.gdtheme' >"$state/check.txt"
[ $? = 1 ] && grep -q $'\tunknown slot name$' "$state/check.txt" || fail "a misspelt slot name passes the check"

for mode in 0 1 2; do
  run reg add "$program_key" /v "Save Mode" /t REG_DWORD /d "$mode" /f >/dev/null
  run reg add "$install_key" /v Path /d "$app" /f >/dev/null
  saved=$(gd package save "C:\\out\\mode$mode\\Round$mode.gdtheme")
  [ "$saved" = "C:\\out\\mode$mode\\Round$mode\\Round$mode.gdtheme" ] || { fail "mode $mode saved as: $saved"; continue; }
  gd package zip "$saved" "C:\\out\\Round$mode.gd" || fail "mode $mode: zip"
  # The archive is checked from a scratch copy, entry by entry, not passed unread.
  checked=$(gd package check "C:\\out\\Round$mode.gd" | grep -c $'\tok$')
  [ "$checked" -ge 40 ] || fail "mode $mode: checking the archive passed $checked entries"
  # Installed under another application folder, as on another machine.
  run reg add "$install_key" /v Path /d 'C:\Other' /f >/dev/null
  loaded=$(gd package install "C:\\out\\Round$mode.gd")
  [ "$loaded" = "C:\\Other\\Themes\\Round$mode\\Round$mode.gdtheme" ] || { fail "mode $mode installed as: $loaded"; continue; }
  compared=0
  while IFS=$'\t' read -r category name before after; do
    case "$after" in C:\\Other\\Themes\\*) ;; *) continue ;; esac  # filled from a saved slot
    if [ "$category" = 6 ]; then
      cmp -s "$(unix_path "${before%,*}")" "$(unix_path "${after%,*}")" || fail "mode $mode: cursor $name differs"
    else
      image_of "${before%,*}" "${before##*,}" "$state/images/source.ico" &&
        image_of "${after%,*}" "${after##*,}" "$state/images/loaded.ico" &&
        cmp -s "$state/images/source.ico" "$state/images/loaded.ico" || fail "mode $mode: $category $name: $before and $after differ"
    fi
    compared=$((compared + 1))
  done < <(gd package load "$loaded")
  [ "$compared" -ge 40 ] || fail "mode $mode: only $compared slots compared"
done

echo "$failures failed"
[ "$failures" = 0 ]
