#!/usr/bin/env bash
# Builds the release of both builds (the mingw and mingw32 presets' executables, the ones the tests run)
# and writes dist/VexarLauncher-<version>-win64.zip and dist/VexarLauncher-<version>-win32.zip, each with
# its .sha256 beside it. The same commit gives the same zips, byte for byte, in any folder, at any time and
# in any time zone: the zips' times are the commit's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fail() { echo "$1" >&2; exit 1; }
scripts/setup.sh
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "note: the checkout has changes that are not committed: the zips hold them, so they are not the" \
         "last commit's release" >&2
fi

mkdir -p build dist
for preset in mingw mingw32; do
    cmake --preset "$preset" >"build/$preset-configure.log" 2>&1 ||
        { cat "build/$preset-configure.log"; fail "configure failed ($preset)"; }
    rm -rf "build/$preset/dist"
    cmake --build --preset "$preset" --target release_zip >"build/package-$preset.log" 2>&1 ||
        { cat "build/package-$preset.log"; fail "packaging failed (log: build/package-$preset.log)"; }

    zips=("build/$preset/dist/"*.zip)
    [ -f "${zips[0]}" ] || fail "no zip in build/$preset/dist (log: build/package-$preset.log)"
    name=${zips[0]##*/}
    cp "${zips[0]}" "${zips[0]}.sha256" dist/ || fail "cannot copy the zip to dist/"
    python3 -m zipfile -l "dist/$name"
    echo "dist/$name: $(wc -c <"dist/$name") bytes, SHA-256 $(cut -d' ' -f1 "dist/$name.sha256")"
done
