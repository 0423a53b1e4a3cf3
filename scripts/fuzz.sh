#!/usr/bin/env bash
# Builds the fuzz targets of the text tree and of prepared report files with clang
# (AddressSanitizer, UBSan and libFuzzer) in build-fuzz/ and runs each for its share of a bounded
# time. New inputs go to build-fuzz/corpus; the seed corpus in the repository is only read.
#   scripts/fuzz.sh [total seconds, default 50]
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-50}
dir=build-fuzz
fuzz=tests/report/document/fuzz
targets=(fuzz_xml_reader fuzz_attribute_reader fuzz_prepared_file)

(
  flock 9
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVO_SANITIZE=ON -DKALVO_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$dir" -j 2 --target "${targets[@]}"
) 9>/tmp/kalvo-build.lock

export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
each=$(( total / ${#targets[@]} ))
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  mkdir -p "$dir/corpus/$name"
  echo "fuzzing $target for ${each}s"
  "$dir/bin/$target" -max_total_time="$each" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/" -dict="$fuzz/$name.dict" "$dir/corpus/$name" "$fuzz/corpus/$name"
done
