#!/bin/sh
# Builds every fuzz target and runs them one after another for MINUTES minutes each, then
# prints per target the inputs it ran and whether it found a problem (a crash, a leak, a
# timeout or a broken check, with the input that shows it). Each target's corpus is kept in
# BUILD_DIR/fuzz-long/<target> for the next long run; the seeds join it every time. Fails
# when any target found a problem.
#
#   scripts/fuzz-long.sh MINUTES [BUILD_DIR]     (BUILD_DIR: build/fuzz)
set -eu

minutes=${1:-}
case $minutes in
  '' | *[!0-9]* | 0)  # libFuzzer takes 0 for no limit at all
    echo "usage: $0 MINUTES [BUILD_DIR]" >&2
    exit 2
    ;;
esac
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$source_dir/build/fuzz}
. "$source_dir/scripts/fuzz-targets.sh"

fuzz_build "$build"
summary=""
status=0
for target in $fuzz_targets; do
  work="$build/fuzz-long/$target"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$source_dir/tests/fuzz/corpus/$(fuzz_corpus_of "$target")/"* "$work/corpus/"
  echo "== $target: $minutes min" >&2
  outcome="no crash"
  if ! fuzz_run "$build" "$target" $((minutes * 60)) "$work"; then
    found=$(grep -m1 -E "^SUMMARY|check failed" "$work/log" || echo "exit status not 0")
    input=$(sed -n 's/.*Test unit written to //p' "$work/log" | head -1)
    outcome="CRASHED: $found${input:+ ($input)}"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  summary="$summary$(printf '%-14s %12s executions  %s' "$target" "${runs:-?}" "$outcome")
"
done
printf '%s' "$summary"
exit $status
