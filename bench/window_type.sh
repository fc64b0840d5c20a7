#!/usr/bin/env bash
# TYPE of a 50 MB text file in the window (offscreen) against the terminal
# front end, in the same run. Usage: bench/window_type.sh [build-dir]
set -euo pipefail
build=${1:-build}
shell="$build/Tessera.exe"
[[ -x "$shell" ]] || { echo "build Tessera first ($shell)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
mkdir -p "$root"
# About 50 MB of CR LF lines.
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "line %08d of the file typed into the console\r\n", i }' >"$root/big.txt"
echo "file: $(du -h "$root/big.txt" | cut -f1)"

seconds() { local start end; start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N); echo "$end - $start" | bc; }
echo "terminal: $(seconds "$shell" --tty --root "$root" -c "TYPE big.txt") s"
echo "window:   $(seconds env QT_QPA_PLATFORM=offscreen "$shell" --root "$root" --run "TYPE big.txt" --screenshot "$work/shot.png") s"
