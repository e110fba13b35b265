#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each one for the given number of seconds, one after another, starting from the committed corpus in
# fuzz/corpus/<target>. New inputs go to build/fuzz/corpus/<target>, crashes to build/fuzz/crashes/<target>
# and each run's output to build/fuzz/<target>.log. Exits non-zero when any target found a fault.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (default: 30 seconds, every target)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(config_read)

cmake --preset fuzz >build-fuzz-configure.log 2>&1 || { cat build-fuzz-configure.log; exit 1; }
rm -f build-fuzz-configure.log
cmake --build --preset fuzz >/dev/null || { echo "fuzz build failed" >&2; exit 1; }

status=0
for target in "${targets[@]}"; do
    exe=build/fuzz/fuzz/fuzz_$target
    [ -x "$exe" ] || { echo "no fuzz target $target" >&2; status=1; continue; }
    work=build/fuzz/corpus/$target
    crashes=build/fuzz/crashes/$target
    mkdir -p "$work" "$crashes"
    log=build/fuzz/$target.log
    # Longer inputs for the text reader, so that long lines and many lines are tried.
    max_len=4096
    [ "$target" = config_read ] && max_len=16384
    "$exe" "$work" "fuzz/corpus/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" >"$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n1)
    if [ "$rc" -eq 0 ]; then
        printf '%-12s clean   %8s runs in %ss, %s\n' "$target" "${runs:-?}" "$seconds" "$cov"
    else
        printf '%-12s FAILED  exit %s, see %s and %s\n' "$target" "$rc" "$log" "$crashes"
        status=1
    fi
done
exit $status
