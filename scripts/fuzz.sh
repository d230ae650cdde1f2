#!/usr/bin/env bash
# Builds the log readers' libFuzzer targets with clang and runs each for a while (default 120 s);
# adif_tag compares the two readings of an ADIF tag and stops at any difference.
# New inputs go to a scratch folder; the committed corpus in cli/fuzz/corpus only seeds the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}

scripts/setup.sh native

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAROVINTA_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
  >/dev/null
cmake --build build/fuzz -j"$(nproc)" \
  --target adif_fuzz adif_tag_fuzz adx_fuzz cabrillo_fuzz edi_fuzz log_text_fuzz

for parser in adif adif_tag adx cabrillo edi log_text; do
  scratch=build/fuzz/corpus-$parser
  mkdir -p "$scratch"
  echo "fuzz: $parser for $seconds s"
  build/fuzz/cli/fuzz/${parser}_fuzz -max_total_time="$seconds" -max_len=4096 \
    -artifact_prefix=build/fuzz/"$parser"- "$scratch" cli/fuzz/corpus/$parser
done
