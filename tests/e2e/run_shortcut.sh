#!/bin/sh
# The built launcher started as a shortcut starts it: "VexarLauncher.exe /run NAME OPTIONS" under Wine, its
# command line exactly as written (from a batch file, which hands it over unchanged), starting the games
# through the real shell. The game and the CD preparation program are copies of the recorder. Boxes are
# answered with the keyboard once they are up; the exit status is compared.
#
#   run_shortcut.sh LAUNCHER RECORDER WINE_RUN WORK_DIR
set -eu
launcher=$1
recorder=$2
wine_run=$3
work=$4

. "$(dirname "$0")/launcher_under_wine.sh"

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
    ended "/run $3"
    [ "$status" -eq "$1" ] || fail "$3: exit status $status, expected $1"
}
records() { compare_records "$folder" "$start" "$1" /run; }

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
