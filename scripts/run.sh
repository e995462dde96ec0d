#!/usr/bin/env bash
# Sets up, builds and starts stylewright.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
exec ./build/dev/apps/stylewright/stylewright "$@"
