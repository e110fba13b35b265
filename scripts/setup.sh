#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, when it is missing. The 32-bit build's tests run
# under Debian's 32-bit Wine (wine32 of the i386 architecture, beside wine64), so the i386 architecture is
# added to dpkg first when it is not there yet. Safe to run again: it installs nothing that is installed.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
          g++-mingw-w64-i686-posix g++-mingw-w64-i686 binutils-mingw-w64-i686
          wine wine64 wine32:i386 xvfb xauth x11-utils xdotool imagemagick bsdutils python3)
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

update=
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture (for wine32)"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    update=1  # the package lists know no i386 package until they are read again
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "$update" ]; then
    "${sudo_cmd[@]}" apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
