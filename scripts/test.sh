#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the portable core natively, then the Win32 side of
# the x64 and the x86 build under Wine on a private virtual display. Ends with one line: "N passed,
# M failed, K skipped", counting the test cases of every test program and every other test ctest runs
# (the scripts: the import checks, the checker's runs, the launch journeys, the release package, the
# link fixture, the Windows XP prefix) in all three runs.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh || exit 1

fail() { echo "$1" >&2; exit 1; }
results="$root/build/test-results"
rm -rf "$results"
mkdir -p "$results/native"

echo "== Native build and core tests"
cmake --preset native >build-native-configure.log 2>&1 || { cat build-native-configure.log; fail "configure failed"; }
rm -f build-native-configure.log
cmake --build --preset native || fail "native build failed"
GTEST_OUTPUT="xml:$results/native/" ctest --preset native --output-junit "$results/native.junit.xml" 2>&1 |
    tee build/native-tests.log
native_rc=${PIPESTATUS[0]}

# The Win32 side of each build under Wine: the x64 build (preset mingw) and the x86 build (mingw32), each
# in its own build folder with its own prefix there (both 64-bit prefixes, where the x86 programs run as
# 32-bit programs on 64-bit Windows do; the x86 journeys run once more in a 32-bit Windows XP prefix of
# their own). Separate prefixes keep the runs apart: what one suite leaves in its prefix (registry
# entries, files in drive C, a server that hangs) cannot change the other's results, and each build's
# tests run alone exactly as in this script. One virtual display serves both runs.
# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
xvfb_start build || fail "no virtual display"
wine_rc=0
for preset in mingw mingw32; do
    echo "== Cross build ($preset) and its Win32 tests under Wine"
    cmake --preset "$preset" >"build/$preset-configure.log" 2>&1 ||
        { cat "build/$preset-configure.log"; fail "configure failed"; }
    cmake --build --preset "$preset" || fail "$preset build failed"
    wine_session_start "build/$preset" || fail "no Wine session for $preset"
    mkdir -p "$results/$preset"
    wine_results=$(winepath -w "$results/$preset" 2>/dev/null) && [ -n "$wine_results" ] ||
        fail "winepath gave no Windows path for $results/$preset"
    GTEST_OUTPUT="xml:$wine_results\\" ctest --preset "$preset" --output-junit "$results/$preset.junit.xml" 2>&1 |
        tee "build/$preset-tests.log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || wine_rc=1
    wine_server_stop
done

# Every ctest entry of the three runs (<run>.junit.xml). A test program's entry, named as the program, counts
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
