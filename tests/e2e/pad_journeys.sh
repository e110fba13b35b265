#!/bin/sh
# The built launcher played with a gamepad under Wine on the test display. XInput is the stand-in
# (xinput_stand_in.cpp), installed as xinput1_4.dll in the prefix's system folder (syswow64 for a 32-bit
# launcher) and chosen over Wine's own DLL by a native override in the launcher's environment. The pad's
# state is a file written whole (a temporary file, then mv), each with a new packet number; the stand-in
# acknowledges each packet it hands out, so every step waits until the launcher has read it, and what the
# launcher made of it is in its window by then. The game is a copy of the recorder (arg_recorder.exe).
# Afterwards Wine's own xinput1_4.dll is put back.
#
#   pad_journeys.sh LAUNCHER RECORDER WINDOW_TEXT STAND_IN WINE_RUN WORK_DIR BITS PREFIX
set -eu
launcher=$1
recorder=$2
window_text=$3
stand_in=$4
wine_run=$5
work=$6
bits=$7
prefix=${WINEPREFIX:-$8}

. "$(dirname "$0")/launcher_under_wine.sh"

title='Vexar Launcher v3.0'
game_list=107
text_of() { "$wine_run" "$window_text" "$title" "$1" </dev/null 2>/dev/null; }
shows() { text=$(text_of "$1") && [ "$text" = "$2" ]; }
# sees TEXT WHAT: the game list shows TEXT now.
sees() { shows "$game_list" "$1" || fail "$name: $2: the game list shows \"$(text_of "$game_list" || true)\" instead of \"$1\""; }
records() { ls "$folder/records" | grep -c '\.rec$' || true; }
has_records() { [ "$(records)" -ge "$1" ]; }

system=$prefix/drive_c/windows/system32
[ "$bits" = 32 ] && system=$prefix/drive_c/windows/syswow64
installed=$system/xinput1_4.dll
wine_own=$work/wine-own-xinput1_4.dll
mkdir -p "$work"
grep -q VexarPadStandIn "$installed" || cp "$installed" "$wine_own"
trap 'stop_started; cp "$wine_own" "$installed" 2>/dev/null || true' EXIT

# start NAME OVERRIDES: the launcher in a fresh folder (its copy beside the stand-in, as a disc could hold a
# DLL named as Windows' own) with the game files of "Recorder", "Other game" and "Third game", under the DLL overrides
# OVERRIDES; waits until its window has the keyboard focus.
start() {
    name=$1
    folder=$work/$1
    rm -rf "$folder"
    mkdir -p "$folder/Configs" "$folder/records"
    cp "$launcher" "$folder/VexarLauncher.exe"
    cp "$stand_in" "$folder/xinput1_4.dll"
    cp "$recorder" "$folder/game.exe"
    game_start=$(win_path "$folder")
    write_game "$folder/Configs/game.cfg" Recorder "$game_start" "$(win_path "$folder/game.exe")" -d ''
    write_game "$folder/Configs/other.cfg" 'Other game' "$game_start" "$(win_path "$folder/game.exe")" -o ''
    write_game "$folder/Configs/third.cfg" 'Third game' "$game_start" "$(win_path "$folder/game.exe")" -t ''
    # A pad is connected from the start, nothing held.
    state=$folder/pad.txt
    packet=0
    put 0
    (cd "$folder" && VEXAR_RECORD_DIR="$(win_path "$folder/records")\\" VEXAR_PAD_STATE=$(win_path "$state") \
        WINEDLLOVERRIDES="mscoree,mshtml=;$2" exec "$wine_run" "$folder/VexarLauncher.exe") \
        </dev/null >"$work/$name.log" 2>&1 &
    pid=$!
    wait_for xdotool search --onlyvisible --name "^$title\$" || fail "$name: the launcher's window did not appear"
    window=$(xdotool search --onlyvisible --name "^$title\$" | head -n1)
    wait_for has_focus "$window" || fail "$name: the launcher's window did not get the keyboard focus"
}
# put BUTTONS [STICK_Y]: the pad's next state (buttons in hex: 1 up, 2 down, 1000 A, 2000 B, 8000 Y).
put() {
    packet=$((packet + 1))
    printf '%s %s %s\n' "$packet" "$1" "${2:-0}" >"$state.tmp"
    mv "$state.tmp" "$state"
}
read_up_to() { [ "$(cut -d' ' -f1 "$state.seen" 2>/dev/null || echo 0)" -ge "$1" ]; }
# pad BUTTONS [STICK_Y]: put, then wait until the launcher has read it.
pad() {
    put "$@"
    wait_for read_up_to "$packet" || fail "$name: the launcher did not read the pad's state $packet ($*)"
}
# close: the launcher closed with Alt+F4 ends with status 0.
close() {
    xdotool key alt+F4
    ended "$name"
    [ "$status" -eq 0 ] || fail "$name: the launcher ended with status $status"
}
# in_front_of_launcher: another program's window (Notepad) takes the foreground.
in_front_of_launcher() {
    "$wine_run" notepad </dev/null >/dev/null 2>&1 &
    helper=$!
    wait_for xdotool search --onlyvisible --name 'Notepad$' || fail "$name: Notepad did not appear"
    wait_for has_focus "$(xdotool search --onlyvisible --name 'Notepad$' | head -n1)" ||
        fail "$name: Notepad did not get the keyboard focus"
}
# launcher_in_front: Notepad goes; a click on the launcher's fire column brings it to the front.
launcher_in_front() {
    kill "$helper"
    wait "$helper" 2>/dev/null || true
    helper=
    wait_for clicked_to_front || fail "$name: the launcher did not come back to the front"
}
# clicked_to_front: the launcher has the keyboard focus, or is clicked (once more) on its fire column.
clicked_to_front() { has_focus "$window" || { xdotool mousemove --window "$window" 30 60 click 1 && false; }; }

