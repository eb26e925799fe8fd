#!/bin/sh
# Shared by run-fuzzers.sh and fuzz-long.sh: the fuzz targets, their seed corpora, the build
# of the native clang tree and how a target runs. Source it with source_dir set.

fuzz_targets="ico_reader ani_reader ne_reader parse_image icon_ref package_value package_load entry_name"

# The seed corpus of a target in tests/fuzz/corpus: the files of its format, or of its name.
fuzz_corpus_of() {
  case $1 in
    ico_reader) echo ico ;;
    ani_reader) echo ani ;;
    ne_reader) echo ne ;;
    parse_image) echo image ;;
    *) echo "$1" ;;
  esac
}

# fuzz_build BUILD_DIR: configures the tree and builds every target.
fuzz_build() {
  CC=clang CXX=clang++ cmake -S "$source_dir" -B "$1" -DGD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  for target in $fuzz_targets; do
    cmake --build "$1" -j"$(nproc 2>/dev/null || echo 2)" --target "${target}_fuzz" >/dev/null
  done
}

# fuzz_run BUILD_DIR TARGET SECONDS WORK: runs the target on WORK/corpus with its findings going
# to WORK/artifacts and its output to WORK/log; the fuzzer's exit status.
fuzz_run() {
  # 4 GiB claims must not turn into 4 GiB buffers: keep allocations small.
  "$1/tests/fuzz/$2_fuzz" "$4/corpus" -max_total_time="$3" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -max_len=65536 -artifact_prefix="$4/artifacts/" -print_final_stats=1 >"$4/log" 2>&1
}
