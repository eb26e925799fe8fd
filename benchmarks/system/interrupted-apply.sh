#!/bin/bash
# Kills "glimmerdeck.exe /lt" at random moments RUNS times (50 unless told) and counts the
# runs that "/default" brought back to the pristine prefix with first defaults in the backup;
# the test suite runs the same script five times.
#
#   benchmarks/system/interrupted-apply.sh WIN64_BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-50}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cmake --build "$build" --target glimmerdeck gdctl vfzip refreshhook >/dev/null
exec "$source_dir/tests/system/interrupted_apply_e2e.sh" "$source_dir/tools/wine-run" \
  "$build/wine-interrupt-bench" "$build/src/app/glimmerdeck.exe" \
  "$build/src/companions/gdctl/gdctl.exe" "$build/src/companions/vfzip/VFZip.dll" \
  "$build/src/companions/refreshhook/refreshhook.dll" "$source_dir/samples/Glimmer Sample.gd" "$runs"
