#!/usr/bin/env bash
# Builds Tessera and runs every test. Extra arguments go to cmake, e.g.
# scripts/test.sh -DTESSERA_SANITIZE=ON (use another BUILD_DIR for that).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure -j2
