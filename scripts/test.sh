#!/usr/bin/env bash
# Sets up, builds and runs every test: once over a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer (any sanitizer report fails).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== normal build =="
bash scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$jobs" --timeout 300

echo "== sanitizer build =="
bash scripts/build.sh build-sanitize -DVESTREL_SANITIZE=ON -DVESTREL_BENCH=OFF
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs" --timeout 600
