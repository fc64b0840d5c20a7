#!/usr/bin/env bash
# Builds the fuzz harnesses of tests/fuzz with clang and runs each of them
# for SECONDS (default 60), one after another, starting from its seeds in
# the repository and the corpus earlier runs left in the build folder.
#
#   scripts/fuzz.sh [SECONDS] [NAME...]    e.g. scripts/fuzz.sh 600 execute batch
#
# A finding stops that harness and leaves the input in
# $BUILD_DIR/findings/NAME/; the script then exits with 1 after the others
# ran. Put a fixed finding's input into tests/fuzz/seeds/NAME/ so that it
# is tried again on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build_dir=$(realpath -m "${BUILD_DIR:-build-fuzz}")
compiler=${CXX_FUZZ:-clang++}

cmake -B "$build_dir" -G Ninja -DTESSERA_FUZZ=ON -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
cmake --build "$build_dir"

if (($# > 0)); then
  names=("$@")
else
  names=()
  for source in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    names+=("$name")
  done
fi

# The scratch devices of the harnesses live in memory (see
# tests/fuzz/support/scratch_device.cpp); whatever a stopped run leaves
# there goes with this folder.
scratch=$(mktemp -d "${FUZZ_SCRATCH:-/dev/shm}/tessera-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TESSERA_FUZZ_TMPDIR=$scratch

failed=()
for name in "${names[@]}"; do
  harness="$build_dir/fuzz/fuzz_$name"
  corpus="$build_dir/corpus/$name"
  findings="$build_dir/findings/$name"
  mkdir -p "$corpus" "$findings"
  echo "== $name: $seconds s"
  # -timeout: one input that runs this long is a hang; -rss_limit_mb: one
  # that needs this much memory is a finding too.
  if ! "$harness" "$corpus" "$PWD/tests/fuzz/seeds/$name" -max_total_time="$seconds" -timeout=25 \
    -rss_limit_mb=2048 -max_len=4096 -artifact_prefix="$findings/" -print_final_stats=1 \
    >"$build_dir/fuzz-$name.log" 2>&1; then
    failed+=("$name")
    tail -n 40 "$build_dir/fuzz-$name.log"
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$build_dir/fuzz-$name.log" || true
done

if ((${#failed[@]} > 0)); then
  echo "Findings in: ${failed[*]} (inputs in $build_dir/findings/)"
  exit 1
fi
echo "No findings in ${#names[@]} harnesses."
