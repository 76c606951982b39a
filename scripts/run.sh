#!/usr/bin/env bash
# Runs the console: installs what is missing, builds, then starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
# Only what running needs; the tests' packages come with scripts/test.sh. The build of
# its own leaves the tests out, so nothing here needs them.
bash scripts/deps-run.sh
bin=build/run
bash scripts/build.sh "$bin" -DTPC_WITH_TESTS=OFF -DTPC_WITH_BENCH=OFF
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
# A virtual printer on a pseudo-terminal, so that there is always a printer to talk to;
# its receipts go to receipts/ as pictures. Real serial ports are listed as well.
vlink="${TMPDIR:-/tmp}/talvane-vprinter-$$"
"$bin/emulator/vprinter" --link "$vlink" --out receipts --quiet </dev/null >/dev/null &
vpid=$!
trap 'kill "$vpid" 2>/dev/null; wait "$vpid" 2>/dev/null' EXIT
for _ in $(seq 50); do [ -L "$vlink" ] && break; sleep 0.1; done
echo "Virtual printer on $vlink (receipts in receipts/)"
"$bin/console/talvane" --port "$vlink" "$@"
