#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the portable core natively, then the Win32 side
# under Wine on a private virtual display. Ends with one line: "N passed, M failed, K skipped", counting
# the test cases of every test program and the tests run by scripts (the import checks, the checker's runs,
# the launch journeys, the release package).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh || exit 1

fail() { echo "$1" >&2; exit 1; }
results="$root/build/test-results"
rm -rf "$results"
mkdir -p "$results/native" "$results/wine"

echo "== Native build and core tests"
cmake --preset native >build-native-configure.log 2>&1 || { cat build-native-configure.log; fail "configure failed"; }
rm -f build-native-configure.log
cmake --build --preset native || fail "native build failed"
GTEST_OUTPUT="xml:$results/native/" ctest --preset native 2>&1 | tee build/native-tests.log
native_rc=${PIPESTATUS[0]}

echo "== Cross build (mingw-w64) and Win32 tests under Wine"
cmake --preset mingw >build/mingw-configure.log 2>&1 || { cat build/mingw-configure.log; fail "configure failed"; }
cmake --build --preset mingw || fail "mingw build failed"

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
xvfb_start build/mingw || fail "no virtual display"
wine_session_start build/mingw || fail "no Wine session"
GTEST_OUTPUT="xml:$(winepath -w "$results/wine")\\" ctest --preset mingw 2>&1 | tee build/mingw-tests.log
wine_rc=${PIPESTATUS[0]}

# Every test case from the programs' reports; a program that crashed before writing one counts as failed.
cases=$(cat "$results"/*/*.xml 2>/dev/null | grep -c '<testcase ')
failed=$(cat "$results"/*/*.xml 2>/dev/null | grep -c '<failure ')
skipped=$(cat "$results"/*/*.xml 2>/dev/null | grep -c 'result="skipped"')
scripted=$(grep -cE '(imports_only_windows_dlls|check_configs_[a-z]+|launch_journeys|release_package) .*Passed' build/mingw-tests.log)
crashed=0
[ "$native_rc" -eq 0 ] && [ "$wine_rc" -eq 0 ] || [ "$failed" -gt 0 ] || crashed=1
passed=$(( cases - failed - skipped + scripted ))
failed=$(( failed + crashed ))
echo
echo "$passed passed, $failed failed, $skipped skipped"
[ "$native_rc" -eq 0 ] && [ "$wine_rc" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
