#!/usr/bin/env bash
# Sets everything up on a Debian machine, builds Tributra and starts it. The first start
# asks where the database goes (proposing this folder's Tribra18.gdb) and creates it.
# Data folder: $TRIBUTRA_HOME, else ~/Tributra.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRIBUTRA_SANITIZE=OFF
cmake --build build-release -j"$(nproc)" --target tributra

program="$PWD/build-release/app/tributra"
home="${TRIBUTRA_HOME:-$HOME/Tributra}"
mkdir -p "$home"
cd "$home"
exec "$program" "$@"
