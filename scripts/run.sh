#!/usr/bin/env bash
# Sets up, builds and starts the application.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh build
if [ -x build/app/vestrel-cp ]; then
  exec build/app/vestrel-cp
else
  echo "Built; the application itself is not there yet."
fi
