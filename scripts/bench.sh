#!/usr/bin/env bash
# Builds and runs every benchmark and prints one table:
#   - natively (preset "bench", Google Benchmark): QuickSortStrings against std::sort;
#   - cross-built and run under Wine: the start-up list fill, DeleteFolderTree and the peak working set,
#     each against plain Win32 calls doing the same job in the same run; and the whole launcher from its
#     start to its window shown with the list filled (on a virtual display), against the floor: a bare
#     window with a plain combo box of the same titles (bench/floor_window.cpp), without a manifest and
#     with the launcher's; then the same starts in stages; and the game-file checker against the list
#     fill on the same folder.
#
#   scripts/bench.sh            full sizes (100 to 100,000 configs; about an hour the first time, since
#                               Wine creates files slowly in big folders; the test files are kept)
#   scripts/bench.sh --quick    tiny sizes, a few seconds: proves that the benchmarks still run
#   scripts/bench.sh --start    only the start to the filled window and its stages, at 100 and 1,000
#                               configs (a few minutes the first time)
#   scripts/bench.sh --x86      any of the above for the 32-bit build (preset mingw32) under 32-bit Wine,
#                               without the native sort (the same code on the same machine)
#
# The cross build goes to $VEXAR_BENCH_MINGW_DIR (default build/perf-mingw, with --x86 build/perf-mingw32);
# test files are kept in its bench-data folder between runs. Raw results: <that folder>/bench-results.txt.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fail() { echo "$1" >&2; exit 1; }

quick=0
start_only=0
preset=mingw
for option in "$@"; do
    case $option in
    --quick) quick=1 ;;
    --start) start_only=1 ;;
    --x86) preset=mingw32 ;;
    *) fail "usage: scripts/bench.sh [--quick | --start] [--x86]" ;;
    esac
done
mingw_dir=${VEXAR_BENCH_MINGW_DIR:-build/perf-$preset}

cmake --preset "$preset" -B "$mingw_dir" -DVEXAR_BENCHMARKS=ON >/dev/null 2>&1 || fail "$preset configure failed"
cmake --build "$mingw_dir" -j2 --target vexar_bench_win32 vexar_bench_stages vexar_bench_floor vexar_bench_floor_v6 \
    vexar_bench_run_floor vexar_bench_run_floor_v6 \
    VexarLauncher >/dev/null || fail "$preset bench build failed"

mkdir -p "$mingw_dir"
results="$mingw_dir/bench-results.txt"
: >"$results"

# Native: the sort (CPU time, so that other load on the machine counts less), with the x64 build's full or
# quick run.
if [ "$preset" = mingw ] && [ $start_only -eq 0 ]; then
    cmake --preset bench >/dev/null 2>&1 || fail "native bench configure failed"
    cmake --build --preset bench >/dev/null || fail "native bench build failed"
    if [ $quick -eq 1 ]; then
        sort_args=(--benchmark_filter='/100$' --benchmark_min_time=0.01)
    else
        sort_args=(--benchmark_min_time=0.5 --benchmark_repetitions=3 --benchmark_report_aggregates_only=true)
    fi
    build/bench/bench/vexar_bench_sort "${sort_args[@]}" --benchmark_format=csv 2>/dev/null |
        awk -F, '/^"BM_/ {
            gsub(/"/, "", $1); split($1, part, "/"); n = part[2] + 0
            if (part[2] ~ /_/ && part[2] !~ /_median$/) next   # repeated runs: keep only the median
            cpu[part[1], n] = $4; sizes[n] = 1
        }
        END { for (n in sizes) printf "sort n=%d quicksort_us=%.1f stdsort_us=%.1f ratio=%.2f\n",
                                      n, cpu["BM_QuickSortStrings", n], cpu["BM_StdSort", n],
                                      cpu["BM_QuickSortStrings", n] / cpu["BM_StdSort", n] }' |
        sort -t= -k2 -n >>"$results" || fail "sort benchmark failed"
fi

# Under Wine.
# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
xvfb_start "$mingw_dir" || fail "no virtual display"
wine_session_start "$mingw_dir" || fail "no Wine session"
exe="$mingw_dir/bench/vexar_bench_win32.exe"
run() { "$mingw_dir/wine-run" "$exe" "$@" </dev/null >>"$results" || fail "benchmark failed: $*"; }
data=$(winepath -w "$(cd "$mingw_dir" && pwd)/bench-data") || fail "winepath failed"
windows_path() { winepath -w "$(cd "$mingw_dir" && pwd)/$1" || fail "winepath failed"; }
launcher=$(windows_path src/VexarLauncher.exe)
starts=("$launcher" "$(windows_path bench/vexar_bench_floor.exe)" "$(windows_path bench/vexar_bench_floor_v6.exe)")
stages=("$(windows_path bench/vexar_bench_stages.exe)" "${starts[@]:1}")
runs=("$launcher" "$(windows_path bench/vexar_bench_run_floor.exe)" "$(windows_path bench/vexar_bench_run_floor_v6.exe)")
if [ $quick -eq 1 ]; then
    data="$data-quick"
    run fill "$data" 100 3
    run delete "$data" 200 4 2
    run memory "$data" 100 baseline
    run memory "$data" 100
    run startup "$data" 100 1 "${starts[@]}"
    run stages "$data" 100 1 "${stages[@]}"
    run run "$data" 1 "${runs[@]}"
    run check "$data" 100 3
