#!/bin/bash
# The main command's result, used as a user would: in a fresh sandbox prefix with Glimmerdeck
# installed and the sample package applied, every tab of the Icons & Cursors page lists the
# slots that gdctl lists, in its order, each with the icon gdctl reads from the system; one slot
# changed through the icon picker and applied changes exactly that slot in the registry; View
# Icon opens the icon browser on the chosen file.
#
#   sandbox_e2e.sh REPO WIN64_BUILD_DIR
set -euo pipefail
repo=$1
build=$(cd "$2/.." && pwd)
driver="$2/tests/app/window_driver.exe"
work="$2/sandbox-e2e"
fail() { echo "FAIL: $*" >&2; exit 1; }

unset DISPLAY WAYLAND_DISPLAY
rm -rf "$work"
mkdir -p "$work"
source "$repo/scripts/sandbox.sh"
sandbox_prefix "$work/prefix" headless
sandbox_install
wine "$app_dir/glimmerdeck.exe" /lt "$sample" </dev/null
wineserver -w
sandbox_currents >"$work/currents.txt"
[ -s "$work/currents.txt" ] || fail "gdctl lists no slots"

# Names and icons: the status line shows the icon's path shortened in its middle (a cursor's
# without its index), "Windows Default Cursor" for the program's own copies of the defaults, and
# the missing-image text where the file lacks the picture; the sample's icons always show.
wine "$driver" list "$app_path" </dev/null | tr -d '\r' | iconv -f cp1252 -t utf-8 >"$work/page.txt"
grep -q '^notice: The icons for the WindowsXP Classic Start Menu' "$work/page.txt" ||
  fail "no notice about the XP Start menu"
grep '^[0-9]' "$work/page.txt" | cut -f1,3 >"$work/page-names.txt"
cut -f1,2 "$work/currents.txt" | diff "$work/page-names.txt" - >&2 || fail "the tabs list other slots than gdctl"
paste <(grep '^[0-9]' "$work/page.txt" | cut -f1,4) <(cut -f3 "$work/currents.txt") |
  awk -F'\t' '{
      tab = $1; shown = $2; full = $3
      if (tab == 6) {
        if (full ~ /\\Glimmerdeck\.exe,[0-9]+$/) { if (shown != "Windows Default Cursor") { print shown " for " full; bad++ }; next }
        sub(/,[0-9]+$/, "", full)
      }
      if (shown == "Missing or invalid graphic configured for this icon" && full !~ /Glimmer Sample/) next
      if (substr(shown, 1, 11) != "File Name: ") { print shown " for " full; bad++; next }
      shown = substr(shown, 12)
      cut = index(shown, "...")
      if (cut == 0) { if (shown != full) { print shown " is not " full; bad++ }; next }
      head = substr(shown, 1, cut - 1); tail = substr(shown, cut + 3)
      if (index(full, head) != 1 || substr(full, length(full) - length(tail) + 1) != tail) { print shown " is not " full; bad++ }
    } END { exit bad > 0 }' >&2 || fail "the page shows other icons than the system has"
grep -q "Glimmer Sample" "$work/currents.txt" || fail "the sample package did not apply"

# One slot through the picker, applied: My Computer, the second Desktop slot.
mkdir -p "$WINEPREFIX/drive_c/e2e"
cp "$app_dir/Themes/Glimmer Sample/Glimmer Sample Recycle Bin (full).ico" "$WINEPREFIX/drive_c/e2e/Blue.ico"
wine "$driver" change "$app_path" 0 1 'C:\e2e\Blue.ico' </dev/null | tr -d '\r' >"$work/change.txt"
cat "$work/change.txt"
grep -qx 'picker: Change Icon - My Computer' "$work/change.txt" || fail "the picker did not open for My Computer"
grep -qx 'status: File Name: C:\\e2e\\Blue.ico,0' "$work/change.txt" || fail "the picker's choice did not reach the slot"
grep -qx 'browser: Blue.ico - Glintview' "$work/change.txt" || fail "View Icon did not open the browser on the file"
grep -qx 'exit: 0' "$work/change.txt" || fail "the program did not end cleanly"
wineserver -w
sandbox_currents | diff "$work/currents.txt" - >"$work/changed.txt" || true
[ "$(grep -c '^>' "$work/changed.txt")" = 1 ] && grep -qxF $'> 0\tMy Computer\tC:\\e2e\\Blue.ico,0' "$work/changed.txt" ||
  { cat "$work/changed.txt" >&2; fail "Apply changed other slots than My Computer"; }
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\DefaultIcon' \
  </dev/null | tr -d '\r' | grep -q 'REG_SZ *C:\\e2e\\Blue.ico,0$' || fail "the registry does not hold the new icon"
echo "sandbox e2e: $(wc -l <"$work/page-names.txt") slots listed as gdctl lists them; one slot changed and applied"
