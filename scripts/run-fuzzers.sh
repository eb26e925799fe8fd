#!/bin/sh
# Builds the libFuzzer targets (the icon format readers, and the texts read from packages and
# archives) with clang and runs each one for a bounded time on a copy of its seed corpus.
# Fails when a target finds a crash, a leak, a timeout or a broken check.
#
#   scripts/run-fuzzers.sh BUILD_DIR [SECONDS_PER_TARGET]
set -eu

if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [SECONDS_PER_TARGET]" >&2
  exit 2
fi
build=$1
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
. "$source_dir/scripts/fuzz-targets.sh"

fuzz_build "$build"
status=0
for target in $fuzz_targets; do
  work="$build/fuzz-run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$source_dir/tests/fuzz/corpus/$(fuzz_corpus_of "$target")/"* "$work/corpus/"
  echo "== $target: $seconds s"
  if ! fuzz_run "$build" "$target" "$seconds" "$work"; then
    echo "FAIL: $target found a problem:"
    grep -E "ERROR|SUMMARY|check failed|Test unit written" "$work/log" | head -20
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "$work/log" | tail -2
  fi
done
exit $status
