#!/usr/bin/env bash
# VexarEdit measured against the launcher, one run each on this machine, under Wine on a virtual display:
# the size of each executable, and the time from starting each (in the example game set) to its window
# on the screen with the keyboard focus - the launcher's with its game list, the editor's with a game file
# open and editable. Leaves a screenshot of the editor on the example game FILE (default the broken one,
# whose finding shows in the window) in build/editor-screenshot.png.
#
#   scripts/edit-bench.sh [PRESET [FILE]]     (PRESET: mingw (default) or mingw32, already built)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
preset=${1:-mingw}
file=${2:-Broken.cfg}
build=build/$preset
fail() { echo "$1" >&2; exit 1; }
[ -f "$build/src/VexarEdit.exe" ] || fail "build $preset first: cmake --build --preset $preset"

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
session=build/edit-bench-$preset
mkdir -p "$session"
started=
stop() { [ -z "$started" ] || kill "$started" 2>/dev/null; wine_session_stop; }
trap stop EXIT
xvfb_start "$session" || exit 1
wine_session_start "$build" || exit 1
example=$session/example
rm -rf "$example"
cp -r examples "$example"
cp "$build/src/VexarLauncher.exe" "$build/src/VexarEdit.exe" "$example/"

# start NAME TITLE ARGUMENT: starts NAME in the example set and sets $took to the seconds until a window
# whose title begins with TITLE is visible and has the keyboard focus, $window to its id.
start() {
    local begin end
    begin=$(date +%s.%N)
    (cd "$example" && exec wine "$1" ${3:+"$3"}) </dev/null >/dev/null 2>&1 &
    started=$!
    window=
    until [ -n "$window" ] && [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$window" ]; do
        window=$(xdotool search --onlyvisible --name "^$2" 2>/dev/null | head -n1)
        sleep 0.02
    done
    end=$(date +%s.%N)
    took=$(awk -v b="$begin" -v e="$end" 'BEGIN { printf "%.2f s", e - b }')
}
# close: closes the window $window and waits for its program to end.
close() {
    xdotool key --window "$window" Escape 2>/dev/null
    wine_pid=$(xdotool getwindowpid "$window" 2>/dev/null)
    [ -z "$wine_pid" ] || kill "$wine_pid" 2>/dev/null
    wait "$started" 2>/dev/null
    started=
}

# A throwaway start first: the prefix's first program pays for loading Wine itself.
start VexarLauncher.exe 'Vexar Launcher'
close
size() { stat -c %s "$build/src/$1"; }
printf '%-18s %10s  %s\n' program bytes 'start to window with focus'
start VexarLauncher.exe 'Vexar Launcher'
printf '%-18s %10s  %s\n' VexarLauncher.exe "$(size VexarLauncher.exe)" "$took"
close
start VexarEdit.exe 'Vexar Edit' "Configs\\$file"
printf '%-18s %10s  %s\n' VexarEdit.exe "$(size VexarEdit.exe)" "$took"
# The findings come after the first pause: the picture waits for them (at most 30 s).
for _ in $(seq 300); do
    [ -n "$(wine "$build/tests/window_text.exe" VexarEditWindow 233 </dev/null 2>/dev/null)" ] && break
    sleep 0.1
done
eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}
                                      /Width:/ {print "w=" $NF} /Height:/ {print "h=" $NF}')"
import -window root -crop "${w}x${h}+${x}+${y}" +repage build/editor-screenshot.png &&
    echo "screenshot of the editor on Configs\\$file: build/editor-screenshot.png"
close
