#!/usr/bin/env bash
# Sets up, builds and starts stylewright. Only the programs are built (the tests come with
# scripts/test.sh or `cmake --build --preset dev`, in their own time).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset programs
exec ./build/dev/apps/stylewright/stylewright "$@"