elif [ $start_only -eq 1 ]; then
    for n in 100 1000; do
        run startup "$data" $n 9 "${starts[@]}"
        run stages "$data" $n 9 "${stages[@]}"
    done
else
    run fill "$data" 100 9
    run fill "$data" 1000 7
    run fill "$data" 10000 5
    run fill "$data" 100000 3
    run delete "$data" 10000 100 3
    run memory "$data" 100000 baseline
    run memory "$data" 100000
    for n in 100 1000; do
        run startup "$data" $n 9 "${starts[@]}"
        run stages "$data" $n 9 "${stages[@]}"
    done
    run startup "$data" 100000 3 "${starts[@]}"
    run stages "$data" 100000 1 "${stages[@]}"
    run run "$data" 15 "${runs[@]}"
    run check "$data" 1000 5
    run check "$data" 10000 3
fi

# The table, then the starts in stages.
awk '
    function v(key,   i, kv) { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == key) return kv[2] } return "" }
    BEGIN { printf "%-34s %12s %12s %7s %8s\n", "benchmark", "vexar", "baseline", "ratio", "goal" }
    $1 == "sort"   { printf "%-34s %9.0f us %9.0f us %7.2f %8s\n", "QuickSortStrings vs std::sort n=" v("n"),
                            v("quicksort_us"), v("stdsort_us"), v("ratio"), "-" }
    $1 == "fill"   { printf "%-34s %9.1f ms %9.1f ms %7.2f %8s   %.1f us/config\n", "list fill n=" v("n"),
                            v("launcher_ms"), v("baseline_ms"), v("ratio"), "<= 1.3", 1000 * v("launcher_ms") / v("n") }
    $1 == "run"    { printf "%-34s %9.1f ms %9.1f ms %7.2f %8s\n", "/run to its game request",
                            v("launcher_ms"), v("floor_ms"), v("ratio"), "<= 1.2"
                      printf "%-34s %9.1f ms %9.1f ms %7.2f %8s\n", "  floor with the manifest",
                            v("launcher_ms"), v("floor_v6_ms"), v("ratio_v6"), "-" }
    $1 == "check"  { printf "%-34s %9.1f ms %9.1f ms %7.2f %8s\n", "checker vs list fill n=" v("n"),
                            v("checker_ms"), v("launcher_ms"), v("ratio"), "-" }
    $1 == "startup" { printf "%-34s %9.1f ms %9.1f ms %7.2f %8s\n", "start to filled window n=" v("n"),
                            v("launcher_ms"), v("floor_ms"), v("ratio"), (v("n") >= 100000 ? "<= 1.1" : "<= 1.25")
                      printf "%-34s %9.1f ms %9.1f ms %7.2f %8s\n", "  floor with the manifest",
                            v("launcher_ms"), v("floor_v6_ms"), v("ratio_v6"), "-"
                      printf "%-34s %8d KiB %8d KiB %7.2f %8s\n", "  peak working set by then",
                            v("launcher_peak_kib"), v("floor_v6_peak_kib"), v("launcher_peak_kib") / v("floor_v6_peak_kib"), "-" }
    $1 == "delete" { printf "%-34s %9.1f ms %9.1f ms %7.2f %8s\n",
                            "DeleteFolderTree " v("files") " files/" v("folders") " dirs",
                            v("launcher_ms"), v("baseline_ms"), v("ratio"), "<= 1.2" }
    $1 == "memory" { mem[v("side")] = v("peak_kib"); start[v("side")] = v("start_kib"); n = v("n") }
    END { if ("launcher" in mem) printf "%-34s %8d KiB %8d KiB %7.2f %8s   (start %d KiB)\n",
                                        "peak working set n=" n, mem["launcher"], mem["baseline"],
                                        mem["launcher"] / mem["baseline"], "-", start["launcher"] }
' "$results"
awk '
    $1 != "stages" { next }
    {
        for (i = 2; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
        n = f["n"]; side = f["side"]
        if (!(n in seen)) { seen[n] = 1; sizes[++size_count] = n }
        for (i = 4; i <= NF; i++) {
            split($i, kv, "="); key = n SUBSEP kv[1]
            if (!(key in known)) { known[key] = 1; names[n, ++name_count[n]] = kv[1] }
            ms[n, side, kv[1]] = kv[2]
        }
    }
    END {
        for (s = 1; s <= size_count; s++) {
            n = sizes[s]
            printf "\nstart in stages n=%-15s %12s %12s %12s\n", n, "launcher", "floor", "floor+manifest"
            for (k = 1; k <= name_count[n]; k++) {
                name = names[n, k]; printf "  %-32s", name
                split("launcher floor floor_v6", sides, " ")
                for (j = 1; j <= 3; j++) {
                    key = n SUBSEP sides[j] SUBSEP name
                    if (key in ms) printf " %9.1f ms", ms[key]; else printf " %12s", "-"
                }
                printf "\n"
            }
        }
    }
' "$results"
