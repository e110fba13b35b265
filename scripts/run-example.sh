#!/usr/bin/env bash
# Builds VexarLauncher.exe and starts it under Wine in the example game set (build/mingw/example).
# On $DISPLAY when one is set (the launcher runs until you close it), otherwise on a virtual display
# (closed again after the screenshot). Either way a screenshot of the window is saved and its path printed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh || exit 1
cmake --preset mingw >/dev/null || exit 1
cmake --build --preset mingw --target VexarLauncher || exit 1

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
virtual=
if [ -z "${DISPLAY:-}" ]; then
    xvfb_start build/mingw || exit 1
    virtual=1
fi
wine_session_start build/mingw || exit 1
if [ -n "$virtual" ]; then
    # The virtual display starts with the pointer at its centre, where the window's notes box will be:
    # move it to the corner, so that the screenshot shows no tool tip.
    python3 -c 'import ctypes; x = ctypes.CDLL("libX11.so.6"); x.XOpenDisplay.restype = ctypes.c_void_p
d = x.XOpenDisplay(None); x.XWarpPointer(ctypes.c_void_p(d), 0, x.XDefaultRootWindow(ctypes.c_void_p(d)), 0, 0, 0, 0, 0, 0)
x.XCloseDisplay(ctypes.c_void_p(d))' 2>/dev/null || true
fi

shot="$root/build/launcher-screenshot.png"
cd build/mingw/example
"$root/build/mingw/wine-run" VexarLauncher.exe </dev/null >"$root/build/launcher.log" 2>&1 &
launcher_pid=$!

window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | grep -E '"Vexar Launcher v3\.0"|"[^"]*": \("vexarlauncher' | head -n1 |
             awk '{print $1}')
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "The launcher window did not appear (log: build/launcher.log)" >&2
    exit 1
fi
sleep 1.5
if [ -n "$virtual" ]; then
    # Open the game list (the focus is in it at start) so that the screenshot shows the games; the
    # drop-down is a window of its own, so the picture is taken from the screen where the launcher is.
    xdotool key F4 2>/dev/null || true
    sleep 0.8
    eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}
                                          /Width:/ {print "w=" $NF} /Height:/ {print "h=" $NF}')"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$shot" &&
        echo "Screenshot of the launcher window with its game list open: $shot"
else
    import -window "$window" "$shot" && echo "Screenshot of the launcher window: $shot"
fi

if [ -n "$virtual" ]; then
    exit 0
fi
echo "The launcher is running on $DISPLAY; close its window to finish."
wait "$launcher_pid"
