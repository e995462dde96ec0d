#!/usr/bin/env bash
# Builds stylewright, shows its window on a virtual X display and saves a PNG of every tab
# (as it starts, and with every check box ticked) into the folder given, build/screenshots by default.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target stylewright-shots
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" ./build/dev/scripts/screenshot/stylewright-shots "$out"
