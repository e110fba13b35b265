#!/usr/bin/env bash
# Builds the release (the mingw preset's executables, the ones the tests run) and writes
# dist/VexarLauncher-<version>-win64.zip and its .sha256 beside it. The same commit gives the same zip,
# byte for byte, in any folder, at any time and in any time zone: the zip's times are the commit's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fail() { echo "$1" >&2; exit 1; }
scripts/setup.sh
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "note: the checkout has changes that are not committed: the zip holds them, so it is not the" \
         "last commit's release" >&2
fi

mkdir -p build
cmake --preset mingw >build/mingw-configure.log 2>&1 ||
    { cat build/mingw-configure.log; fail "configure failed"; }
rm -rf build/mingw/dist
cmake --build --preset mingw --target release_zip >build/package.log 2>&1 ||
    { cat build/package.log; fail "packaging failed (log: build/package.log)"; }

zips=(build/mingw/dist/*.zip)
[ -f "${zips[0]}" ] || fail "no zip in build/mingw/dist (log: build/package.log)"
name=${zips[0]##*/}
mkdir -p dist
cp "${zips[0]}" "${zips[0]}.sha256" dist/ || fail "cannot copy the zip to dist/"
python3 -m zipfile -l "dist/$name"
echo "dist/$name: $(wc -c <"dist/$name") bytes, SHA-256 $(cut -d' ' -f1 "dist/$name.sha256")"
