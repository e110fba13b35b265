#!/bin/sh
# The built VexarEdit.exe end to end, as a disc author meets it: started under Wine on the test display
# from a folder that is not the launcher folder (nothing may depend on the current folder), driven with
# real keyboard input - Alt+letters to the fields, the file dialogs found by their titles, the keys of
# the window's commands - and its files checked by VexarCheck and started by the launcher's /run. The
# game is a copy of the recorder (arg_recorder.exe), which leaves "<program>-<id>.rec" holding
# "<arguments>|<current directory>|<show command>" in the records folder. Nothing waits a fixed time:
# every key is followed by what the window shows (read with window_text.exe) before the next.
#
#   edit_journeys.sh EDITOR LAUNCHER CHECKER RECORDER WINDOW_TEXT DRAG_SOURCE PYTHON WINE_RUN WORK_DIR EXAMPLES
set -eu
editor=$1
launcher=$2
checker=$3
recorder=$4
window_text=$5
drag_source=$6
python=$7
wine_run=$8
work=$9
examples=${10}

. "$(dirname "$0")/launcher_under_wine.sh"

# The editor's window class (its caption names the file) and the ids of its fields and status line.
class=VexarEditWindow
title=201
notes=202
start=203
launch=204
hard_drive=206
status_line=234
text_of() { "$wine_run" "$window_text" "$class" "$1" </dev/null 2>/dev/null; }
shows() { text=$(text_of "$1") && [ "$text" = "$2" ]; }
await() { wait_for shows "$1" "$2" || fail "$step: field $1 shows \"$(text_of "$1" || true)\" instead of \"$2\""; }

