#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs; does nothing when they are all present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libicu-dev # pinyin for the option search (ICU's transliterator; Qt already loads ICU)
  fonts-wqy-microhei xdg-utils qt6-translations-l10n
  desktop-file-utils appstream dpkg-dev file
  xvfb xauth
  qt6-webengine-dev libqt6webenginecore6-bin # the live preview program (its engine's helper process is the -bin)
  dbus-daemon
)
# Extra packages a caller asks for (e.g. the sanitizer or fuzzing toolchain).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
