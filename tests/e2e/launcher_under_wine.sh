# Sourced by the end-to-end scripts that start the built launcher under Wine on the test display with the
# recorder (arg_recorder.exe) standing in for the games: it leaves "<program>-<id>.rec" holding
# "<arguments>|<current directory>|<show command>" in the records folder. Needs $wine_run.

fail() { printf '%s\n' "$1" >&2; exit 1; }
# The launcher a script started ($pid) is stopped by its process id on every way out.
pid=
stop_launcher() { [ -z "$pid" ] || kill "$pid" 2>/dev/null || true; }
trap stop_launcher EXIT
trap 'exit 1' HUP INT TERM
win_path() {  # a Linux path as the Windows programs see it
    path=$("$wine_run" winepath -w "$1" 2>/dev/null | tr -d '\r')
    [ -n "$path" ] || fail "winepath gave no Windows path for $1"
    printf '%s\n' "$path"
}
# wait_for COMMAND...: runs the command every 0.1 s until it succeeds, for at most 60 s.
wait_for() {
    deadline=$(($(date +%s) + 60))
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# Succeeds when the X input focus is on window $1 (without a window manager there is no active window
# to ask for; plain getwindowfocus fails while the focus is still the pointer root).
has_focus() { [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$1" ]; }
# ended WHAT: waits for the launcher ($pid) to end and sets $status to its exit status.
ended() {
    wait_for sh -c "! kill -0 $pid" || fail "$1: the launcher did not end"
    status=0
    wait "$pid" || status=$?
    pid=
}
# compare_records FOLDER START EXPECTED WHAT: the programs started ("<program>|<record>" a line each,
# <start> standing for START) are those expected, once as many records as expected are there.
compare_records() {
    count=$(printf '%s' "$3" | grep -c '' || true)
    wait_for sh -c "[ \$(ls '$1/records' | grep -c '\\.rec\$') -ge $count ]" || true
    actual=$(for record in "$1"/records/*.rec; do
        [ -e "$record" ] || continue
        file=$(basename "$record")
        printf '%s|%s\n' "${file%-*}" "$(cat "$record")"
    done | sort)
    expected=$(printf '%s\n' "$3" | sed "s/<start>/$(printf '%s' "$2" | sed 's/[\\&]/\\&/g')/g" | sort)
    [ "$actual" = "$expected" ] || fail "$4: the programs started were
$actual
instead of
$expected"
}
