#!/usr/bin/env bash
# scripts/run.sh on a machine that has nothing installed: what it would install must be
# what running needs, with none of the packages only the tests need (Node.js, npm,
# GTest, ICU, lintian...), and its build must leave the tests out. apt-get, dpkg-query,
# sudo, npm and cmake are stand-ins on PATH that only write down how they were called,
# so nothing is installed or built.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir "$work/bin"
for tool in apt-get npm cmake; do
  printf '#!/bin/sh\necho "$*" >>"%s/%s.calls"\n' "$work" "$tool" >"$work/bin/$tool"
done
# cmake stops the script once the install step is over: run.sh must not get further.
echo 'exit 1' >>"$work/bin/cmake"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

# installs CALLS: the packages of the "install" lines in an apt-get calls file.
installs() { grep -h '^install' "$@" 2>/dev/null | tr ' ' '\n' | grep -v -e '^-' -e '^install$' | sort -u; }

PATH="$work/bin:$PATH" bash "$root/scripts/run.sh" >"$work/run.out" 2>&1
installs "$work/apt-get.calls" >"$work/run.list"
mv "$work/apt-get.calls" "$work/run.calls" 2>/dev/null
[ -s "$work/run.list" ] || fail "run.sh installs nothing on an empty machine"
grep -qx qt6-base-dev "$work/run.list" || fail "run.sh does not install Qt"
[ -e "$work/npm.calls" ] && fail "run.sh runs npm: $(cat "$work/npm.calls")"
grep -q -- '-DTPC_WITH_TESTS=OFF' "$work/cmake.calls" || fail "run.sh builds the tests: $(cat "$work/cmake.calls")"

# The test script installs the rest: both lists, and the test-only one holds the
# packages that made running slow to set up.
PATH="$work/bin:$PATH" bash "$root/scripts/deps-test.sh" >"$work/test.out" 2>&1
installs "$work/apt-get.calls" >"$work/test.list"
for p in libgtest-dev libicu-dev lintian; do
  grep -qx "$p" "$work/test.list" || fail "deps-test.sh does not install $p"
done
# Node.js is installed only when no npm is there (the stand-in npm is).
grep -q 'apt-install.sh" nodejs npm' "$root/scripts/deps-test.sh" || fail "deps-test.sh does not install Node.js"
both="$(comm -12 "$work/run.list" "$work/test.list")"
[ -z "$both" ] || fail "run.sh installs test-only packages: $both"
grep -q 'deps-test.sh' "$root/scripts/test.sh" "$root/scripts/deps.sh" || fail "test.sh does not install the tests' packages"

echo "run.sh installs: $(tr '\n' ' ' <"$work/run.list")"
[ "$failures" -eq 0 ] && echo "PASS" || exit 1
