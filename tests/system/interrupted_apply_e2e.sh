#!/bin/bash
# An apply cut short must never cost the user their Windows defaults. "glimmerdeck.exe /lt"
# is killed (TerminateProcess, as a crash or a power cut leaves it) after a random delay, RUNS
# times, each time in a prefix whose backup file was never written; then "/default" must bring
# every slot back to what the pristine prefix showed (registry values, desktop.ini files and
# shortcuts, as gdctl reads them), and every backup entry written must hold the default that a
# full apply backs up first. Prints how many runs recovered.
#   interrupted_apply_e2e.sh WINE_RUN STATE GLIMMERDECK GDCTL VFZIP REFRESHHOOK SAMPLE_GD RUNS
set -u -o pipefail
wine_run=$1 state=$2 program=$3 gdctl=$4 vfzip=$5 refreshhook=$6 sample=$7 runs=$8
source "$(dirname "$0")/../support/e2e_prefix.sh"
e2e_install "$program" "$gdctl" "$vfzip" "$refreshhook" "$sample"
archive="$app\\$(basename "$sample")"
backup="$app_dir/backup.ini"
# The INI file's entries as "section<TAB>key=value" lines, sorted.
entries() { [ -f "$1" ] && tr -d '\r' <"$1" | awk '/^\[/ { s = $0; next } /=/ { print s "\t" $0 }' | sort; }

pristine=$(currents)
# What a full apply backs up, and that /default alone puts the pristine look back.
started=$(date +%s%N)
run "$app_dir/glimmerdeck.exe" /lt "$archive" || { echo "a full /lt failed"; exit 1; }
# Kills fall anywhere in the time a whole apply takes, Wine's start included.
span_ms=$(( ($(date +%s%N) - started) / 1000000 + 1 ))
first=$(entries "$backup")
echo "a full /lt takes $span_ms ms and backs up $(grep -c . <<<"$first") entries into backup.ini"
run "$app_dir/glimmerdeck.exe" /default
[ "$(currents)" = "$pristine" ] || { echo "/default after a full /lt: $(diff <(echo "$pristine") <(currents) | head -5)"; exit 1; }

recovered=0
for ((i = 1; i <= runs; i++)); do
  rm -f "$backup"
  delay_ms=$(( (RANDOM * 32768 + RANDOM) % span_ms ))
  run "$app_dir/glimmerdeck.exe" /lt "$archive" &
  sleep "$((delay_ms / 1000)).$(printf '%03d' $((delay_ms % 1000)))"
  run taskkill /f /im glimmerdeck.exe >/dev/null 2>&1
  wait
  written=$(entries "$backup")
  strays=$(comm -23 <(printf '%s\n' "$written" | grep .) <(printf '%s\n' "$first"))
  run "$app_dir/glimmerdeck.exe" /default
  now=$(currents)
  if [ -n "$strays" ]; then
    echo "run $i (killed after $delay_ms ms): backup entries that are no first default: $(head -3 <<<"$strays")"
  elif [ "$now" != "$pristine" ]; then
    echo "run $i (killed after $delay_ms ms): after /default: $(diff <(echo "$pristine") <(echo "$now") | head -5)"
  else
    recovered=$((recovered + 1))
  fi
done
echo "$recovered of $runs interrupted applies recovered"
[ "$recovered" = "$runs" ]
