#!/bin/sh
# Runs the built VexarCheck.exe under Wine on launcher folders made from data/launcher and compares its
# whole output (byte for byte, CR LF line ends and UTF-8 text included) and its exit status with
# what is expected.
#
#   check_configs.sh CASE EXE WINE_RUN DATA_DIR WORK_DIR BITS
#
#   findings  data/launcher: one example of every finding and one clean game; data/check_findings.txt, exit 1
#   clean     its clean game alone, checked as the current directory; data/check_clean.txt, exit 0
#   console   names outside the code page: data/check_console.txt redirected, and the same on a console
#   devices   games named as Windows devices (aux, com1, con): data/check_devices.txt redirected, and the
#             same on a console
#   huge_title  a UTF-16 game whose title line is cut at 4 MiB: valid UTF-8 that begins as
#             data/check_huge_title.txt (up to its last line end), exit 1
#   refused   a wrong argument and a missing folder: nothing on stdout, one line on stderr, exit 2
#
# The examples of a program found only on the search path and of one found only through its App Paths
# registration (made in the build's own Wine prefix for the run, and removed again) lie in WORK_DIR,
# whose Windows path stands as <work> in the expected output. BITS (32 or 64) is the checker's: a 32-bit
# program on 64-bit Windows reads the registry's 32-bit view, so the registration is made in that view, as
# a 32-bit installer would make it.
set -eu
case_name=$1
exe=$2
wine_run=$3
data=$4
work=$5/$case_name
bits=$6

rm -rf "$work"
mkdir -p "$work"
win_path() { "$wine_run" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

compare() {  # EXPECTED_FILE EXPECTED_STATUS ACTUAL_FILE ACTUAL_STATUS
    # A line of Wine's own client library (a thread still talking to the Wine server while the process ends)
    # is Wine's, not the checker's.
    sed -i -e '/^wine client error:/d' "$3"
    if ! cmp -s "$1" "$3"; then
        echo "VexarCheck's output differs from $1:"
        diff "$1" "$3" || true
        exit 1
    fi
    [ "$4" -eq "$2" ] || { echo "VexarCheck ended with $4, expected $2"; exit 1; }
}

# A check ends within a second or two; one that opens a device instead of a file may wait on it for ever.
# The runs of the cases that could are ended at a deadline, which fails the case.
deadline=60
timed_out() {  # STATUS HOW: true, after saying so, when `timeout` ended the run
    [ "$1" -eq 124 ] || [ "$1" -eq 137 ] || return 1
    echo "VexarCheck did not end within ${deadline}s $2"
}

# The text VexarCheck shows in FOLDER on a console (a pseudo-terminal here, which Wine gives the program
# as its console, wide enough not to wrap), once the terminal's control sequences are taken out, must be
# that of its redirected output, stdout.txt.
on_console() {  # FOLDER
    status=0
    timeout -k 5 "$deadline" script -qec "stty cols 1000; cd '$1' && '$wine_run' '$exe'" /dev/null \
        </dev/null >"$work/console.txt" 2>&1 || status=$?
    if timed_out "$status" "on a console"; then exit 1; fi
    sed -e 's/\x1b\[[0-9?;]*[A-Za-z]//g' -e 's/\r//g' "$work/console.txt" >"$work/console-text.txt"
    tr -d '\r' <"$work/stdout.txt" | cmp -s - "$work/console-text.txt" ||
        { echo "VexarCheck's console output differs:"; cat "$work/console.txt"; exit 1; }
}

# Runs VexarCheck in FOLDER with its output in stdout.txt and no input, ended at the deadline; sets status.
check_redirected() {  # FOLDER
    status=0
    (cd "$1" && timeout -k 5 "$deadline" "$wine_run" "$exe") </dev/null >"$work/stdout.txt" 2>&1 || status=$?
    if timed_out "$status" "with its output redirected"; then exit 1; fi
}

case $case_name in
findings)
    # The folder as the core test sees it, plus what git cannot hold: attributes, an empty folder, and
    # the programs found only outside the launcher folder.
    folder=$work/launcher
    cp -r "$data/launcher" "$folder"
    mkdir -p "$work/OnPath" "$work/Registered" "$folder/Configs/Folder.cfg"
    printf 'MZ' >"$work/OnPath/pathonly.exe"
    printf 'MZ' >"$work/Registered/vexar-registered.exe"
    (cd "$folder/Configs" && "$wine_run" attrib +h Hidden.cfg >/dev/null 2>&1)
    (cd "$folder" && "$wine_run" attrib +h IsCD.txt >/dev/null 2>&1)

    work_win=$(win_path "$work")
    app_key='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\vexar-registered.exe'
    # Registered as App Paths entries often are, with a variable the checker expands.
    "$wine_run" reg add "$app_key" /ve /t REG_EXPAND_SZ /d "%VEXAR_WORK%\\Registered\\vexar-registered.exe" /f \
        "/reg:$bits" >/dev/null 2>&1
    status=0
    VEXAR_WORK=$work_win WINEPATH="$work_win\\OnPath" "$wine_run" "$exe" "$(win_path "$folder")" >"$work/raw.txt" \
        2>"$work/stderr.txt" || status=$?
    "$wine_run" reg delete "$app_key" /f "/reg:$bits" >/dev/null 2>&1
    # The folder's Windows path becomes <work>, the rest stays byte for byte.
    WORK_WIN=$work_win perl -pe 's/\Q$ENV{WORK_WIN}\E/<work>/g' "$work/raw.txt" >"$work/stdout.txt"
    compare "$data/check_findings.txt" 1 "$work/stdout.txt" "$status"
    ;;
