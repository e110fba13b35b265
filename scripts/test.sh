#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the portable core natively, then the Win32 side
# under Wine on a private virtual display. Ends with one line: "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh || exit 1

fail() { echo "$1" >&2; exit 1; }
summary() {  # prints "passed failed" from a ctest log
    sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -n1 |
        awk '{print $2 - $1, $1}'
}

echo "== Native build and core tests"
cmake --preset native >build-native-configure.log 2>&1 || { cat build-native-configure.log; fail "configure failed"; }
rm -f build-native-configure.log
cmake --build --preset native || fail "native build failed"
mkdir -p build
ctest --preset native 2>&1 | tee build/native-tests.log
native_rc=${PIPESTATUS[0]}

echo "== Cross build (mingw-w64) and Win32 tests under Wine"
cmake --preset mingw >build/mingw-configure.log 2>&1 || { cat build/mingw-configure.log; fail "configure failed"; }
cmake --build --preset mingw || fail "mingw build failed"

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
xvfb_start build/mingw || fail "no virtual display"
wine_session_start build/mingw || fail "no Wine session"
ctest --preset mingw 2>&1 | tee build/mingw-tests.log
wine_rc=${PIPESTATUS[0]}

read -r np nf < <(summary build/native-tests.log)
read -r wp wf < <(summary build/mingw-tests.log)
# ctest counts a skipped test among the passed ones; count it apart.
skipped=$(cat build/native-tests.log build/mingw-tests.log | grep -c '^[[:space:]]*[0-9]* - .*(Skipped)$')
passed=$(( ${np:-0} + ${wp:-0} - skipped ))
failed=$(( ${nf:-0} + ${wf:-0} ))
echo
echo "native: ${np:-0} run, ${nf:-0} failed; wine: ${wp:-0} run, ${wf:-0} failed"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$native_rc" -eq 0 ] && [ "$wine_rc" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
