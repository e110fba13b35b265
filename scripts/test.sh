#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the portable core natively, then the Win32 side
# under Wine on a private virtual display. Ends with one line: "N passed, M failed, K skipped", counting
# the test cases of every test program and every other test ctest runs (the scripts: the import checks,
# the checker's runs, the launch journeys, the release package, the link fixture).
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
GTEST_OUTPUT="xml:$results/native/" ctest --preset native --output-junit "$results/native.junit.xml" 2>&1 |
    tee build/native-tests.log
native_rc=${PIPESTATUS[0]}

echo "== Cross build (mingw-w64) and Win32 tests under Wine"
cmake --preset mingw >build/mingw-configure.log 2>&1 || { cat build/mingw-configure.log; fail "configure failed"; }
cmake --build --preset mingw || fail "mingw build failed"

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
xvfb_start build/mingw || fail "no virtual display"
wine_session_start build/mingw || fail "no Wine session"
wine_results=$(winepath -w "$results/wine" 2>/dev/null) && [ -n "$wine_results" ] ||
    fail "winepath gave no Windows path for $results/wine"
GTEST_OUTPUT="xml:$wine_results\\" ctest --preset mingw --output-junit "$results/wine.junit.xml" 2>&1 |
    tee build/mingw-tests.log
wine_rc=${PIPESTATUS[0]}

# Every ctest entry of both runs (<run>.junit.xml). A test program's entry, named as the program, counts
# the test cases of its report (<run>/<entry>.xml): a failed case once however many of its assertions fail,
# a disabled or skipped case as skipped. Any other entry (a script) counts as one test, as ctest judged it;
# so does a program that wrote no report (it crashed first). A program ctest saw fail although its report
# shows no failed case (it crashed afterwards) adds one failure.
read -r passed failed skipped < <(awk '
    function attr(line, key) {
        if (!match(line, " " key "=\"[^\"]*\"")) return ""
        return substr(line, RSTART + length(key) + 3, RLENGTH - length(key) - 4)
    }
    function count(   report, line, tests, fails, skips) {
        if (name == "") return
        report = reports name ".xml"
        while ((getline line <report) > 0) {
            if (line ~ /^ *<testsuite /) {
                tests += attr(line, "tests"); fails += attr(line, "failures")
                skips += attr(line, "disabled") + attr(line, "skipped")
            }
        }
        close(report)
        if (tests == 0) { tests = 1; fails = verdict == "fail"; skips = verdict == "skip" }
        else if (verdict == "fail" && fails == 0) { tests++; fails = 1 }
        passed += tests - fails - skips; failed += fails; skipped += skips
        name = ""
    }
    /<testcase / {
        count()
        name = attr($0, "name"); reports = FILENAME; sub(/\.junit\.xml$/, "/", reports)
        verdict = attr($0, "status") == "run" ? "pass" : attr($0, "status") == "disabled" ? "skip" : "fail"
    }
    /<skipped message="SKIP_/ { verdict = "skip" }  # a skip return code; other entries not run failed
    END { count(); print passed + 0, failed + 0, skipped + 0 }
' "$results"/*.junit.xml)
passed=${passed:-0} failed=${failed:-0} skipped=${skipped:-0}
# A ctest run that failed with nothing counted as failed (it reported no entries) counts as one failure.
[ "$native_rc" -eq 0 ] && [ "$wine_rc" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1
echo
echo "$passed passed, $failed failed, $skipped skipped"
[ "$native_rc" -eq 0 ] && [ "$wine_rc" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
