#!/usr/bin/env bash
# Sets up, builds and runs the engine benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh build
exec build/bench/engine_bench "$@"
