#!/bin/sh
# Builds and runs the package benchmark under Wine against a Windows build tree. Not a test:
# it prints the minimum and median time of scanning a 1,000-package library by each sort key
# and of loading a package that sets every slot.
#
#   benchmarks/package/run-benchmark.sh WIN64_BUILD_DIR [REPETITIONS]
set -eu
build=$(cd "$1" && pwd)
repetitions=${2:-20}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
state="$build/wine"

cmake --build "$build" --target package_bench >/dev/null
"$source_dir/tools/wine-run" "$state" "$build/benchmarks/package/package_bench.exe" "$repetitions" |
  tr -d '\r'
