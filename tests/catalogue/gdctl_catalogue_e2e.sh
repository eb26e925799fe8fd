#!/bin/bash
# Runs "gdctl catalogue" in the test prefix for every Windows version code and both views:
# each run ends cleanly with one well-formed line per slot; bad options are usage errors.
#   gdctl_catalogue_e2e.sh WINE_RUN WINE_STATE GDCTL_EXE
set -u
wine_run=$1 state=$2 gdctl=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for view in local builder; do
  for os in 0 1 2 3 4 5 6; do
    out=$("$wine_run" "$state" "$gdctl" catalogue --view "$view" --os "$os" 2>/dev/null)
    status=$?
    [ "$status" = 0 ] || fail "--view $view --os $os: exit $status"
    lines=$(printf '%s\n' "$out" | grep -c .)
    [ "$lines" -gt 20 ] || fail "--view $view --os $os: only $lines slots"
    bad=$(printf '%s\n' "$out" | tr -d '\r' | awk -F'\t' 'NF != 9 || $1 !~ /^[0-7]$/' | head -3)
    [ -z "$bad" ] || fail "--view $view --os $os: malformed lines: $bad"
  done
done
one=$("$wine_run" "$state" "$gdctl" catalogue --category 6 --os 6 2>/dev/null | tr -d '\r' | cut -f1 | sort -u)
[ "$one" = 6 ] || fail "--category 6 listed categories: $one"
for bad in "--os 7" "--category 8" "--view other" "--os"; do
  # shellcheck disable=SC2086
  "$wine_run" "$state" "$gdctl" catalogue $bad >/dev/null 2>&1
  status=$?
  [ "$status" = 2 ] || fail "catalogue $bad: exit $status, expected 2"
done
echo "$failures failed"
[ "$failures" = 0 ]
