#!/bin/sh
# The built launcher end to end, as a user meets it: started in a folder under Wine on the test display,
# driven with real keyboard input (X events through Wine, as from a keyboard), starting the games
# through the real shell. The game and its CD preparation program are copies of the recorder
# (arg_recorder.exe), which leaves "<program>-<id>.rec" holding
# "<arguments>|<current directory>|<show command>" (UTF-8) in the records folder. Nothing waits a fixed
# time: every key is followed by what the window shows (read with window_text.exe) before the next.
#
#   launch_journeys.sh LAUNCHER RECORDER WINDOW_TEXT PYTHON WINE_RUN WORK_DIR
set -eu
launcher=$1
recorder=$2
window_text=$3
python=$4
wine_run=$5
work=$6

. "$(dirname "$0")/launcher_under_wine.sh"

# The launcher's window and the ids of its game list and command box.
title='Vexar Launcher v3.0'
game_list=107
command_box=103
# text_of ID: prints the text the control ID of the launcher's window shows.
text_of() { "$wine_run" "$window_text" "$title" "$1" </dev/null 2>/dev/null; }
# shows ID TEXT: succeeds when the control ID shows TEXT.
shows() { text=$(text_of "$1") && [ "$text" = "$2" ]; }
# await ID TEXT WHAT: waits until the control ID shows TEXT.
await() { wait_for shows "$1" "$2" || fail "$name: $3 shows \"$(text_of "$1" || true)\" instead of \"$2\""; }

# journey NAME GAMES PROGRAM START DEFAULT EXPECTED_RECORDS KEYS...: starts the launcher in a fresh folder
# (in CD mode when NAME says so) whose first game file of GAMES (names without ".cfg"), titled
# "Recorder", names the program PROGRAM.exe in the folder START with the default parameters DEFAULT (the
# others are titled "Other game" and default to -other); waits until its window has the keyboard focus,
# gives the keys and compares the records made. A key "list:TEXT" waits until the game list shows TEXT;
# "type:TEXT" types TEXT into the command box one character at a time, each once the box shows the text
# typed before it; any other key is pressed.
journey() {
    name=$1
    expected=$6
    folder=$work/$name
    rm -rf "$folder"
    mkdir -p "$folder/Configs" "$folder/$4" "$folder/records"
    cp "$recorder" "$folder/$3.exe"
    cp "$recorder" "$folder/prep.exe"
    [ "$name" = cd ] && : >"$folder/IsCD.txt"
    start=$(win_path "$folder/$4")
    game=$(win_path "$folder/$3.exe")
    prep=$(win_path "$folder/prep.exe")
    records=$(win_path "$folder/records")
    chosen=
    for file in $2; do
        if [ -z "$chosen" ]; then
            chosen=$file
            write_game "$folder/Configs/$file.cfg" Recorder "$start" "$game" "$5" "$prep"
        else
            write_game "$folder/Configs/$file.cfg" 'Other game' "$start" "$game" -other "$prep"
        fi
    done
    shift 6

    # The characters to be typed get keys of their own before the launcher starts (bind_keys.py says why).
    keys=$work/$name.keys
    : >"$keys"
    to_type=$(printf '%s\n' "$@" | sed -n 's/^type://p')
    "$python" "$(dirname "$0")/bind_keys.py" "$to_type" </dev/null >>"$keys" &
    helper=$!
    wait_for grep -q bound "$keys" || fail "$name: the keys to type were not mapped"
    (cd "$folder" && VEXAR_RECORD_DIR="$records\\" exec "$wine_run" "$launcher") \
        </dev/null >"$work/$name.log" 2>&1 &
    pid=$!
    wait_for xdotool search --onlyvisible --name "^$title\$" ||
        fail "$name: the launcher's window did not appear"
    window=$(xdotool search --onlyvisible --name "^$title\$" | head -n1)
    # The window takes the focus with the game list focused; keys sent before would be lost.
    wait_for has_focus "$window" || fail "$name: the launcher's window did not get the keyboard focus"
    typed=
    for key in "$@"; do
        case $key in
        list:*) await "$game_list" "${key#list:}" "the game list" ;;
        type:*)
            while IFS= read -r character; do
                await "$command_box" "$typed" "the command box"
                xdotool type -- "$character"
                typed=$typed$character
            done <<EOF
$(printf '%s' "${key#type:}" | LC_ALL=C.UTF-8 grep -o .)
EOF
            await "$command_box" "$typed" "the command box"
            ;;
        *) xdotool key "$key" ;;
        esac
    done
    # The keys end on the close button: the launcher ends by itself, with status 0.
    ended "$name"
    [ "$status" -eq 0 ] || fail "$name: the launcher ended with status $status"
    compare_records "$folder" "$start" "$expected" "$name ($chosen.cfg)"
    kill "$helper"
    helper=
}

mkdir -p "$work"
# A keyboard choice, options typed with their blanks, the launch button pressed by the keyboard, then the
# close button. The program, its start folder, its default parameters and the typed options hold
# characters the ANSI code page lacks.
journey harddrive game 'gäme-ゲーム' 'start-ゲーム' '-dΩ' 'gäme-ゲーム|-dΩ  -typed ü ゲーム   -h|<start>|1' \
    Down list:Recorder Tab 'type: -typed ü ゲーム  ' Tab space Tab Tab space
# From CD the preparation program starts too, minimised, and the CD parameters replace the others. The
# game files are named as devices are (aux, com1, con): the launcher reads them as the files they are.
journey cd 'aux com1 con' game start -d 'game|-d -c|<start>|1
prep||<start>|2' Down list:Recorder Tab Tab space Tab Tab space
echo "both journeys started the programs as expected"
