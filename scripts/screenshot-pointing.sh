#!/usr/bin/env bash
# The editor and its live preview with 指向编辑 on, on a virtual X display: the navigation bar
# pointed at and clicked, 背景颜色 focused, and the 检查 tab (build/screenshots by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target stylewright-pointing-shots
out="$(realpath -m "${1:-build/screenshots}")"
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1900x1000x24" ./build/dev/scripts/screenshot/stylewright-pointing-shots "$out"
