#!/bin/sh
# The built launcher started as a shortcut, a Run key or a front-end starts it: "VexarLauncher.exe /run NAME
# OPTIONS" under Wine, its command line handed over exactly as written (start_command.exe gives it whole to
# CreateProcessW with the launcher's file, and ends with its exit status), starting the games through the
# real shell. The game and the CD preparation program are copies of the recorder. A box is answered with the
# keyboard once it is up; a window where none is expected fails the case at once. The exit status is compared.
#
#   run_shortcut.sh LAUNCHER RECORDER STARTER WINE_RUN WORK_DIR
set -eu
launcher=$1
recorder=$2
starter=$3
wine_run=$4
work=$5

. "$(dirname "$0")/launcher_under_wine.sh"

# The launcher in a folder whose name holds a blank; the runs start in the folder of the games, where a
# broken game file stops the window's list fill with a box (a run does not fill the list) and no saved
# title is (a run does not make one).
folder=$work/shortcut
rm -rf "$folder"
mkdir -p "$folder/Vexar Launcher/Configs" "$folder/Configs" "$folder/start" "$folder/records"
cp "$launcher" "$folder/Vexar Launcher/VexarLauncher.exe"
cp "$recorder" "$folder/game.exe"
cp "$recorder" "$folder/prep.exe"
exe=$(win_path "$folder/Vexar Launcher/VexarLauncher.exe")
start=$(win_path "$folder/start")
records=$(win_path "$folder/records")
prep=$(win_path "$folder/prep.exe")
write_game "$folder/Configs/My Game.cfg" Recorder "$start" "$(win_path "$folder/game.exe")" -d "$prep"
write_game "$folder/Configs/Missing.cfg" Missing "$start" "$(win_path "$folder/missing.exe")" -d "$prep"
printf 'LABELVEXARLNCH]\r\nTitle: Short\r\n' >"$folder/Configs/Short.cfg"

# shown_or_ended TITLE: a window titled TITLE (a pattern) is on the screen, or the run has ended.
shown_or_ended() {
    [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] || ! kill -0 "$pid" 2>/dev/null
}

# run STATUS TITLE KEYS COMMAND_LINE [FOLDER]: starts COMMAND_LINE in FOLDER ($folder when not given) and,
# when TITLE is not empty, gives KEYS to the window titled TITLE once it has the focus; a window of any
# other title fails the case. Then compares the exit status.
run() {
    rm -f "$folder"/records/*
    (cd "${5:-$folder}" && VEXAR_RECORD_DIR="$records\\" exec "$wine_run" "$starter" "$exe" "$4") </dev/null \
        >"$work/shortcut.log" 2>&1 &
    pid=$!
    wait_for shown_or_ended . || fail "$4: neither a window nor an end"
    window=$(xdotool search --onlyvisible --name . 2>/dev/null | head -n1 || true)
    if [ -n "$window" ]; then
        shown=$(xdotool getwindowname "$window")
        [ -n "$2" ] || fail "$4: a window \"$shown\" where none was expected"
        [ "$shown" = "$2" ] || fail "$4: a window \"$shown\" instead of \"$2\""
        wait_for has_focus "$window" || fail "$4: the window \"$2\" did not get the keyboard focus"
        # shellcheck disable=SC2086 # KEYS is a list of keys
        xdotool key $3
        ended "$4"
    else
        ended "$4"
        [ -z "$2" ] || fail "$4: no window \"$2\" (exit status $status)"
    fi
    [ "$status" -eq "$1" ] || fail "$4: exit status $status, expected $1"
}
records() { compare_records "$folder" "$start" "$1" /run; }

# The options exactly as written after the name and one blank: blanks and quotes kept, characters outside
# the ANSI code page too; the name found whatever its case, with or without ".cfg".
run 0 '' '' "\"$exe\" /run \"My Game\"  -x \"a b\"  "
records 'game|-d  -x "a b"   -h|<start>|1'
run 0 '' '' "\"$exe\" /run \"My Game\" -n Müller ゲーム"
records 'game|-d -n Müller ゲーム -h|<start>|1'
run 0 '' '' "\"$exe\" /run \"MY GAME.CFG\""
records 'game|-d -h|<start>|1'
# From CD the preparation program starts first, minimised, and the CD parameters replace the others.
: >"$folder/IsCD.txt"
run 0 '' '' "\"$exe\" /RUN \"My Game.cfg\""
records 'game|-d -c|<start>|1
prep||<start>|2'
rm "$folder/IsCD.txt"
# A program the shell cannot start, a game file that is not there, the usage asked for and a wrong switch.
run 1 'Error !' Return "\"$exe\" /run Missing"
records ''
run 1 'Error !' Return "\"$exe\" /run Nope"
run 0 'VexarLaunch' Return "\"$exe\" /?"
run 2 'VexarLaunch' Return "\"$exe\" /start"
# A name holding a character that the system reads as a wildcard is refused like "*" and "?".
for name in 'My<Game' 'My>Game' 'My"Game'; do
    run 1 'Error !' Return "\"$exe\" /run $name"
done
records ''
# The program's path unquoted, blank and all, as the system finds it: with /run, and without arguments
# the launcher's window (run in the launcher's own folder), closed with its close button.
run 0 '' '' "$exe /run \"My Game\" -o"
records 'game|-d -o -h|<start>|1'
run 0 'Vexar Launcher v3.0' 'Tab Tab Tab Tab space' "$exe" "$folder/Vexar Launcher"
[ ! -e "$folder/Title.cfg" ] || fail "a run saved a title in Title.cfg"
echo "/run started the programs as expected and failed where it should"
