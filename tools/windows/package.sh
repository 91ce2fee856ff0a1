#!/usr/bin/env bash
# The portable zip of the Windows command-line tool: lottodesk-cli.exe beside its data folder
# (database/ and save/, seeded by the tool itself under Wine, so the portable rule applies: the
# executable's folder holds database/), and a short README in Chinese.
# Usage: package.sh LOTTODESK-CLI.EXE VERSION OUTPUT-FOLDER
set -euo pipefail
exe=$(readlink -f "$1")
version=$2
out=$(readlink -f "$3")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
wine=${LOTTODESK_WINE:-$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder="$stage/lottodesk-cli-$version-windows"
mkdir -p "$folder"
cp "$exe" "$folder/lottodesk-cli.exe"
"$wine" "$folder/lottodesk-cli.exe" --home "$folder" types > /dev/null
test -f "$folder/database/cps.typ"
rm -f "$folder/database/.lock"
# Notepad reads UTF-8 with CR LF line ends.
sed 's/$/\r/' "$source_dir/tools/windows/README-zh.txt" > "$folder/说明.txt"
zip_file="$out/lottodesk-cli-$version-windows.zip"
rm -f "$zip_file"
(cd "$stage" && zip -q -r -X "$zip_file" "$(basename "$folder")")
echo "$zip_file"
