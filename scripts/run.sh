#!/usr/bin/env bash
# Sets up, builds and starts the program; on the first run creates the database beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bin=build/bin
if [ ! -f "$bin/Morvellan.mdb" ]; then
  "$bin/morvellan-newdb" "$bin/Morvellan.mdb" admin
fi
# Without a display the program says so itself (and how to run it anyway) instead of starting.
exec "$bin/morvellan"
