#!/usr/bin/env bash
# Installs everything the build, the tests and the package need (scripts/test.sh,
# scripts/package.sh): what running needs, then what the tests need.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/deps-run.sh"
bash "$here/deps-test.sh"
