#!/bin/sh
# Builds the libFuzzer targets of the icon format readers with clang and runs each one for a
# bounded time on a copy of its seed corpus. Fails when a target finds a crash, a leak, a
# timeout or a broken check.
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
jobs=$(nproc 2>/dev/null || echo 2)

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -DGD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets="ico_reader ani_reader ne_reader parse_image"
for target in $targets; do
  cmake --build "$build" -j"$jobs" --target "${target}_fuzz" >/dev/null
done

# The seed corpus of each target: the committed files for its format.
corpus_of() {
  case $1 in
    ico_reader) echo ico ;;
    ani_reader) echo ani ;;
    ne_reader) echo ne ;;
    parse_image) echo image ;;
  esac
}

status=0
for target in $targets; do
  work="$build/fuzz-run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$source_dir/tests/fuzz/corpus/$(corpus_of "$target")/"* "$work/corpus/"
  echo "== $target: $seconds s"
  # 4 GiB claims must not turn into 4 GiB buffers: keep allocations small.
  if ! "$build/tests/fuzz/${target}_fuzz" "$work/corpus" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 \
      -artifact_prefix="$work/artifacts/" -print_final_stats=1 >"$work/log" 2>&1; then
    echo "FAIL: $target found a problem:"
    grep -E "ERROR|SUMMARY|check failed|Test unit written" "$work/log" | head -20
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "$work/log" | tail -2
  fi
done
exit $status
