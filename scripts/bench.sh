#!/usr/bin/env bash
# Builds an optimised, unsanitized copy and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRIBUTRA_SANITIZE=OFF -DTRIBUTRA_BENCH=ON
cmake --build build-release -j"$(nproc)" --target bench_db bench_accounting bench_richtext bench_import bench_import_cont bench_returns bench_informative
build-release/bench/bench_db "$@"
build-release/bench/bench_accounting "$@"
build-release/bench/bench_richtext "$@"
build-release/bench/bench_import "$@"
build-release/bench/bench_import_cont "$@"
build-release/bench/bench_returns "$@"
build-release/bench/bench_informative "$@"
