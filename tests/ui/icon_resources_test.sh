#!/bin/sh
# The catalogue names the program's own icons by position (icon index) in glimmerdeck.exe, and
# Windows counts that position in ascending identifier order. This checks, with icoutils rather
# than our own parser, that the executable carries exactly the program icon 128, placeholders
# 129..217 (indexes 1..89) and the list markers 276 and 278, in that order, and that every
# placeholder and marker has its nine images: 16, 32 and 48 pixels in 4, 8 and 32 bits.
#
# Usage: icon_resources_test.sh GLIMMERDECK_EXE
set -u

exe=${1:?usage: icon_resources_test.sh GLIMMERDECK_EXE}
for tool in wrestool icotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool (icoutils) is not installed"
    exit 77
  fi
done
if [ ! -f "$exe" ]; then
  echo "FAIL: no executable at $exe"
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Identifiers of the icon groups in the order the executable's resource directory keeps them.
if ! wrestool -l --type=group_icon "$exe" >"$work/list" 2>"$work/err"; then
  cat "$work/err"
  fail "wrestool cannot list the resources of $exe"
fi
sed -n 's/.*--name=\([^ ]*\) .*/\1/p' "$work/list" >"$work/ids"

{ echo 128; seq 129 217; echo 276; echo 278; } >"$work/expected"
if ! cmp -s "$work/ids" "$work/expected"; then
  fail "icon groups are not 128, 129..217, 276, 278 in this order (got $(wc -l <"$work/ids") groups):"
  diff "$work/expected" "$work/ids" | head -20
fi

# The sizes and depths of one group, as "width bits" lines in a fixed order.
printf '%s\n' "16 4" "16 8" "16 32" "32 4" "32 8" "32 32" "48 4" "48 8" "48 32" >"$work/images"
for id in $(seq 128 217) 276 278; do
  if ! wrestool -x --type=group_icon --name="$id" "$exe" >"$work/$id.ico" 2>/dev/null \
      || [ ! -s "$work/$id.ico" ]; then
    fail "icon group $id cannot be extracted"
    continue
  fi
  if ! icotool -l "$work/$id.ico" >"$work/$id.lst" 2>&1; then
    fail "icon group $id is not a readable icon: $(head -1 "$work/$id.lst")"
    continue
  fi
  sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\).*/\1 \2 \3/p' \
    "$work/$id.lst" >"$work/$id.dims"
  if awk '$1 != $2' "$work/$id.dims" | grep -q .; then
    fail "icon group $id has an image that is not square"
  fi
  if [ "$id" = 128 ]; then
    # The program icon is drawn separately; it only has to be there with some image.
    [ -s "$work/$id.dims" ] || fail "the program icon 128 has no images"
    continue
  fi
  awk '{ print $1, $3 }' "$work/$id.dims" | sort -n -k1,1 -k2,2 >"$work/$id.got"
  if ! cmp -s "$work/$id.got" "$work/images"; then
    fail "icon group $id does not have the nine images 16/32/48 x 4/8/32 bits: $(tr '\n' ',' <"$work/$id.got")"
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "OK: 92 icon groups in order, each placeholder and marker with nine images"
