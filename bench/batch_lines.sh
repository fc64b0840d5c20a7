#!/usr/bin/env bash
# Batch lines per second: Tessera's batch engine against dash doing the same
# work, in the same run. Usage: bench/batch_lines.sh [build-dir]
set -euo pipefail
build=${1:-build}
shell="$build/Tessera.exe"
[[ -x "$shell" ]] || { echo "build Tessera first ($shell)"; exit 1; }
command -v dash >/dev/null || { echo "dash is needed for the comparison"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
mkdir -p "$root"
"$shell" --tty --root "$root" -c "rem" >/dev/null

args=3000
straight=200000

# A GOTO loop that SHIFTs through many arguments.
printf '@echo off\r\n:loop\r\nif "%%1"=="" goto end\r\nset X=%%1\r\nshift\r\ngoto loop\r\n:end\r\n' >"$root/loop.bat"
list=$(seq -s ' ' 1 $args)
cat >"$work/loop.sh" <<'SH'
while [ -n "$1" ]; do X=$1; shift; done
SH

# A long straight file of SET and IF lines.
{
  printf '@echo off\r\n'
  for ((i = 0; i < straight / 2; i++)); do printf 'set N=%d\r\nif %%N%%==x echo never\r\n' "$i"; done
} >"$root/straight.bat"
{
  for ((i = 0; i < straight / 2; i++)); do printf 'N=%d\nif [ "$N" = x ]; then echo never; fi\n' "$i"; done
} >"$work/straight.sh"

seconds() { local s=$(date +%s.%N); "$@" >/dev/null; echo "$(date +%s.%N) - $s" | bc; }

loop_lines=$((args * 4 + 3))
t_tessera=$(seconds "$shell" --tty --root "$root" -c "call \\loop.bat $list")
t_dash=$(seconds dash "$work/loop.sh" $list)
printf 'GOTO/SHIFT loop, %d arguments (%d batch lines):\n' $args $loop_lines
printf '  Tessera %.3f s (%.0f lines/s)   dash %.3f s   ratio %.1f\n' "$t_tessera" \
  "$(echo "$loop_lines / $t_tessera" | bc -l)" "$t_dash" "$(echo "$t_tessera / $t_dash" | bc -l)"

t_tessera=$(seconds "$shell" --tty --root "$root" -c "call \\straight.bat")
t_dash=$(seconds dash "$work/straight.sh")
printf 'straight SET/IF file, %d lines:\n' $straight
printf '  Tessera %.3f s (%.0f lines/s)   dash %.3f s   ratio %.1f\n' "$t_tessera" \
  "$(echo "$straight / $t_tessera" | bc -l)" "$t_dash" "$(echo "$t_tessera / $t_dash" | bc -l)"
