#!/usr/bin/env bash
# Builds the benchmarks (release) and prints one table: core operations, showing a large sheet,
# start-up, then the live preview.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
cd build/bench/bench
./bench_core
./bench_autosave
./bench_sheet_view
QT_QPA_PLATFORM=offscreen ./bench_search
./bench_startup "${1:-25}" ${2:-} # a second argument: an earlier build's bench_start_editor, or its ratio, to stay within 5% of
if [ -x ./bench_preview_latency ]; then # built when Qt WebEngine is there; the engine's notes go to standard error
  QT_QPA_PLATFORM=offscreen ./bench_preview_latency 2>/dev/null
  QT_QPA_PLATFORM=offscreen ./bench_looks 2>/dev/null
fi
if [ -x ./bench_pointing ]; then
  QT_QPA_PLATFORM=offscreen ./bench_pointing 2>/dev/null
fi
