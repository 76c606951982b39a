#!/usr/bin/env bash
# Installs what only the tests, the sanitizer and fuzz builds and the package check
# need, on top of scripts/deps-run.sh: test frameworks, decoders the tests read
# receipts back with, clang, Xvfb, the packaging tools, Node.js and the test
# receipts' npm packages.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
packages=(
  libgtest-dev libzxing-dev libicu-dev
  clang libclang-rt-14-dev
  imagemagick xvfb xauth
  dpkg-dev file desktop-file-utils lintian man-db
  jq
  socat
  ccache
)
bash "$here/apt-install.sh" "${packages[@]}"
# Node.js from Debian unless an npm is there already (from elsewhere).
command -v npm >/dev/null || bash "$here/apt-install.sh" nodejs npm
# Receipts made by a public ESC/POS encoder from npm, for the virtual printer's tests
# (tests/emulator/receipts, versions pinned by its lock file).
receipts="$(cd "$here/.." && pwd)/tests/emulator/receipts"
if [ ! -d "$receipts/node_modules/@point-of-sale/receipt-printer-encoder" ]; then
  echo "Installing the test receipts' npm packages"
  (cd "$receipts" && npm ci --no-audit --no-fund)
fi