clean)
    folder=$work/launcher
    mkdir -p "$folder/Configs" "$folder/VLManual"
    cp -r "$data/launcher/Games" "$folder/"
    cp "$data/launcher/Configs/Clean.cfg" "$folder/Configs/"
    printf '<html></html>\r\n' >"$folder/VLManual/index.html"
    : >"$folder/IsCD.txt"
    printf '\012\000Caf\351 Games' >"$folder/Title.cfg"
    status=0
    (cd "$folder" && "$wine_run" "$exe") >"$work/stdout.txt" 2>"$work/stderr.txt" || status=$?
    compare "$data/check_clean.txt" 0 "$work/stdout.txt" "$status"
    ;;
console)
    # Names and titles outside the ANSI code page, and a Windows-1252 title: redirected, the output is
    # UTF-8 as expected; on a console the same text shows.
    folder=$work/launcher
    mkdir -p "$folder/Configs"
    cp -r "$data/launcher/Games" "$folder/"
    cp "$data/launcher/Configs/Encoded-UTF16LE.cfg" "$data/launcher/Configs/ゲーム.cfg" "$folder/Configs/"
    printf '\012\000Caf\351 Games' >"$folder/Title.cfg"
    status=0
    (cd "$folder" && "$wine_run" "$exe") >"$work/stdout.txt" 2>&1 || status=$?
    compare "$data/check_console.txt" 0 "$work/stdout.txt" "$status"
    on_console "$folder"
    ;;
devices)
    # Games whose names Windows takes for devices, whatever the extension: the auxiliary device, the
    # serial port and the console. Here they are plain files (a Windows checkout of git could not hold
    # them). Each is read like any other game, on a console too, where "con" is the console itself.
    folder=$work/launcher
    mkdir -p "$folder/Configs"
    cp -r "$data/launcher/Games" "$folder/"
    for game in aux:Auxiliary com1:Serial con:Console; do
        sed "s/Windows Own/${game#*:} Device/" "$data/launcher/Configs/WindowsOwn.cfg" \
            >"$folder/Configs/${game%%:*}.cfg"
    done
    check_redirected "$folder"
    compare "$data/check_devices.txt" 0 "$work/stdout.txt" "$status"
    on_console "$folder"
    ;;
huge_title)
    # A UTF-16 game whose title is "Café Huge: " and 2.5 million "é", 5 MB in UTF-8. Its line is cut at
    # 4 MiB; the bytes before the run of "é" are odd in number, so the cut falls inside one. The output
    # is compared up to the title's first characters, and must be valid UTF-8 all through.
    folder=$work/launcher
    mkdir -p "$folder/Configs"
    python3 -c 'import sys
lines = ["LABELVEXARLNCH]", "Game Title:    Caf\u00e9 Huge: " + "\u00e9" * 2500000, "Notes:         Notes."]
sys.stdout.buffer.write("\ufeff".encode("utf-16-le") + "\r\n".join(lines).encode("utf-16-le"))' \
        >"$folder/Configs/Huge.cfg"
    check_redirected "$folder"
    iconv -f UTF-8 -t UTF-8 "$work/stdout.txt" >/dev/null 2>"$work/iconv.txt" ||
        { echo "VexarCheck's output is not valid UTF-8:"; cat "$work/iconv.txt"; exit 1; }
    size=$(($(wc -c <"$data/check_huge_title.txt") - 2))
    head -c "$size" "$data/check_huge_title.txt" >"$work/expected-head.txt"
    head -c "$size" "$work/stdout.txt" >"$work/stdout-head.txt"
    compare "$work/expected-head.txt" 1 "$work/stdout-head.txt" "$status"
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
