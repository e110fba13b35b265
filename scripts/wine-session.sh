# Sourced by the project's scripts: a private Wine prefix in the build folder, one persistent
# wineserver for the run, and (when asked) a virtual display. Everything started here is stopped by
# wine_session_stop, by process id or through the prefix's own server - never by name.

wine_session_env() {
    # Wine accepts only an absolute WINEPREFIX.
    local build_dir
    build_dir=$(cd "$1" && pwd) || return 1
    export WINEPREFIX="$build_dir/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Starts Xvfb on a free display and exports DISPLAY. Sets VEXAR_XVFB_PID. The server never resets
# (-noreset): by default it resets whenever its last client leaves, which a Wine session between two
# programs, or a prefix's server stopped while another prefix works on, can make happen; the Wine
# processes that outlive the reset then show no window.
xvfb_start() {
    local build_dir="$1"
    local display_file="$build_dir/xvfb.display"
    rm -f "$display_file"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset 5>"$display_file" </dev/null >/dev/null 2>&1 &
    VEXAR_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$display_file")"
}

# What a prefix is made with: Wine's version and the architectures its libraries are installed for
# (Debian's libwine:amd64 with wine64, libwine:i386 with wine32), and the version of the settings below. A
# prefix made before the 32-bit Wine was installed cannot run 32-bit programs (not even winepath: "could
# not load kernel32.dll"), and one made by another Wine may lack what this one expects: the ready marker
# records this, and a prefix whose record differs is made again.
wine_installation() {
    echo "prefix settings 2"  # one more whenever wine_prefix_prepare's settings change
    wine --version 2>&1
    dpkg-query -W -f='${binary:Package} ${Version} ${db:Status-Abbrev}\n' 'libwine:*' 2>/dev/null |
        awk '$3 ~ /^ii/ { print $1, $2 }'
    printf 'WINEARCH=%s\n' "${WINEARCH:-}"
}

# Makes $WINEPREFIX ready for the tests unless it is already, logging to $1: made by wineboot (a 32-bit
# prefix when WINEARCH=win32 is set), with the settings below. The prefix counts as ready only when every
# step worked (otherwise the next run starts over) and as long as the installed Wine is the one it was
# made with; a prefix made again loses its server (stopped) and its files first.
wine_prefix_prepare() {
    local log="$1" marker="$WINEPREFIX/.vexar-ready" installed
    installed=$(wine_installation)
    if [ -f "$marker" ] && [ "$(cat "$marker")" = "$installed" ]; then
        return 0
    fi
    if [ -e "$WINEPREFIX" ]; then
        echo "Making the Wine prefix $WINEPREFIX again: it was not made by the Wine installed now" >>"$log"
        wineserver -k </dev/null >/dev/null 2>&1 || true
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$WINEPREFIX"
    # No window manager on a virtual display: do not wait for one; 96 dpi; dot files are plain files; a
    # program that crashes gets no "Program Error" box, which would stay on the display and stand in the
    # way of the next tests, but its backtrace on its standard error, in the log of its test.
    if wine wineboot -i </dev/null >>"$log" 2>&1 && wineserver -w &&
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >>"$log" 2>&1 &&
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >>"$log" 2>&1 &&
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f </dev/null >>"$log" 2>&1 &&
        wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f </dev/null >>"$log" 2>&1 &&
        wineserver -w && [ -f "$WINEPREFIX/user.reg" ]; then
        printf '%s\n' "$installed" >"$marker"
    else
        echo "Could not prepare the Wine prefix $WINEPREFIX (log: $log)" >&2
        return 1
    fi
}

# Creates the prefix on first use (and anew when the installed Wine changed since), then starts its
# persistent server and background services with the current DISPLAY. Standard handles go to files: a
# background process that holds a pipe would keep the caller waiting.
wine_session_start() {
    local build_dir
    build_dir=$(cd "$1" && pwd) || return 1
    wine_session_env "$build_dir"
    local log="$build_dir/wine-session.log"
    wine_prefix_prepare "$log" || return 1
    wineserver -p </dev/null >>"$log" 2>&1
    wine wineboot </dev/null >>"$log" 2>&1
    VEXAR_WINE_STARTED=1
}

# Stops the server of the session's prefix (and with it every program still running there); the
# virtual display stays for the next session.
wine_server_stop() {
    if [ -n "${VEXAR_WINE_STARTED:-}" ]; then
        wineserver -k </dev/null >/dev/null 2>&1 || true
        VEXAR_WINE_STARTED=
    fi
}

wine_session_stop() {
    wine_server_stop
    if [ -n "${VEXAR_XVFB_PID:-}" ]; then
        kill "$VEXAR_XVFB_PID" 2>/dev/null || true
        wait "$VEXAR_XVFB_PID" 2>/dev/null || true
        VEXAR_XVFB_PID=
    fi
}
