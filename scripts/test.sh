#!/usr/bin/env bash
# The whole test suite: installs what is missing, then builds and runs every test
#   1. in the normal build (build/release),
#   2. under ThreadSanitizer (build/tsan),
#   3. under AddressSanitizer with UBSan (build/asan),
#   4. the libFuzzer targets with clang (build/fuzz): each replays its seed corpus and
#      fuzzes briefly.
# The sanitizer builds hold everything, Qt included, but no benchmarks. A suite that
# does not build counts as one failed test. The last line sums up all suites; the exit
# status is non-zero when anything failed.
# No test may touch the machine: the kind of a few device nodes is taken before the
# suites and compared after them; a node that changed (say /dev/null turned into a
# regular file) counts as one failed test and is named.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/deps.sh || exit 1

export QT_QPA_PLATFORM=offscreen
# One compiler cache for every tree of this machine (the sanitizer builds, a fresh
# clone, a work tree): paths below the clone's root are cached as relative ones, so a
# clone elsewhere hits what an earlier one compiled.
export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-30G}"
sanitizers="$root/scripts/sanitizers"
# A report fails the test that caused it. The suppression files hold only what is
# inside Qt or system libraries (see the comments there).
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$sanitizers/tsan.supp"
export ASAN_OPTIONS="detect_leaks=1 abort_on_error=0 strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$sanitizers/lsan.supp print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"

jobs="$(nproc)"
total_passed=0
total_failed=0
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT

# count LOG: adds the counts of ctest's summary line in LOG to the totals.
count() {
  local line passed failed all
  line="$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)"
  if [[ -z "$line" ]]; then
    total_failed=$((total_failed + 1))
    return
  fi
  failed="$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")"
  all="$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")"
  passed=$((all - failed))
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
}

# The nodes watched, and their kind and device numbers ("character special file 1:3").
watched_nodes=(/dev/null /dev/zero /dev/tty)
node_kinds() {
  local node
  for node in "${watched_nodes[@]}"; do
    printf '%s %s\n' "$node" "$(stat -c '%F %t:%T' "$node" 2>&1)"
  done
}
nodes_before="$(node_kinds)"

# suite NAME CTEST_ARGS -- CMAKE_ARGS...: configures and builds build/NAME, then runs
# its tests.
suite() {
  local name="$1" dir="build/$1" ctest_args="$2"; shift 2
  local started=$SECONDS
  echo "=== $name: build"
  if ! cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$logs/$name.configure" 2>&1; then
    cat "$logs/$name.configure"
    echo "=== $name: does not configure"
    total_failed=$((total_failed + 1))
    return
  fi
  if ! cmake --build "$dir" -j "$jobs" ${BUILD_TARGET:+--target "$BUILD_TARGET"} >"$logs/$name.build" 2>&1; then
    grep -E -B2 -A12 'FAILED|error:' "$logs/$name.build" | head -150
    echo "=== $name: does not build"
    total_failed=$((total_failed + 1))
    return
  fi
  echo "=== $name: test (built in $((SECONDS - started)) s)"
  # shellcheck disable=SC2086
  (cd "$dir" && ctest --output-on-failure --timeout 900 -j "$jobs" $ctest_args) 2>&1 | tee "$logs/$name.test"
  count "$logs/$name.test"
  echo "=== $name: done in $((SECONDS - started)) s"
}

suite release ""
suite tsan "" -DTPC_SANITIZE=thread -DTPC_WITH_BENCH=OFF
suite asan "" -DTPC_SANITIZE=address -DTPC_WITH_BENCH=OFF
BUILD_TARGET=fuzz_targets suite fuzz "-R _fuzz_corpus\$" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTPC_WITH_FUZZ=ON \
  -DTPC_WITH_QT=OFF -DTPC_WITH_BENCH=OFF

nodes_after="$(node_kinds)"
if [[ "$nodes_after" != "$nodes_before" ]]; then
  echo "=== a device node changed during the run (a test wrote to the machine):"
  diff <(echo "$nodes_before") <(echo "$nodes_after") | sed -n 's/^[<>] //p' |
    awk '{print ($1 in seen ? "  now:    " : "  before: ") $0; seen[$1]=1}'
  total_failed=$((total_failed + 1))
fi

echo "$total_passed passed, $total_failed failed"
[[ $total_failed -eq 0 ]]
