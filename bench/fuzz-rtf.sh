#!/usr/bin/env bash
# Fuzzes the RTF reader with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer
# for a bounded time: bench/fuzz-rtf.sh [seconds, default 300].
# Builds with clang in its own folder, build-fuzz; the corpus grows in build-fuzz/rtf-corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-300}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRIBUTRA_SANITIZE=ON -DTRIBUTRA_BENCH=ON -DTRIBUTRA_FUZZ_RTF=ON
cmake --build build-fuzz -j"${FUZZ_JOBS:-1}" --target fuzz_rtf

corpus=build-fuzz/rtf-corpus
mkdir -p "$corpus"
QT_QPA_PLATFORM=offscreen build-fuzz/bench/fuzz_rtf -max_total_time="$seconds" -timeout=10 \
    -max_len=16384 -dict=bench/fuzz-rtf.dict -artifact_prefix=build-fuzz/ \
    "$corpus" bench/fuzz-rtf-seeds
