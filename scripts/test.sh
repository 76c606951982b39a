#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds, and runs the tests in the
# normal build, then the engine and command library under ThreadSanitizer and under
# AddressSanitizer with UBSan.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

status=0
run_suite() {
  local name="$1"; shift
  echo "=== $name"
  bash scripts/build.sh "build/$name" "$@"
  (cd "build/$name" && ctest --output-on-failure --timeout 600 -j 2) || status=1
}

run_suite release
run_suite tsan -DTPC_SANITIZE=thread -DTPC_WITH_QT=OFF
run_suite asan -DTPC_SANITIZE=address -DTPC_WITH_QT=OFF
exit $status
