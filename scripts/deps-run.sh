#!/usr/bin/env bash
# Installs, with apt-get, what building and running the console still lack on a
# Debian 12 machine; nothing the tests alone need (scripts/deps-test.sh). Does nothing
# when everything is there.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev fonts-wqy-microhei
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libzint-dev libfreetype-dev libfontconfig-dev
)
bash "$here/apt-install.sh" "${packages[@]}"
