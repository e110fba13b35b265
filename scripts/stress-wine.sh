#!/usr/bin/env bash
# Runs the Win32 side of the test suite under Wine N times in a row on a loaded machine, to see how robust
# it is: the tests of the existing x64 and x86 builds (mingw and mingw32, brought up to date first), as
# scripts/test.sh runs them, each run on its own virtual display with a fresh Wine session for each
# build, while two busy loops keep both processors
# at 100 %. Prints each run's result (the failed tests' names and the log) and finally "K of N runs passed";
# exit status 0 when all passed.
#
#   scripts/stress-wine.sh N
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1

fail() { echo "$1" >&2; exit 1; }
runs=${1:-}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "usage: scripts/stress-wine.sh N   (N runs, N >= 1)" >&2; exit 2; }
presets=(mingw mingw32)
for preset in "${presets[@]}"; do
    [ -f "build/$preset/CTestTestfile.cmake" ] || fail "no $preset build in build/$preset: run scripts/test.sh first"
    cmake --build --preset "$preset" >"build/stress-build.log" 2>&1 ||
        fail "the $preset build failed (build/stress-build.log)"
done

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
# The busy loops, a run's ctest with the tests it started and the Wine session are stopped on every way
# out, by their process ids (ctest by its process group's). ctest runs in the background, in a process
# group of its own, so that a signal is handled at once, not after the run.
busy=()
tests=
stop_all() {
    [ -z "$tests" ] || kill -- "-$tests" 2>/dev/null
    local started
    for started in $tests "${busy[@]}"; do
        kill "$started" 2>/dev/null
        wait "$started" 2>/dev/null
    done
    busy=()
    tests=
    wine_session_stop
}
trap stop_all EXIT
trap 'exit 1' HUP INT TERM

logs=$root/build/stress
rm -rf "$logs"
mkdir -p "$logs"
for _ in 1 2; do
    (while :; do :; done) &
    busy+=($!)
done

passed=0
for run in $(seq "$runs"); do
    log=$logs/run-$run.log
    started=$(date +%s)
    status=0
    if xvfb_start build >"$log" 2>&1; then
        for preset in "${presets[@]}"; do
            if wine_session_start "build/$preset" >>"$log" 2>&1; then
                setsid ctest --preset "$preset" --output-on-failure >>"$log" 2>&1 &
                tests=$!
                wait "$tests" || status=1
                tests=
            else
                echo "no Wine session for $preset" >>"$log"
                status=1
            fi
            wine_server_stop
        done
    else
        echo "no virtual display" >>"$log"
        status=1
    fi
    wine_session_stop
    seconds=$(($(date +%s) - started))
    if [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
        echo "run $run of $runs: passed ($seconds s)"
    else
        failed=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) ([A-Za-z ]*)$/\1/p' "$log" | paste -sd ' ' -)
        echo "run $run of $runs: FAILED ($seconds s): ${failed:-see the log} (build/stress/run-$run.log)"
    fi
done
echo "$passed of $runs runs passed"
[ "$passed" -eq "$runs" ]
