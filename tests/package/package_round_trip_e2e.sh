#!/bin/bash
# Packages end to end through gdctl, in a prefix of its own that reports Windows XP: the
# sample package is applied; the system's present look is saved in each save mode, zipped,
# installed under another application folder's Themes and loaded there, and every slot the
# load sets must show the same icon images as the slot had on the saving system. Also the
# package tools' own results: info, check, list and the refusal of a broken package.
#   package_round_trip_e2e.sh WINE_RUN STATE GDCTL VFZIP SAMPLE_GD
set -u -o pipefail
wine_run=$1 state=$2 gdctl=$3 vfzip=$4 sample=$5
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$wine_run" "$state" "$@"; }
gd() { run "$app_dir/gdctl.exe" "$@" 2>/dev/null | tr -d '\r'; }
unix_path() { local p=${1//\\//}; printf '%s' "$prefix/drive_c/${p#C:/}"; }

"$wine_run" --reset "$state" || exit 1
prefix=$state/prefix
app_dir="$prefix/drive_c/Program Files/Glimmerdeck"
app='C:\Program Files\Glimmerdeck'
program_key='HKCU\Software\Quillmoor\Glimmerdeck'
install_key='HKLM\Software\Quillmoor\Vantafold\Glimmerdeck'
mkdir -p "$app_dir/Themes" "$prefix/drive_c/samples" "$prefix/drive_c/Other/Themes" \
         "$prefix/drive_c/out/mode0" "$prefix/drive_c/out/mode1" "$prefix/drive_c/out/mode2" \
         "$state/images"
cp "$gdctl" "$vfzip" "$app_dir/"
cp "$sample" "$prefix/drive_c/samples/"
run reg add "$install_key" /v Path /d "$app" /f >/dev/null
run reg add 'HKLM\SOFTWARE\Quillmoor\Vantafold' /v VFZip /d "$app\\VFZip.dll" /f >/dev/null
# Cursors are part of the look that is saved and loaded.
run reg add "$program_key" /v Include7 /d 1 /f >/dev/null
run reg add "$program_key" /v "Restore Cursors" /t REG_DWORD /d 1 /f >/dev/null

gd apply 'C:\samples\Glimmer Sample.gd' >/dev/null || fail "applying the sample"
installed="$app\\Themes\\Glimmer Sample\\Glimmer Sample.gdtheme"

# The tools' view of the sample.
info=$(gd package info "$installed")
printf '%s\n' "$info" | grep -q $'^Desktop Icons\t' || fail "info lists no desktop section: $info"
[ -z "$(printf '%s\n' "$info" | awk -F'\t' '/entries/ && $2 + 0 != $3 + 0')" ] ||
  fail "info: the sample has entries that do not read: $info"
check=$(gd package check "$installed"); status=$?
[ "$(printf '%s\n' "$check" | grep -c $'\tok$')" -ge 30 ] || fail "check: $check"
list=$(gd package list --sort count)
[ "$(printf '%s\n' "$list" | head -1)" = "Windows Default Icons" ] || fail "list: $list"
printf '%s\n' "$list" | grep -qF "$installed" || fail "list does not hold the sample: $list"
printf '[Desktop Icons]\r\nMy Computer=%%ThemeDir%%gone.ico\r\nNo Such Slot=%%ThemeDir%%x.ico\r\n' \
  > "$prefix/drive_c/out/Broken.gdtheme"
broken=$(gd package check 'C:\out\Broken.gdtheme'); status=$?
[ "$status" = 1 ] || fail "check of a broken package: exit $status"
printf '%s\n' "$broken" | grep -q $'My Computer\t.*\tmissing file$' || fail "check: $broken"
printf '%s\n' "$broken" | grep -q $'No Such Slot\t.*\tunknown slot name$' || fail "check: $broken"

# One icon as an .ico file made by the same writer, whatever file holds it.
image_of() {  # FILE INDEX OUT
  local out_win="C:\\out\\image.ico"
  gd icon extract "$1" "$2" "$out_win" >/dev/null && cp "$prefix/drive_c/out/image.ico" "$3"
}

for mode in 0 1 2; do
  run reg add "$program_key" /v "Save Mode" /t REG_DWORD /d "$mode" /f >/dev/null
  run reg add "$program_key" /v "Package Info" /t REG_DWORD /d 0 /f >/dev/null
  run reg add "$install_key" /v Path /d "$app" /f >/dev/null
  saved=$(gd package save "C:\\out\\mode$mode\\Round$mode.gdtheme")
  [ "$saved" = "C:\\out\\mode$mode\\Round$mode\\Round$mode.gdtheme" ] || { fail "mode $mode saved as: $saved"; continue; }
  gd package zip "$saved" "C:\\out\\Round$mode.gd" || fail "mode $mode: zip"
  # Install under another application folder, as on another machine.
  run reg add "$install_key" /v Path /d 'C:\Other' /f >/dev/null
  loaded=$(gd package install "C:\\out\\Round$mode.gd")
  [ "$loaded" = "C:\\Other\\Themes\\Round$mode\\Round$mode.gdtheme" ] || { fail "mode $mode installed as: $loaded"; continue; }
  changes=$(gd package load "$loaded")
  [ "$(printf '%s\n' "$changes" | grep -c .)" -ge 40 ] || fail "mode $mode: loading set only: $changes"
  compared=0
  while IFS=$'\t' read -r category name before after; do
    [ -n "$after" ] || continue
    source_file=${before%,*} source_index=${before##*,}
    loaded_file=${after%,*} loaded_index=${after##*,}
    case "$loaded_file" in C:\\Other\\Themes\\*) ;; *) continue ;; esac  # filled from a saved slot
    if [ "$category" = 6 ]; then
      cmp -s "$(unix_path "$source_file")" "$(unix_path "$loaded_file")" ||
        fail "mode $mode: cursor $name differs ($source_file, $loaded_file)"
    else
      image_of "$source_file" "$source_index" "$state/images/source.ico" &&
        image_of "$loaded_file" "$loaded_index" "$state/images/loaded.ico" &&
        cmp -s "$state/images/source.ico" "$state/images/loaded.ico" ||
        fail "mode $mode: $category $name: $before and $after differ"
    fi
    compared=$((compared + 1))
  done <<< "$changes"
  [ "$compared" -ge 40 ] || fail "mode $mode: only $compared slots compared"
done

# Saving over a package kept outside Themes writes the new version into Themes, and leaves
# the old one where it was.
run reg add "$install_key" /v Path /d "$app" /f >/dev/null
again=$(gd package save 'C:\out\mode0\Round0\Round0.gdtheme')
[ "$again" = "$app\\Themes\\Round0\\Round0.gdtheme" ] || fail "saving over an outside package: $again"
[ -f "$prefix/drive_c/out/mode0/Round0/Round0.gdtheme" ] || fail "the outside package is gone"

echo "$failures failed"
[ "$failures" = 0 ]
