#!/bin/sh
# The built launcher started as a shortcut starts it: "VexarLauncher.exe /run NAME OPTIONS" under Wine, its
# command line exactly as written (from a batch file, which hands it over unchanged), starting the games
# through the real shell. The game and the CD preparation program are copies of the recorder
# (arg_recorder.exe: "<arguments>|<current directory>|<show command>" in "<program>-<id>.rec"). Boxes are
# answered with the keyboard once they are up; the exit status is compared.
#
#   run_shortcut.sh LAUNCHER RECORDER WINE_RUN WORK_DIR
set -eu
launcher=$1
recorder=$2
wine_run=$3
work=$4

fail() { printf '%s\n' "$1" >&2; exit 1; }
pid=
stop_launcher() { [ -z "$pid" ] || kill "$pid" 2>/dev/null || true; }
trap stop_launcher EXIT
trap 'exit 1' HUP INT TERM
win_path() {
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
has_focus() { [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$1" ]; }

folder=$work/shortcut
rm -rf "$folder"
mkdir -p "$folder/Configs" "$folder/start" "$folder/records"
cp "$launcher" "$folder/VexarLauncher.exe"
cp "$recorder" "$folder/game.exe"
cp "$recorder" "$folder/prep.exe"
start=$(win_path "$folder/start")
records=$(win_path "$folder/records")
printf 'LABELVEXARLNCH]\r\nTitle:         Recorder\r\nNotes:         notes\r\nStart:         %s\r\nLaunch File:   %s\r\nDefault:       -d\r\nHD Params:     -h\r\nCD Prelaunch:  %s\r\nCD Params:     -c\r\n' \
    "$start" "$(win_path "$folder/game.exe")" "$(win_path "$folder/prep.exe")" >"$folder/Configs/My Game.cfg"

# run EXPECTED_STATUS BOX_TITLE COMMAND_LINE: runs the launcher with the command line from a batch file,
# presses Enter on the box titled BOX_TITLE (none when empty) and compares the exit status.
run() {
    printf '@VexarLauncher.exe %s\r\n@exit /b %%errorlevel%%\r\n' "$3" >"$folder/run.bat"
    rm -f "$folder"/records/*
    (cd "$folder" && VEXAR_RECORD_DIR="$records\\" exec "$wine_run" cmd /c run.bat) </dev/null \
        >"$work/shortcut.log" 2>&1 &
    pid=$!
    if [ -n "$2" ]; then
        wait_for xdotool search --name "^$2\$" || fail "/run $3: no box \"$2\""
        box=$(xdotool search --name "^$2\$" | head -n1)
        wait_for has_focus "$box" || fail "/run $3: the box \"$2\" did not get the keyboard focus"
        xdotool key Return
    fi
    wait_for sh -c "! kill -0 $pid" || fail "/run $3: the launcher did not end"
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq "$1" ] || fail "$3: exit status $status, expected $1"
}
# records EXPECTED: the programs started, "<program>|<record>" a line each, sorted.
records() {
    count=$(printf '%s' "$1" | grep -c '' || true)
    wait_for sh -c "[ \$(ls '$folder/records' | grep -c '\\.rec\$') -ge $count ]" || true
    actual=$(for record in "$folder"/records/*.rec; do
        [ -e "$record" ] || continue
        file=$(basename "$record")
        printf '%s|%s\n' "${file%%-*}" "$(cat "$record")"
    done | sort)
    expected=$(printf '%s\n' "$1" | sed "s/<start>/$(printf '%s' "$start" | sed 's/[\\&]/\\&/g')/g" | sort)
    [ "$actual" = "$expected" ] || fail "the programs started were
$actual
instead of
$expected"
}

# The options exactly as written after the name and one blank: blanks and quotes kept.
run 0 '' '/run "My Game"  -x "a b"  '
records 'game|-d  -x "a b"   -h|<start>|1'
# From CD the preparation program starts first, minimised, and the CD parameters replace the others.
: >"$folder/IsCD.txt"
run 0 '' '/RUN "My Game.cfg"'
records 'game|-d -c|<start>|1
prep||<start>|2'
run 1 'Error !' '/run Nope'
records ''
run 0 'VexarLaunch' '/?'
run 2 'VexarLaunch' '/start'
echo "/run started the programs as expected and failed where it should"
