#!/usr/bin/env bash
# Installs what is missing, builds Tessera in build/ and starts the shell.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/Tessera.exe --tty "$@"
