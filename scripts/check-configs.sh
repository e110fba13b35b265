#!/usr/bin/env bash
# Checks the game files of a launcher folder with VexarCheck.exe under Wine: builds the checker when it is
# missing or out of date, runs it on FOLDER (a Linux path) and passes its output and exit status through
# (0 no problem, 1 problems found, 2 the folder could not be read).
#
#   scripts/check-configs.sh FOLDER
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ $# -ne 1 ]; then
    echo "usage: scripts/check-configs.sh FOLDER   checks the launcher folder's game files under Wine" >&2
    exit 2
fi
[ -d "$1" ] || { echo "check-configs: $1 is not a folder" >&2; exit 2; }
folder=$(cd "$1" && pwd) || exit 2

cd "$root"
scripts/setup.sh >&2 || exit 2
if [ ! -f build/mingw/CMakeCache.txt ]; then
    cmake --preset mingw >build/mingw-configure.log 2>&1 || { cat build/mingw-configure.log >&2; exit 2; }
fi
cmake --build --preset mingw --target VexarCheck >build/check-configs-build.log 2>&1 ||
    { cat build/check-configs-build.log >&2; exit 2; }

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start build/mingw >&2 || exit 2
status=0
build/mingw/wine-run build/mingw/src/VexarCheck.exe "$(winepath -w "$folder")" </dev/null || status=$?
exit $status
