#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests or the console still lack
# on a Debian 12 machine. Does nothing when everything is there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev
  qt6-base-dev libgl-dev fonts-wqy-microhei
  libzint-dev libzxing-dev libfreetype-dev libfontconfig-dev
  libicu-dev
  clang libclang-rt-14-dev
  imagemagick xvfb xauth
  dpkg-dev file desktop-file-utils lintian man-db
  socat  # test-only: the baseline of bench/tap
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
# Test-only: receipts made by a public ESC/POS encoder from npm, for the virtual
# printer's tests (tests/emulator/receipts, versions pinned by its lock file).
receipts="$(cd "$(dirname "$0")/.." && pwd)/tests/emulator/receipts"
if ! command -v npm >/dev/null; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends nodejs npm
fi
if [ ! -d "$receipts/node_modules/@point-of-sale/receipt-printer-encoder" ]; then
  echo "Installing the test receipts' npm packages"
  (cd "$receipts" && npm ci --no-audit --no-fund)
fi
