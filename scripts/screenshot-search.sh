#!/usr/bin/env bash
# Builds stylewright and photographs its option search under a virtual X display: the window as it
# opens, "dh ztys" and where Enter lands, "背景图片" with its greyed rows, a greyed row chosen, no
# match, and a dark palette. PNGs go to the folder given, build/screenshots by default; set
# QT_SCALE_FACTOR=2 for the doubled size (the virtual screen is made large enough).
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target stylewright-search-shots
mkdir -p "$out"
screen="1280x900x24"
[ "${QT_SCALE_FACTOR:-1}" = 2 ] && screen="2560x1800x24"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $screen" ./build/dev/scripts/screenshot/stylewright-search-shots "$out"
