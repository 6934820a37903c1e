#!/usr/bin/env bash
# Installs what building, running and testing need (Debian), then configures and builds the named
# targets, or everything when none is named (with --packages-only it stops after installing).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh build-essential cmake libsqlite3-dev qt6-base-dev libgl-dev \
  qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core fonts-liberation
[ "${1:-}" = --packages-only ] && exit 0

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build -j "$(nproc)" "${targets[@]}"
