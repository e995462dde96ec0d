#!/usr/bin/env bash
# Builds the benchmarks (release) and prints one table: core operations, showing a large sheet,
# then start-up.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
cd build/bench/bench
./bench_core
./bench_autosave
./bench_sheet_view
./bench_startup "${1:-25}"
