#!/usr/bin/env bash
# Builds stylewright and photographs its 外观库 under a virtual X display: the gallery with its
# pictures, a look in use with the live preview, the editor after Ctrl+Z, and the gallery after a
# restart showing the look the first run saved. PNGs go to the folder given (build/screenshots by
# default); the small copies the README shows go to docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target stylewright-looks-shots
mkdir -p "$out" docs
data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
shots=./build/dev/scripts/screenshot/stylewright-looks-shots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1900x1000x24" "$shots" "$out" docs "$data"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1900x1000x24" "$shots" "$out" docs "$data"
