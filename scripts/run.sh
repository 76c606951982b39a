#!/usr/bin/env bash
# Runs the console: installs what is missing, builds, then starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/deps.sh
bash scripts/build.sh build/release
bin=build/release
if [ ! -x "$bin/console/talvane" ]; then
  echo "The console window is not built yet; listing the serial ports the engine sees:"
  exec "$bin/tools/list-ports" "$@"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found (DISPLAY is not set). Run the console under a virtual display:"
  echo "  xvfb-run -a scripts/run.sh"
  echo "or render its window to a picture: $bin/console/talvane --screenshot window.png"
  exit 1
fi
exec "$bin/console/talvane" "$@"
