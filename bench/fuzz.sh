#!/usr/bin/env bash
# Fuzzes a reader of outside files with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer for a bounded time:
#   bench/fuzz.sh rtf [seconds]      the RTF reader (memoria chapters)
#   bench/fuzz.sh viewer [seconds]   the file viewer, seeded with files the system wrote
# Builds with clang in its own folder, build-fuzz; the corpus grows in build-fuzz/TARGET-corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

target="${1:-}"
seconds="${2:-300}"
case "$target" in
    rtf)
        option=TRIBUTRA_FUZZ_RTF
        extra=(-max_len=16384 -dict=bench/fuzz-rtf.dict)
        ;;
    viewer)
        option=TRIBUTRA_FUZZ_VIEWER
        extra=(-max_len=8192)
        ;;
    *)
        echo "Uso: $0 rtf|viewer [segundos]" >&2
        exit 2
        ;;
esac
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRIBUTRA_SANITIZE=ON -DTRIBUTRA_BENCH=ON -D"$option"=ON
cmake --build build-fuzz -j"${FUZZ_JOBS:-2}" --target "fuzz_$target"

corpus="build-fuzz/$target-corpus"
mkdir -p "$corpus"
QT_QPA_PLATFORM=offscreen "build-fuzz/bench/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
    "${extra[@]}" -artifact_prefix=build-fuzz/ "$corpus" "bench/fuzz-$target-seeds"
