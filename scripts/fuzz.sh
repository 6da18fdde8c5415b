#!/usr/bin/env bash
# Longer fuzz runs: scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Builds the fuzz targets with clang in build/fuzz and runs each one from the seed corpus in
# tests/fuzz-corpus; what it learns stays in build/fuzz/long/<target> for the next run. A crash
# leaves its input as build/fuzz/long/<target>/crash-*; add it to the seed corpus once mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(numtext normterm pruefterm evaluator solvers)

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz -j2

failed=()
for t in "${targets[@]}"; do
  work=build/fuzz/long/$t
  mkdir -p "$work/corpus"
  echo "== fuzz_$t for ${seconds}s"
  build/fuzz/fuzz_"$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "tests/fuzz-corpus/$t" ||
    failed+=("$t")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets that failed: ${failed[*]}" >&2
  exit 1
fi
