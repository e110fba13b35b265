#!/bin/sh
# Runs the built VexarCheck.exe under Wine on a launcher folder made here and compares its whole output
# (byte for byte, CR LF line ends and Windows-1252 text included) and its exit status with what is expected.
#
#   check_configs.sh CASE EXE WINE_RUN DATA_DIR WORK_DIR
#
#   findings  a folder with one example of every finding and one clean game; data/check_findings.txt, exit 1
#   clean     a folder without a problem, checked as the current directory; data/check_clean.txt, exit 0
#   refused   a wrong argument and a missing folder: nothing on stdout, one line on stderr, exit 2
#
# The examples of a program found only on the search path and of one found only through its App Paths
# registration (made in the build's own Wine prefix for the run, and removed again) lie in WORK_DIR,
# whose Windows path stands as <work> in the expected output.
set -eu
case_name=$1
exe=$2
wine_run=$3
data=$4
work=$5/$case_name

rm -rf "$work"
mkdir -p "$work"
win_path() { "$wine_run" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# config FILE TITLE_LINE START LAUNCH PREPARATION: nine lines, CR LF, labels of 15 characters.
config() {
    printf 'LABELVEXARLNCH]\r\n%s\r\nNotes:         Notes.\r\nStart Location:%s\r\nLaunch File:   %s\r\nDefault Params:-window\r\nHD Params:     -hd\r\nCD Prelaunch:  %s\r\nCD Params:     -cd\r\n' \
        "$2" "$3" "$4" "$5" >"$1"
}

# The clean game: its start folder and programs beside the launcher, a title in Windows-1252.
clean_game() {
    mkdir -p "$1/Configs" "$1/Games/Clean"
    printf 'MZ' >"$1/Games/Clean/clean.exe"
    printf 'MZ' >"$1/Games/Clean/prepare.exe"
    config "$1/Configs/Clean.cfg" "$(printf 'Game Title:    Clean Caf\351')" 'Games\Clean' clean.exe prepare.exe
}

compare() {  # EXPECTED_FILE EXPECTED_STATUS ACTUAL_FILE ACTUAL_STATUS
    if ! cmp -s "$1" "$3"; then
        echo "VexarCheck's output differs from $1:"
        diff "$1" "$3" || true
        exit 1
    fi
    [ "$4" -eq "$2" ] || { echo "VexarCheck ended with $4, expected $2"; exit 1; }
}

case $case_name in
findings)
    folder=$work/launcher
    clean_game "$folder"
    c=$folder/Configs
    mkdir -p "$work/OnPath" "$work/Registered" "$c/Folder.cfg"
    printf 'MZ' >"$work/OnPath/pathonly.exe"
    printf 'MZ' >"$work/Registered/vexar-registered.exe"
    printf 'MZ' >"$folder/beside.exe"
    printf 'This is not a launcher configuration.\r\nIt has no marker line.\r\n' >"$c/Broken.cfg"
    : >"$c/Empty.cfg"
    config "$c/EightLines.cfg" 'Game Title:    Eight Lines' 'Games\Clean' clean.exe ''
    sed -i '9d' "$c/EightLines.cfg"
    config "$c/ShortValue.cfg" 'Game Title:    Short Value' 'Games\Clean' clean.exe ''
    sed -i 's/^Default Params:-window/Default:/' "$c/ShortValue.cfg"
    config "$c/ShortTitle.cfg" 'Title: Short' 'Games\Clean' clean.exe ''
    config "$c/Untitled.cfg" 'Game Title:    ' 'Games\Clean' clean.exe ''
    config "$c/NoFolder.cfg" 'Game Title:    No Folder' 'Games\Missing' 'C:\windows\system32\hostname.exe' ''
    config "$c/NoProgram.cfg" 'Game Title:    No Program' 'Games\Clean' missing.exe ''
    config "$c/NoLaunchFile.cfg" 'Game Title:    No Launch File' 'Games\Clean' '' ''
    config "$c/AbsentAbsolute.cfg" 'Game Title:    Absent Absolute' 'Games\Clean' 'C:\Games\Nowhere\game.exe' ''
    config "$c/NoPrep.cfg" 'Game Title:    No Preparation' 'Games\Clean' clean.exe missing-prepare.exe
    config "$c/Beside.cfg" 'Game Title:    Beside' 'Games\Clean' beside.exe ''
    config "$c/OnPath.cfg" 'Game Title:    On Path' 'Games\Clean' pathonly ''
    config "$c/WindowsOwn.cfg" 'Game Title:    Windows Own' 'Games\Clean' hostname.exe ''
    config "$c/Registered.cfg" 'Game Title:    Registered' 'Games\Clean' vexar-registered.exe ''
    config "$c/UPPER.CFG" 'Game Title:    Upper' 'Games\Clean' clean.exe ''
    config "$c/Game.cfg.txt" 'Game Title:    Text' 'Games\Clean' clean.exe ''
    config "$c/Hidden.cfg" 'Game Title:    Hidden' 'Games\Clean' clean.exe ''
    : >"$folder/IsCD.txt"
    (cd "$c" && "$wine_run" attrib +h Hidden.cfg >/dev/null 2>&1)
    (cd "$folder" && "$wine_run" attrib +h IsCD.txt >/dev/null 2>&1)
    # Title.cfg whose record counts 99 characters: one more than a record holds.
    printf 'c\000' >"$folder/Title.cfg"

    work_win=$(win_path "$work")
    app_key='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\vexar-registered.exe'
    "$wine_run" reg add "$app_key" /ve /d "$work_win\\Registered\\vexar-registered.exe" /f >/dev/null 2>&1
    status=0
    WINEPATH="$work_win\\OnPath" "$wine_run" "$exe" "$(win_path "$folder")" >"$work/raw.txt" 2>"$work/stderr.txt" ||
        status=$?
    "$wine_run" reg delete "$app_key" /f >/dev/null 2>&1
    # The folder's Windows path becomes <work>, the rest stays byte for byte.
    WORK_WIN=$work_win perl -pe 's/\Q$ENV{WORK_WIN}\E/<work>/g' "$work/raw.txt" >"$work/stdout.txt"
    compare "$data/check_findings.txt" 1 "$work/stdout.txt" "$status"
    ;;
