#!/usr/bin/env bash
# Starts the console again and again and counts the starts that crashed: offscreen and
# under a virtual X server (Xvfb), each way twice: rendering the window to a picture
# (--screenshot) and a full start that is quit with SIGTERM once its event log says it
# started. A run crashed when a signal other than the quit's ended it, or when it left
# a crash report; any other failure is counted apart. What each such run said is kept.
# Not part of the test suite.
#
# Usage: scripts/start-check.sh [BUILD_FOLDER] [RUNS]   (build/release, 200 runs a way)
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
runs="${2:-200}"
talvane="$build/console/talvane"
[ -x "$talvane" ] || { echo "start-check: no $talvane (build the talvane target)" >&2; exit 2; }
# How long a full start may take to reach its event log on a loaded machine.
start_wait_tenths=300
quit_wait_tenths=100
sigterm_exit=$((128 + 15))

results="$(mktemp -d /tmp/talvane-start-check-XXXXXX)"
ulimit -c 0

# One start; prints "ok" or "crash <why>", keeping the crashed run's words.
one_run() {
    local way="$1" display="$2" n="$3"
    local home; home="$(mktemp -d "$results/run-XXXXXX")"
    local -a env=(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY
                  XDG_STATE_HOME="$home/state" XDG_CONFIG_HOME="$home/config" HOME="$home")
    if [ "$display" = offscreen ]; then
        env+=(QT_QPA_PLATFORM=offscreen)
    else
        env+=(DISPLAY="$display")
    fi
    local rc
    if [ "$way" = screenshot ]; then
        "${env[@]}" "$talvane" --screenshot "$home/window.png" >"$home/out" 2>"$home/err"
        rc=$?
        [ $rc -eq 0 ] && [ ! -s "$home/window.png" ] && rc=-1
    else
        "${env[@]}" "$talvane" >"$home/out" 2>"$home/err" &
        local pid=$! waited=0
        until grep -qs started "$home"/state/talvane/*.log || ! kill -0 "$pid" 2>/dev/null ||
              [ $waited -ge $start_wait_tenths ]; do
            sleep 0.1; waited=$((waited + 1))
        done
        kill -TERM "$pid" 2>/dev/null
        waited=0
        while kill -0 "$pid" 2>/dev/null && [ $waited -lt $quit_wait_tenths ]; do
            sleep 0.1; waited=$((waited + 1))
        done
        kill -KILL "$pid" 2>/dev/null
        wait "$pid"; rc=$?
        [ $rc -eq $sigterm_exit ] && rc=0
    fi
    # A signal ended it (exit above 128) or it wrote a crash report: a crash. Any other
    # failure (no picture, exit 1) is counted apart.
    local verdict=ok
    if [ $rc -gt 128 ] || grep -qs "crashed:" "$home/err"; then
        verdict=crash
    elif [ $rc -ne 0 ]; then
        verdict=failed
    fi
    if [ $verdict = ok ]; then
        rm -rf "$home"
        echo ok
    else
        local kept="$results/$verdict-$way-${display//[:\/]/}-$n"
        mv "$home" "$kept"
        echo "$verdict exit $rc ($kept)"
    fi
}

batch() {
    local display="$1" crashes failures way i verdict
    for way in screenshot window; do
        crashes=0 failures=0
        for ((i = 1; i <= runs; i++)); do
            verdict="$(one_run "$way" "$display" "$i")"
            case "$verdict" in
                ok) ;;
                crash*) crashes=$((crashes + 1)); echo "  $display $way run $i: $verdict" ;;
                *) failures=$((failures + 1)); [ $failures -le 3 ] && echo "  $display $way run $i: $verdict" ;;
            esac
        done
        echo "$display, $way: $runs starts, $crashes crashed, $failures failed otherwise"
    done
}

batch offscreen

if command -v Xvfb >/dev/null; then
    fdfile="$results/display"
    Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$fdfile" 2>"$results/xvfb.err" &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
    if [ -s "$fdfile" ]; then
        batch ":$(head -n1 "$fdfile")"
    else
        echo "start-check: Xvfb did not start (see $results/xvfb.err)" >&2
    fi
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
else
    echo "start-check: no Xvfb; only the offscreen starts were made" >&2
fi
echo "runs that crashed or failed, kept: $results"
