#!/bin/sh
# Fails when a Windows executable imports a DLL that is not part of Windows itself.
# Usage: check-imports.sh OBJDUMP EXE
set -eu
objdump=$1
exe=$2
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || { echo "no imports found in $exe" >&2; exit 1; }
status=0
for dll in $dlls; do
    case $(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]') in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | shell32.dll | ole32.dll | oleaut32.dll | \
        advapi32.dll | msvcrt.dll | api-ms-win-*.dll)
            echo "ok      $dll" ;;
        *)
            echo "foreign $dll" >&2
            status=1 ;;
    esac
done
exit $status
