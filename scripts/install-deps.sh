#!/usr/bin/env bash
# Installs, with apt-get, whatever Tributra needs to build, test and run that this
# Debian machine lacks. Does nothing when everything is there. With --server, also the
# Firebird server the integration tests run against (scripts/firebird-server.sh).
set -euo pipefail

packages=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-base-dev-tools
    firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick xdotool
)
[ "${1:-}" = --server ] && packages+=(firebird3.0-server)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