# Without XInput (both DLLs refused by the overrides; the one beside the launcher is never looked at) the
# launcher starts and works with the keyboard as ever, shows no box and never reads the pad.
start no-xinput 'xinput1_4=n;xinput9_1_0='
put 1000
xdotool key Down
wait_for shows "$game_list" Recorder || fail "$name: Down did not choose Recorder"
xdotool key Tab Tab space
wait_for has_records 1 || fail "$name: the launch button started nothing"
close
[ ! -e "$state.seen" ] || fail "$name: the pad was read: $(cat "$state.seen")"
compare_records "$folder" "$game_start" 'game|-d -h|<start>|1' "$name"

cp "$stand_in" "$installed"
start pad 'xinput1_4=n'
# The stick inside its dead zone moves nothing; Down then A starts the game chosen, once.
pad 0 -7849
pad 0 7849
sees '' 'the stick inside its dead zone'
pad 2
sees Recorder 'Down'
pad 0
pad 1000
wait_for has_records 1 || fail "$name: A started nothing"
# A held, and A pressed again after the launch while the launcher stayed in front: nothing.
pad 1000
pad 0
pad 1000
pad 2
pad 0
sees Recorder 'Down after a launch'
# Another window in front: A and Down do nothing. Held while the launcher comes back, nothing until released.
in_front_of_launcher
put 1002
launcher_in_front
pad 1002
sees Recorder 'A and Down held while the launcher came to the front'
pad 0
pad 2
sees 'Other game' 'Down after the launcher came back'
# A pad that goes while Down is held holds nothing: back (found again without a restart), still held, it
# moves nothing until released.
rm "$state"
wait_for grep -q '^0 ' "$state.seen" || fail "$name: the launcher did not find the pad gone"
pad 2
sees 'Other game' 'Down held while the pad was away'
pad 0
pad 1
sees Recorder 'Up'
# Y opens the notes window, B closes it; then A starts the game again.
pad 8000
wait_for xdotool search --onlyvisible --name '^Selection Notes$' || fail "$name: Y opened no notes window"
pad 2000
wait_for sh -c "! xdotool search --onlyvisible --name '^Selection Notes\$'" ||
    fail "$name: B did not close the notes window"
pad 1000
wait_for has_records 2 || fail "$name: A after the launcher came back started nothing"
[ "$(cut -d' ' -f2 "$state.seen")" = 0 ] || fail "$name: the pad was read while Notepad was in front"
close
compare_records "$folder" "$game_start" 'game|-d -h|<start>|1
game|-d -h|<start>|1' "$name"
echo "the pad chose and started the games as expected, and nothing without XInput"
