#!/usr/bin/env bash
# Builds Dittaro in Release and runs every benchmark under bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDITTARO_BUILD_TESTS=OFF \
  -DDITTARO_BUILD_BENCH=ON >/dev/null
cmake --build build-release --parallel "$(nproc)"

for bench in build-release/bench/*_bench; do
  echo "== $(basename "$bench")"
  "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done
