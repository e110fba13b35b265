# Sourced by the end-to-end scripts that start the built launcher under Wine on the test display with the
# recorder (arg_recorder.exe) standing in for the games: it leaves "<program>-<id>.rec" holding
# "<arguments>|<current directory>|<show command>" in the records folder. Needs $wine_run.

fail() { printf '%s\n' "$1" >&2; exit 1; }
# What a script started - the launcher or its starter ($pid), a helper ($helper) - is stopped by its process
# id on every way out.
pid=
helper=
stop_started() { for started in $pid $helper; do kill "$started" 2>/dev/null || true; done; }
trap stop_started EXIT
trap 'exit 1' HUP INT TERM
# win_path PATH: an absolute Linux path as the Windows programs see it. Wine's drive Z: is the Linux root, so
# Z: followed by the path with its slashes turned into backslashes names the same file, whatever characters
# it holds (Wine reads Unix names in the locale's character set, UTF-8 here) - without asking winepath,
# which printed nothing once under load.
win_path() {
    case $1 in
    /*) printf 'Z:%s\n' "$1" | tr / '\\' ;;
    *) fail "not an absolute path: $1" ;;
    esac
}
# write_game FILE TITLE START PROGRAM DEFAULT PREPARATION: a game file, saved as Notepad saves it (UTF-8
# without a mark), titled TITLE, naming PROGRAM in the folder START (Windows paths) with the default
# parameters DEFAULT, -h from the hard drive, PREPARATION and -c from CD.
write_game() {
    printf 'LABELVEXARLNCH]\r\nTitle:         %s\r\nNotes:         notes\r\nStart:         %s\r\nLaunch File:   %s\r\nDefault:       %s\r\nHD Params:     -h\r\nCD Prelaunch:  %s\r\nCD Params:     -c\r\n' \
        "$2" "$3" "$4" "$5" "$6" >"$1"
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
