#!/usr/bin/env bash
# The normal build's tests as an ordinary user runs them: a copy of build/release
# owned by `nobody`, its tests run by ctest under setpriv. Needs root (to become
# nobody) and a built build/release (scripts/test.sh builds it). The cases that play
# an ordinary user themselves need root for that and skip here with their reason.
# Arguments go to ctest (say -R CliPeer).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/release"
if [[ "$(id -u)" -ne 0 ]]; then
  echo "test-as-user.sh: run it as root; it becomes the user nobody" >&2
  exit 2
fi
if [[ ! -f "$build/CTestTestfile.cmake" ]]; then
  echo "test-as-user.sh: $build is not built (scripts/test.sh builds it)" >&2
  exit 2
fi
work="$(mktemp -d /tmp/talvane-as-user-XXXXXX)"
trap 'rm -rf "$work"' EXIT
cp -a "$build" "$work/release"
# ctest's own files name the build folder; they name the copy now. The programs the
# tests start are found where they were built, which nobody may read and run.
find "$work/release" -name '*.cmake' -not -path '*/CMakeFiles/*' \
  -exec sed -i "s#$build#$work/release#g" {} +
mkdir -p "$work/home"
chmod 755 "$work"
chown -R nobody:nogroup "$work/release" "$work/home"
cd "$work/release"
setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
  XDG_STATE_HOME="$work/home/.local/state" QT_QPA_PLATFORM=offscreen \
  ctest --output-on-failure --timeout 900 -j "$(nproc)" "$@"
