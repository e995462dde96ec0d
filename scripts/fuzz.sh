#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (seconds, default 60) from the
# seed corpus in fuzz/corpus. New inputs go to build/fuzz/corpus, never into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Settings saves sync to disk; a memory-backed folder keeps the fuzzer fast.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
for dir in fuzz/corpus/*/; do
  target="$(basename "$dir")"
  work="build/fuzz/corpus/$target"
  mkdir -p "$work" build/fuzz/crashes
  echo "== fuzz_$target for ${seconds}s"
  "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=65536 \
    -artifact_prefix="build/fuzz/crashes/$target-" -print_final_stats=1 "$work" "$dir" 2>&1 | tail -n 12
done
