#!/bin/sh
# The catalogue names the program's own icons by position in glimmerdeck.exe, which Windows
# counts in ascending identifier order. Checked with icoutils rather than our own reader: the
# program icon 128, placeholders 129..217 and the list markers 276 and 278, in this order, each
# placeholder and marker with nine square images of 16, 32 and 48 pixels in 4, 8 and 32 bits.
#   icon_resources_test.sh GLIMMERDECK_EXE
set -u
exe=$1
command -v wrestool >/dev/null 2>&1 && command -v icotool >/dev/null 2>&1 || { echo "SKIP: no icoutils"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

wrestool -l --type=group_icon "$exe" | sed -n 's/.*--name=\([^ ]*\) .*/\1/p' >"$work/ids"
{ echo 128; seq 129 217; echo 276; echo 278; } | cmp -s - "$work/ids" || fail "icon groups not 128, 129..217, 276, 278 in order"
printf '%s\n' "16 16 4" "16 16 8" "16 16 32" "32 32 4" "32 32 8" "32 32 32" "48 48 4" "48 48 8" "48 48 32" >"$work/nine"
for id in $(seq 129 217) 276 278; do
  wrestool -x --type=group_icon --name="$id" "$exe" 2>/dev/null >"$work/icon.ico"
  icotool -l "$work/icon.ico" 2>&1 | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\).*/\1 \2 \3/p' |
    sort -n -k1,1 -k3,3 | cmp -s - "$work/nine" || fail "icon group $id lacks its nine square images"
done
[ "$failures" -eq 0 ] && echo "OK: 92 icon groups in order, each placeholder and marker with nine images"
