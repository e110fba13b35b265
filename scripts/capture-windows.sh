#!/usr/bin/env bash
# Screenshots of the launcher's two windows on a virtual display, for comparing the look before and
# after a change: the main window with the first example game chosen, the same window with its game
# list open, and the notes window. Runs an already built example set (default build/mingw/example).
#
#   scripts/capture-windows.sh DPI OUTDIR [EXAMPLE]   (DPI: 96 or 144; OUTDIR receives main.png, list.png,
#                                                      notes.png)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=${1:?dpi}
out=${2:?output folder}
mkdir -p "$out"
out=$(cd "$out" && pwd)
example=$(cd "${3:-$root/build/mingw/example}" && pwd) || exit 1
cd "$root"

session=build/capture-$dpi
mkdir -p "$session"
# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
xvfb_start "$session" || exit 1
wine_session_start "$session" || exit 1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
# The dpi is read when the server starts: restart it.
wineserver -k; wineserver -w
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
xdotool mousemove 0 0 2>/dev/null

find_window() {  # prints the X id of the top-level window titled $1
    local id=
    for _ in $(seq 100); do
        id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$1\"" | head -n1 | awk '{print $1}')
        [ -n "$id" ] && break
        sleep 0.2
    done
    echo "$id"
}
geometry() {  # sets x y w h of window $1
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}
                                     /Width:/ {print "w=" $NF} /Height:/ {print "h=" $NF}')"
}
shoot() {  # window id, file
    geometry "$1"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
}

cd "$example"
wine VexarLauncher.exe </dev/null >/dev/null 2>&1 &
main=$(find_window "Vexar Launcher v3.0")
[ -n "$main" ] || { echo "no main window" >&2; exit 1; }
sleep 1.5
xdotool key Down; sleep 0.8
shoot "$main" "$out/main.png"
xdotool key F4; sleep 0.8
geometry "$main"
import -window root -crop "${w}x$((h * 3))+${x}+${y}" +repage "$out/list.png"
xdotool key Escape; sleep 0.5
# The notes box lies 48, 40 (scaled) into the client area; the frame adds its own border.
geometry "$main"
scale_x=$((x + (w - 621 * dpi / 96) / 2 + 100 * dpi / 96))
scale_y=$((y + h - 166 * dpi / 96 + 60 * dpi / 96))
xdotool mousemove "$scale_x" "$scale_y" click --repeat 2 --delay 80 1; sleep 1
xdotool mousemove 0 0
notes=$(find_window "Selection Notes")
[ -n "$notes" ] || { echo "no notes window" >&2; exit 1; }
sleep 1.5
shoot "$notes" "$out/notes.png"
echo "$out: main.png list.png notes.png"
