#!/bin/sh
# make-zip.sh ZIP STAGE FILE...: packs the files, flat and in the order given,
# into ZIP. The copies in STAGE all get one fixed time (in UTC) and the same
# mode, and the archive holds no extra fields and no folder entries, so the
# same files always give the same bytes, whenever and wherever they are packed.
set -eu
zip=$1
stage=$2
shift 2
rm -rf "$stage"
mkdir -p "$stage" "$(dirname "$zip")"
names=
for file in "$@"; do
    cp "$file" "$stage/"
    names="$names $(basename "$file")"
done
export TZ=UTC
cd "$stage"
# shellcheck disable=SC2086 # the names hold no spaces; they are ours
chmod 0644 $names
# shellcheck disable=SC2086
touch -d '2002-01-01 00:00:00' $names
rm -f "$zip"
# shellcheck disable=SC2086
zip -X -D -q "$zip" $names
