#!/usr/bin/env bash
# Shows the editor and its live preview on a virtual X display and saves the screen with the design
# values, a busy set of options and a size that is not a number, and the preview's 代码 tab
# (build/screenshots by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target stylewright-preview-shots
out="$(realpath -m "${1:-build/screenshots}")"
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1900x1000x24" \
  ./build/dev/scripts/screenshot/stylewright-preview-shots "$out" "$PWD/apps/stylewright-preview/page/pictures"
