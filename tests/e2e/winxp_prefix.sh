#!/usr/bin/env bash
# A Wine prefix that is 32-bit Windows XP SP3, for the 32-bit build's journeys: made once by
# scripts/wine-session.sh (32-bit, with the test settings; made again when the installed Wine changes)
# and set to report Windows XP, which is then checked. `stop` ends the prefix's server after the journeys.
#
#   winxp_prefix.sh start|stop WINE_SESSION_SCRIPT FOLDER   (the prefix is FOLDER/wineprefix)
set -euo pipefail
# shellcheck source=../../scripts/wine-session.sh
source "$2"
mkdir -p "$3"
wine_session_env "$3"
export WINEARCH=win32
case $1 in
start)
    wine_prefix_prepare "$3/wine-session.log"
    wine winecfg -v winxp </dev/null >>"$3/wine-session.log" 2>&1
    version=$(wine cmd /c ver </dev/null 2>&1 | tr -d '\r' | grep -v '^$' || true)
    case $version in
    *" 5.1.2600"*) echo "the prefix reports $version: Windows XP" ;;
    *) echo "Wine reports \"$version\" instead of Windows XP (5.1.2600)" >&2; exit 1 ;;
    esac
    ;;
stop) wineserver -k </dev/null >/dev/null 2>&1 || true ;;
*) echo "unknown step $1" >&2; exit 2 ;;
esac
