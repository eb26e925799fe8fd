#!/bin/sh
# Runs the icon reader benchmark under Wine against a Windows build tree, and wrestool on the
# same files from the Linux side for comparison. Not a test: it prints figures.
#
#   benchmarks/iconfmt/run-benchmark.sh WIN64_BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
state="$build/wine"
work="$build/iconfmt-bench"
rm -rf "$work"
mkdir -p "$work"

cmake --build "$build" --target gd_iconfmt >/dev/null
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -DWIN32_LEAN_AND_MEAN -DNOMINMAX -I"$source_dir/src" \
  "$source_dir/benchmarks/iconfmt/iconfmt_bench.cpp" \
  "$build/src/iconfmt/libgd_iconfmt.a" "$build/src/platform/libgd_platform_text.a" \
  -static -o "$work/iconfmt_bench.exe"

echo "== Glimmerdeck readers under Wine"
"$source_dir/tools/wine-run" "$state" "$work/iconfmt_bench.exe" "Z:$(printf '%s' "$work/bench.icl" | tr / '\\')" | tr -d '\r'

echo "== wrestool on the same files"
windows="$state/prefix/drive_c/windows"
start=$(date +%s.%N)
index=0
for file in "$windows"/system32/*.dll "$windows"/system32/*.exe "$windows"/*.dll "$windows"/*.exe; do
  [ -f "$file" ] || continue
  index=$((index + 1))
  mkdir -p "$work/wrestool/$index"
  wrestool -x --type=14 -o "$work/wrestool/$index" "$file" 2>/dev/null || true
done
end=$(date +%s.%N)
echo "wrestool -x --type=14: $index files, $(find "$work/wrestool" -type f | wc -l) groups in $(echo "$end - $start" | bc) s"
mkdir -p "$work/wrestool-icl"
start=$(date +%s.%N)
# The library's resource lengths include the alignment fill, which wrestool reports as a mismatch.
wrestool -x --type=14 -o "$work/wrestool-icl" "$work/bench.icl" 2>/dev/null
end=$(date +%s.%N)
echo "wrestool -x --type=14 on the 1000-icon library: $(ls "$work/wrestool-icl" | wc -l) groups in $(echo "$end - $start" | bc) s"
