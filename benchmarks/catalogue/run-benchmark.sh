#!/bin/sh
# Builds and runs the catalogue benchmark under Wine against a Windows build tree. Not a test:
# it prints the minimum and median time of building every category over the real registry.
#
#   benchmarks/catalogue/run-benchmark.sh WIN64_BUILD_DIR [REPETITIONS]
set -eu
build=$(cd "$1" && pwd)
repetitions=${2:-50}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
state="$build/wine"

cmake --build "$build" --target catalogue_bench >/dev/null
"$source_dir/tools/wine-run" "$state" "$build/benchmarks/catalogue/catalogue_bench.exe" "$repetitions" |
  tr -d '\r'
