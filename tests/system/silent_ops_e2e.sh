#!/bin/bash
# The program's main job end to end, in a Wine prefix of its own that reports Windows XP:
# "glimmerdeck.exe /lt" installs and applies the sample package (every slot that loading it
# changes then shows the package's icon), "gdctl restore --dry-run" writes nothing, "/default"
# brings the defaults back, and a package that cannot be loaded applies nothing.
#   silent_ops_e2e.sh WINE_RUN STATE GLIMMERDECK GDCTL VFZIP REFRESHHOOK SAMPLE_GD
set -u -o pipefail
wine_run=$1 state=$2 program=$3 gdctl=$4 vfzip=$5 refreshhook=$6 sample=$7
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
source "$(dirname "$0")/../support/e2e_prefix.sh"
e2e_install "$program" "$gdctl" "$vfzip" "$refreshhook" "$sample"
archive="$app\\$(basename "$sample")"

before=$(currents)
expected=$(gd package load "$archive" | awk -F'\t' '{print $1 "\t" $2 "\t" $4}' | sort)
[ "$(printf '%s\n' "$expected" | grep -c .)" -ge 20 ] || fail "loading the sample changes only: $expected"

run "$app_dir/glimmerdeck.exe" /lt "$archive" || fail "/lt exit $?"
after=$(currents)
missing=$(comm -23 <(printf '%s\n' "$expected") <(printf '%s\n' "$after"))
[ -z "$missing" ] || fail "after /lt these slots do not show the package's icon: $missing"

dry=$(gd restore --dry-run)
[ "$(printf '%s\n' "$dry" | grep -c $'\tdry run$')" -ge 20 ] && ! printf '%s\n' "$dry" | grep -qv $'\tdry run$' ||
  fail "restore --dry-run listed: $dry"
[ "$(currents)" = "$after" ] || fail "restore --dry-run changed the system"

run "$app_dir/glimmerdeck.exe" /default || fail "/default exit $?"
[ "$(currents)" = "$before" ] || fail "after /default: $(diff <(printf '%s\n' "$before") <(currents) | head -5)"
run "$app_dir/glimmerdeck.exe" /lt "$app\\missing.gdtheme"; status=$?
[ "$status" = 4 ] && [ "$(currents)" = "$before" ] || fail "a package that did not load: exit $status, or it changed the system"

echo "$failures failed"
[ "$failures" = 0 ]
