#!/usr/bin/env bash
# Sets up, builds and starts the program; on the first run creates the database beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bin=build/bin
if [ ! -f "$bin/Morvellan.mdb" ]; then
  "$bin/morvellan-newdb" "$bin/Morvellan.mdb" admin
fi
if [ ! -x "$bin/morvellan" ]; then
  echo "The program's windows are not built yet; the database is ready at $bin/Morvellan.mdb."
  exit 0
fi
exec "$bin/morvellan"
