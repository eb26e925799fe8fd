#!/bin/bash
# "gdctl catalogue" over the test prefix's own registry, which none of us wrote, in both views:
# it ends cleanly with one well-formed line per slot, in UTF-8; a bad option is a usage error.
#   gdctl_catalogue_e2e.sh WINE_RUN WINE_STATE GDCTL_EXE
set -u
wine_run=$1 state=$2 gdctl=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for view in local builder; do
  out=$("$wine_run" "$state" "$gdctl" catalogue --view "$view" 2>/dev/null) || fail "$view: exit $?"
  bad=$(tr -d '\r' <<<"$out" | awk -F'\t' 'NF != 9 || $1 !~ /^[0-7]$/' | head -3)
  [ -z "$bad" ] && [ "$(grep -c . <<<"$out")" -ge 40 ] || fail "$view: malformed or short: $bad"
done
# Into a pipe, names beyond ASCII come as UTF-8 (the program's own texts are code page 1252).
floppy=$("$wine_run" "$state" "$gdctl" catalogue --view builder 2>/dev/null | grep -c $'\tFloppy Drive 3\xC2\xBD\t')
[ "$floppy" = 1 ] || fail "the 3.5-inch floppy is not named in UTF-8"
"$wine_run" "$state" "$gdctl" catalogue --os 7 >/dev/null 2>&1
[ $? = 2 ] || fail "--os 7 is no usage error"
echo "$failures failed"
[ "$failures" = 0 ]
