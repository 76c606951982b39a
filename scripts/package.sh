#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, builds build/release, and
# makes build/release/packages/talvane_<version>_<arch>.deb with CPack.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/deps.sh
bash scripts/build.sh build/release
(cd build/release && cpack --config CPackConfig.cmake >/dev/null)
ls -1 "$root"/build/release/packages/talvane_*.deb
