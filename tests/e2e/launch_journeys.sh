#!/bin/sh
# The built launcher end to end, as a user meets it: started in a folder under Wine on the test display,
# driven with real keyboard input (X events through Wine, as from a keyboard), starting the games
# through the real shell. The game and its CD preparation program are copies of the recorder
# (arg_recorder.exe), which leaves "<program>-<id>.rec" holding
# "<arguments>|<current directory>|<show command>" (UTF-8) in the records folder.
#
#   launch_journeys.sh LAUNCHER RECORDER WINE_RUN WORK_DIR
set -eu
launcher=$1
recorder=$2
wine_run=$3
work=$4

. "$(dirname "$0")/launcher_under_wine.sh"

# journey NAME GAME START DEFAULT EXPECTED_RECORDS KEYS...: starts the launcher in a fresh folder (in CD
# mode when NAME says so) whose game file, saved as Notepad saves it (UTF-8 without a mark), names the
# program GAME.exe in the folder START with the default parameters DEFAULT; waits until its window has
# the keyboard focus, gives the keys ("type:TEXT" types TEXT, "slow:TEXT" slowly) and compares the records made.
journey() {
    name=$1
    expected=$5
    folder=$work/$name
    rm -rf "$folder"
    mkdir -p "$folder/Configs" "$folder/$3" "$folder/records"
    cp "$recorder" "$folder/$2.exe"
    cp "$recorder" "$folder/prep.exe"
    [ "$name" = cd ] && : >"$folder/IsCD.txt"
    start=$(win_path "$folder/$3")
    game=$(win_path "$folder/$2.exe")
    prep=$(win_path "$folder/prep.exe")
    records=$(win_path "$folder/records")
    printf 'LABELVEXARLNCH]\r\nTitle:         Recorder\r\nNotes:         notes\r\nStart:         %s\r\nLaunch File:   %s\r\nDefault:       %s\r\nHD Params:     -h\r\nCD Prelaunch:  %s\r\nCD Params:     -c\r\n' \
        "$start" "$game" "$4" "$prep" >"$folder/Configs/game.cfg"
    shift 5

    (cd "$folder" && VEXAR_RECORD_DIR="$records\\" exec "$wine_run" "$launcher") \
        </dev/null >"$work/$name.log" 2>&1 &
    pid=$!
    wait_for xdotool search --name '^Vexar Launcher v3\.0$' || fail "$name: the launcher's window did not appear"
    window=$(xdotool search --name '^Vexar Launcher v3\.0$' | head -n1)
    # The window takes the focus with the game list focused; keys sent before would be lost.
    wait_for has_focus "$window" || fail "$name: the launcher's window did not get the keyboard focus"
    # Each key is handled before the next (a Tab moves the focus first): Wine takes them from the X
    # server in order and the launcher's one thread handles them one at a time.
    for key in "$@"; do
        case $key in
        type:*) xdotool type --delay 40 "${key#type:}" ;;
        # Characters without a key of their own get a spare keycode mapped for the moment: slowly, so that
        # Wine reads each one before the next mapping replaces it.
        slow:*) xdotool type --delay 250 "${key#slow:}" ;;
        *) xdotool key --delay 40 "$key" ;;
        esac
    done
    # The keys end on the close button: the launcher ends by itself, with status 0.
    ended "$name"
    [ "$status" -eq 0 ] || fail "$name: the launcher ended with status $status"
    compare_records "$folder" "$start" "$expected" "$name"
}

mkdir -p "$work"
# A keyboard choice, options typed with their blanks, the launch button pressed by the keyboard, then the
# close button. The program, its start folder, its default parameters and the typed options hold
# characters the ANSI code page lacks.
journey harddrive 'gäme-ゲーム' 'start-ゲーム' '-dΩ' 'gäme-ゲーム|-dΩ  -typed ü ゲーム   -h|<start>|1' \
    Down Tab 'type: -typed ' 'slow:ü ゲーム' 'type:  ' Tab space Tab Tab space
# From CD the preparation program starts too, minimised, and the CD parameters replace the others.
journey cd game start -d 'game|-d -c|<start>|1
prep||<start>|2' Down Tab Tab space Tab Tab space
echo "both journeys started the programs as expected"
