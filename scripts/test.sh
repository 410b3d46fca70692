#!/usr/bin/env bash
# Sets everything up on a Debian machine, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test. The integration tests start a Firebird
# server on the loopback and stop it again (a CTest fixture); should the run be cut short,
# the server goes on the way out too.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --server
trap 'scripts/firebird-server.sh stop' EXIT
cmake -S . -B build -G Ninja -DTRIBUTRA_SANITIZE=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
