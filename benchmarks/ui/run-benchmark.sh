#!/bin/sh
# Builds the Icons & Cursors page benchmark and runs it under Wine RUNS times (each a fresh
# process, so the first tab pays for every icon it extracts). Not a test: it prints, per run,
# the time until each tab showed.
#
#   benchmarks/ui/run-benchmark.sh WIN64_BUILD_DIR [RUNS]
set -eu
build=$(cd "$1" && pwd)
runs=${2:-5}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
state="$build/wine"

cmake --build "$build" --target icons_page_bench >/dev/null
run=1
while [ "$run" -le "$runs" ]; do
  echo "run $run:"
  "$source_dir/tools/wine-run" "$state" "$build/benchmarks/ui/icons_page_bench.exe" | tr -d '\r'
  run=$((run + 1))
done
