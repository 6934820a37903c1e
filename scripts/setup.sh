#!/usr/bin/env bash
# Installs what building, running and testing need (Debian), then configures and builds.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake libsqlite3-dev qt6-base-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core fonts-liberation)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
