#!/bin/bash
# The whole test run: set-up, the three builds, then one CTest run over the native and the
# Windows tests (the latter under Wine in a prefix of the build tree), ending with CTest's
# summary.
#
#   test.sh [BUILD_DIR]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)

bash "$repo/scripts/setup.sh" "$build"
bash "$repo/scripts/build.sh" "$build"

trees=(native win64)
if [ -x "$repo/scripts/run-fuzzers.sh" ] || [ -f "$repo/scripts/run-fuzzers.sh" ]; then
  bash "$repo/scripts/run-fuzzers.sh" "$build/fuzz" "${GD_FUZZ_SECONDS:-60}"
fi

# One CTest project over the trees, so that one summary line speaks for all of them.
{
  echo "# Made by scripts/test.sh: runs the tests of every build tree."
  for tree in "${trees[@]}"; do echo "subdirs(\"$tree\")"; done
} > "$build/CTestTestfile.cmake"

cd "$build"
status=0
# A test is run a second time only when it failed: under load Wine now and then ends a
# program before it starts (no output at all, a hundredth of a second). A real fault fails
# both runs, and CTest's summary counts it.
ctest -j "$(nproc)" --output-on-failure --timeout 600 --repeat until-pass:2 || status=$?
WINEPREFIX="$build/win64/wine/prefix" wineserver -k 2>/dev/null || true
exit $status
