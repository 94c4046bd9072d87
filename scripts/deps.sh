#!/usr/bin/env bash
# Installs the Debian 12 packages ミヌカ needs to build, run and test,
# asking apt only for those that are missing.
set -euo pipefail
packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6sql6-sqlite libgl-dev
  postgresql libqt6sql6-psql
  gstreamer1.0-plugins-base
  fonts-motoya-l-maruberi fonts-noto-cjk
  xvfb xauth imagemagick
  desktop-file-utils appstream dpkg-dev file
  poppler-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
