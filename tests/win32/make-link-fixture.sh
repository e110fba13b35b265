#!/bin/sh
# Makes the directory links the tree-removal tests need. Windows programs under Wine cannot create
# them (CreateSymbolicLink succeeds and makes nothing), so the links are made from the Linux side.
# Usage: make-link-fixture.sh <folder>   (the folder is emptied and rebuilt)
set -eu
root="$1"
rm -rf "$root"
mkdir -p "$root/target" "$root/tree/sub"
echo keep >"$root/target/canary.txt"
echo before >"$root/tree/before.txt"
echo inner >"$root/tree/sub/inner.txt"
ln -s ../target "$root/tree/link"
ln -s target "$root/toplink"