# start_editor ARGUMENT: starts VexarEdit with ARGUMENT (a Windows path) from the work folder and waits
# until its window has the keyboard focus.
start_editor() {
    (cd "$work" && VEXAR_RECORD_DIR="$records\\" exec "$wine_run" "$editor" "$1") </dev/null \
        >>"$work/editor.log" 2>&1 &
    pid=$!
    wait_for xdotool search --onlyvisible --name '^Vexar Edit' || fail "$step: the editor's window did not appear"
    window=$(xdotool search --onlyvisible --name '^Vexar Edit' | head -n1)
    wait_for has_focus "$window" || fail "$step: the editor's window did not get the keyboard focus"
}
# enter LETTER ID TEXT: Alt+LETTER to the field ID (its text selected), types TEXT over it and waits until
# the field shows TEXT.
enter() {
    xdotool key "alt+$1"
    xdotool type -- "$3"
    await "$2" "$3"
}
# focus WINDOW: waits until WINDOW (a box or dialog of the editor) has the keyboard focus, giving it the
# focus where Wine left it on the editor's window (as a click on it would).
focus() {
    has_focus "$1" || xdotool windowfocus "$1"
    wait_for has_focus "$1"
}
# box_shown: succeeds when a window other than the editor's (a box of the editor) is on the screen,
# naming it in $box.
box_shown() {
    box=$(xdotool search --onlyvisible --name . 2>/dev/null | grep -vx "$window" | head -n1) && [ -n "$box" ]
}
# answer KEYS WHAT: waits for a box of the editor to have the focus, gives it KEYS and waits until the
# editor's window has the focus again.
answer() {
    wait_for box_shown || fail "$step: no $2 appeared"
    focus "$box" || fail "$step: the $2 did not get the keyboard focus"
    # shellcheck disable=SC2086 # KEYS is a list of keys
    xdotool key $1
    wait_for has_focus "$window" || fail "$step: the editor's window did not get the focus back after the $2"
}
# dialog TITLE PATH: waits for the file dialog TITLE to have the focus, types PATH into its file-name field
# (focused when it opens; its id 1152 in Wine's item dialog) in place of the name it holds, waits until
# the field shows PATH, presses Return and waits until the dialog is gone.
dialog() {
    wait_for xdotool search --onlyvisible --name "^$1\$" || fail "$step: no dialog \"$1\""
    shown=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
    focus "$shown" || fail "$step: the dialog \"$1\" did not get the keyboard focus"
    xdotool key End shift+Home type -- "$2"
    wait_for sh -c "[ \"\$('$wine_run' '$window_text' '$1' 1152 </dev/null 2>/dev/null)\" = '$2' ]" ||
        fail "$step: the dialog \"$1\" shows \"$("$wine_run" "$window_text" "$1" 1152 </dev/null 2>/dev/null)\""
    xdotool key Return
    wait_for has_focus "$window" || fail "$step: the dialog \"$1\" stayed open"
}
# saved FILE: waits until the save has left FILE and no temporary file in the Configs folder.
saved() {
    wait_for sh -c "[ -f '$1' ] && [ -z \"\$(ls '$folder/Configs' | grep -v '\\.cfg\$')\" ]" ||
        fail "$step: $1 was not saved ($(ls "$folder/Configs"))"
}
# one_record WHAT: waits for the one record in the records folder, prints it and removes it.
one_record() {
    wait_for sh -c "ls '$folder/records' | grep -q '\\.rec\$'" || fail "$step: $1 started nothing"
    set -- "$folder"/records/*.rec
    [ $# -eq 1 ] || fail "$step: $# programs started"
    cat "$1"
    rm -f "$1"
}

rm -rf "$work"
folder=$work/Disc
mkdir -p "$folder/Configs" "$folder/Games/Rec" "$folder/records"
cp "$recorder" "$folder/Games/Rec/rec.exe"
records=$(win_path "$folder/records")
# A character the test keyboard has no key for gets one of its own (bind_keys.py says why).
"$python" "$(dirname "$0")/bind_keys.py" 'é' </dev/null >"$work/keys" &
helper=$!
wait_for grep -q bound "$work/keys" || fail "the keys to type were not mapped"
# A new file as the editor writes it: UTF-8 without a mark, CR LF, the manual's labels.
expected=$work/expected.cfg
printf 'LABELVEXARLNCH]\r\nGame Title:    Recorder\r\nNotes:         Café\r\nStart Location:Games\\Rec\r\nLaunch File:   rec.exe\r\nDefault Params:-d\r\nHD Params:     -h\r\nCD Prelaunch:  \r\nCD Params:     -c\r\n' \
    >"$expected"

# A new game typed in. Test runs the values on the screen, as the launcher's /run runs them once saved;
# Esc with changes asks, and Cancel keeps the window; Ctrl+S asks for the file's name; the file passes
# VexarCheck; Esc without changes closes.
step='typed new game'
start_editor "$(win_path "$folder")"
enter t $title Recorder
enter n $notes 'Café'
enter s $start 'Games\Rec'
enter l $launch rec.exe
enter d 205 -d
enter h $hard_drive -h
enter c 208 -c
xdotool key F5
tested=$(one_record 'Test (F5)')
xdotool key Escape
answer Escape 'question about the unsaved changes'
await $title Recorder
xdotool key ctrl+s
dialog 'Save the game file as' Recorder.cfg
saved "$folder/Configs/Recorder.cfg"
cmp "$expected" "$folder/Configs/Recorder.cfg" || fail "$step: the file saved is not the one expected"
xdotool key Escape
ended "$step"
[ "$status" -eq 0 ] || fail "$step: the editor ended with status $status"
"$wine_run" "$checker" "$(win_path "$folder")" </dev/null >"$work/check.log" 2>&1 ||
    fail "$step: VexarCheck found problems: $(cat "$work/check.log")"
(cd "$folder" && VEXAR_RECORD_DIR="$records\\" exec "$wine_run" "$launcher" /run Recorder) </dev/null \
    >"$work/run.log" 2>&1 || fail "$step: the launcher's /run failed"
run=$(one_record '/run')
[ "$tested" = "$run" ] || fail "$step: Test started \"$tested\", the launcher \"$run\""

# The saved game opened from its file: Test runs an unsaved value, not the file's; Ctrl+N asks about it
# and Don't save leaves the file as it was. The same game made anew through the folder and file dialogs
# (F4 in a path field, Ctrl+B) gives the same file as typing did. An example game file opened with Ctrl+O
# and saved unchanged keeps every byte. A program dropped on the window makes a new game.
step='opened, browsed and saved'
start_editor "$(win_path "$folder/Configs/Recorder.cfg")"
await $title Recorder
enter h $hard_drive -x
xdotool key F5
record=$(one_record 'Test (F5)')
[ "$record" = "$(printf '%s' "$run" | sed 's/-d -h|/-d -x|/')" ] || fail "$step: Test started \"$record\""
xdotool key ctrl+n
answer n 'question about the unsaved changes'
await $title ''
cmp "$expected" "$folder/Configs/Recorder.cfg" || fail "$step: Don't save changed the file"
enter t $title Recorder
enter n $notes 'Café'
xdotool key alt+s F4
dialog 'Choose the start folder' "$(win_path "$folder/Games/Rec")"
await $start 'Games\Rec'
xdotool key alt+l ctrl+b
dialog 'Choose the launch file' "$(win_path "$folder/Games/Rec/rec.exe")"
await $launch rec.exe
enter d 205 -d
enter h $hard_drive -h
enter c 208 -c
xdotool key ctrl+s
dialog 'Save the game file as' 'browsed.cfg'
saved "$folder/Configs/browsed.cfg"
cmp "$expected" "$folder/Configs/browsed.cfg" || fail "$step: browsing gave another file than typing"
for example in "$examples"/Configs/*.cfg; do
    name=$(basename "$example")
    [ "$name" = Broken.cfg ] && continue
    cp "$example" "$folder/Configs/$name"
    xdotool key ctrl+o
    dialog 'Open a game file' "$(win_path "$folder/Configs/$name")"
    await $title "$(sed -n '2s/^.\{15\}//p' "$example" | tr -d '\r')"
    before=$(text_of $status_line)
    xdotool key ctrl+s
    wait_for sh -c "[ \"\$('$wine_run' '$window_text' $class $status_line </dev/null 2>/dev/null)\" != '$before' ]" ||
        fail "$step: saving $name said nothing"
    cmp "$example" "$folder/Configs/$name" || fail "$step: $name changed by opening and saving"
done
# A program dragged from another program (with the mouse, through OLE, as from Explorer) and dropped on
# the window makes a new game of it; Esc then asks, and Don't save closes the window.
(exec "$wine_run" "$drag_source" "$(win_path "$folder/Games/Rec/rec.exe")") </dev/null >/dev/null 2>&1 &
dragging=$!
helper="$helper $dragging"
wait_for xdotool search --onlyvisible --name '^Drag source$' || fail "$step: the drag source did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove 50 50 mousedown 1
for part in 1 2 3 4 5 6; do
    xdotool mousemove $((50 + (X + 320 - 50) * part / 6)) $((50 + (Y + 400 - 50) * part / 6))
done
xdotool mouseup 1
await $title Rec
await $start 'Games\Rec'
await $launch rec.exe
wait "$dragging" || fail "$step: the drop was not taken"
# The mouse went down on the drag source, which was made the active window: a click on the editor's label
# of the problems makes it the active one again.
xdotool mousemove $((X + 60)) $((Y + 345)) click 1
wait_for has_focus "$window" || fail "$step: the editor's window did not get the focus back"
xdotool key Escape
wait_for box_shown || fail "$step: Esc asked nothing"
focus "$box" || fail "$step: the question did not get the keyboard focus"
xdotool key n
ended "$step"
[ "$status" -eq 0 ] || fail "$step: the editor ended with status $status"
echo "the editor's journeys went as expected"