clean)
    folder=$work/launcher
    clean_game "$folder"
    mkdir -p "$folder/VLManual"
    printf '<html></html>\r\n' >"$folder/VLManual/index.html"
    : >"$folder/IsCD.txt"
    printf '\012\000Caf\351 Games' >"$folder/Title.cfg"
    status=0
    (cd "$folder" && "$wine_run" "$exe") >"$work/stdout.txt" 2>"$work/stderr.txt" || status=$?
    compare "$data/check_clean.txt" 0 "$work/stdout.txt" "$status"
    ;;
refused)
    refused() {  # MESSAGE_START ARGUMENTS...: exit status 2, nothing on stdout, one line on stderr
        expected=$1
        shift
        status=0
        "$wine_run" "$exe" "$@" >"$work/stdout.txt" 2>"$work/stderr.txt" || status=$?
        [ "$status" -eq 2 ] || { echo "VexarCheck $*: ended with $status, expected 2"; exit 1; }
        [ ! -s "$work/stdout.txt" ] || { echo "VexarCheck $*: wrote to stdout"; exit 1; }
        [ "$(wc -l <"$work/stderr.txt")" -eq 1 ] || { echo "VexarCheck $*: not one line on stderr"; exit 1; }
        [ "$(head -c ${#expected} "$work/stderr.txt")" = "$expected" ] ||
            { echo "VexarCheck $*: stderr does not begin with \"$expected\""; cat "$work/stderr.txt"; exit 1; }
    }
    refused 'usage: VexarCheck [folder]' one two
    refused 'usage: VexarCheck [folder]' --help
    refused 'VexarCheck: cannot read the folder' "$(win_path "$work")\\missing"
    ;;
*)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac
