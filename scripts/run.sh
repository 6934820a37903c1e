#!/usr/bin/env bash
# Sets up, builds what running needs (not the tests and benchmarks) and starts the program; on the
# first run creates the database beside it, with a settings.dat that names it (one a user's
# settings already fill is kept).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh morvellan morvellan-newdb mv_pictures
bin=build/bin
if [ ! -f "$bin/Morvellan.mdb" ]; then
  "$bin/morvellan-newdb" --settings "$bin/Morvellan.mdb" admin
fi
# Without a display the program says so itself (and how to run it anyway) instead of starting.
exec "$bin/morvellan"
