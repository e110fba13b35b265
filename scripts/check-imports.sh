#!/bin/sh
# Fails when a Windows executable imports a DLL that is not part of Windows itself. Given the folder of
# what the oldest Windows it runs on exports (windows-exports/<system>/, one <dll>.txt a DLL, one name a
# line) and that Windows' version (5.1, 6.1), it also fails when its header states another version for
# the OS or the subsystem, or when it imports a function that Windows does not export - each named with
# its DLL.
# Usage: check-imports.sh OBJDUMP EXE [EXPORTS VERSION]
set -eu
objdump=$1
exe=$2
exports=${3:-}
version=${4:-}
headers=$("$objdump" -p "$exe")
# "DLL function" a line, in the import table's order; "DLL <ordinal>" for an import by ordinal.
imports=$(printf '%s\n' "$headers" | awk '
    /^[[:space:]]*DLL Name: / { dll = $3; next }
    /^[^[:space:]]/ { dll = "" }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll, ($NF == "<none>" ? "<ordinal>" : $NF) }')
dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || { echo "no imports found in $exe" >&2; exit 1; }
status=0
for dll in $dlls; do
    lower=$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]')
    case $lower in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | shell32.dll | ole32.dll | oleaut32.dll | \
        advapi32.dll | msvcrt.dll | api-ms-win-*.dll) ;;
        *)
            echo "foreign $dll" >&2
            status=1
            continue ;;
    esac
    functions=$(printf '%s\n' "$imports" | awk -v dll="$dll" '$1 == dll { print $2 }')
    count=$(printf '%s\n' "$functions" | grep -c .) || true
    if [ -z "$exports" ]; then
        echo "ok      $dll: $count imported"
        continue
    fi
    list=$exports/${lower%.dll}.txt
    if [ ! -f "$list" ]; then
        echo "unknown $dll: no list of its exports in $exports" >&2
        status=1
        continue
    fi
    missing=$(printf '%s\n' "$functions" | grep -vxF -f "$list") || true
    if [ -n "$missing" ]; then
        for function in $missing; do echo "missing $dll $function: not exported by $(basename "$exports")" >&2; done
        status=1
    else
        echo "ok      $dll: $count imported, all exported by $(basename "$exports")"
    fi
done
if [ -n "$version" ]; then
    major=${version%%.*}
    minor=${version#*.}
    for field in OSystem Subsystem; do
        stated=$(printf '%s\n' "$headers" | awk -v f="$field" '
            $1 == "Major" f "Version" { major = $2 } $1 == "Minor" f "Version" { minor = $2 }
            END { print major "." minor }')
        if [ "$stated" = "$major.$minor" ]; then
            echo "ok      ${field}Version $stated"
        else
            echo "version ${field}Version $stated, not $version" >&2
            status=1
        fi
    done
fi
exit $status
