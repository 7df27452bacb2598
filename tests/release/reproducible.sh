#!/usr/bin/env bash
# The release package is reproducible: two copies of this source tree, in two
# fresh folders with paths of different lengths, each build the package with
# scripts/package, minutes apart; the game, the help file and the zip must
# come out byte for byte the same. The copies take the working tree as it is
# (build output and dist/ left out), so uncommitted changes are checked too.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/dz-reproducible.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
copies=("$work/a" "$work/second/copy-of-the-source")

for copy in "${copies[@]}"; do
    mkdir -p "$copy"
    tar -C "$root" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -C "$copy" -xf - || exit 1
    echo "reproducible: building the package in $copy"
    if ! "$copy/scripts/package" >"$copy.log" 2>&1; then
        cat "$copy.log" >&2
        echo "reproducible: the build in $copy failed" >&2
        exit 1
    fi
done

first=${copies[0]}
second=${copies[1]}
zip=$(cd "$first/dist" && ls -- *.zip)
status=0
for file in build/win-i686/game/dzarvek.exe build/win-i686/game/dzarvek.chm "dist/$zip"; do
    if cmp -s "$first/$file" "$second/$file"; then
        echo "reproducible: same bytes: $file ($(sha256sum <"$first/$file" | cut -c1-16)...)"
    else
        echo "reproducible: DIFFERENT: $file; first differing bytes (offset, octal values):" >&2
        cmp -l "$first/$file" "$second/$file" 2>&1 | head -n 8 >&2
        status=1
    fi
done
exit $status
