#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format
# makes of it (the committed .clang-format decides). With --fix, formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
  "$format" -i "${files[@]}"
  exit 0
fi
if ! report=$("$format" --dry-run --Werror "${files[@]}" 2>&1); then
  echo "These files are not formatted (scripts/check-format.sh --fix formats them):"
  grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u | sed 's/^/  /'
  exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
