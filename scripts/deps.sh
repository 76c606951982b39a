#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests or the console still lack
# on a Debian 12 machine. Does nothing when everything is there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev
  qt6-base-dev libgl-dev fonts-wqy-microhei
  libzint-dev libzxing-dev
  clang libclang-rt-14-dev
  imagemagick xvfb xauth
  dpkg-dev file desktop-file-utils lintian man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
