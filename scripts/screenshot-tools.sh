#!/usr/bin/env bash
# Photographs the colour picker (sampling, and asking the desktop), the fetcher (12- and 24-pixel
# corners, busy, about window), the tool window, the contact window and a few message boxes under
# Xvfb. Pictures go to the folder given, or build/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci --target screenshot_windows
out="$(realpath -m "${1:-build/screenshots}")"
mkdir -p "$out"
# A black root window (-br) makes the rounded corners stand out; there is no window manager, so
# windows show without system frames.
xvfb-run -a -s "-screen 0 1024x768x24 -br" env QT_QPA_PLATFORM=xcb \
  ./build/ci/tests/tools/screenshot_windows "$out"
ls -1 "$out"/*.png
