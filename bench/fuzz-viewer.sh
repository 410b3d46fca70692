#!/usr/bin/env bash
# Fuzzes the file viewer with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer
# for a bounded time: bench/fuzz-viewer.sh [seconds, default 300]. The seeds are files the
# system wrote (bench/fuzz-viewer-seeds). Builds with clang in build-fuzz, as fuzz-rtf.sh;
# the corpus grows in build-fuzz/viewer-corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-300}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRIBUTRA_SANITIZE=ON -DTRIBUTRA_BENCH=ON -DTRIBUTRA_FUZZ_VIEWER=ON
cmake --build build-fuzz -j"${FUZZ_JOBS:-2}" --target fuzz_viewer

corpus=build-fuzz/viewer-corpus
mkdir -p "$corpus"
build-fuzz/bench/fuzz_viewer -max_total_time="$seconds" -timeout=10 -max_len=8192 \
    -artifact_prefix=build-fuzz/ "$corpus" bench/fuzz-viewer-seeds
