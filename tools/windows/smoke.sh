#!/usr/bin/env bash
# The Windows command-line tool under Wine on a fresh program folder: the lottery types, an import,
# a filter run, the statistics table and a prize check. Usage: smoke.sh LOTTODESK-CLI.EXE
set -euo pipefail
exe=$(readlink -f "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
wine=${LOTTODESK_WINE:-$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)}
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
cd "$fresh"
cli() { "$wine" "$exe" --home "$fresh/home" "$@" | tr -d '\r'; }

cli --init types > types.txt
grep -q $'^0\t双色球\t6\t1\t33' types.txt
printf '2026097 03 08 12 19 25 30 09\r\n' > new.txt
test "$(cli import new.txt --with-secondary)" = 3494
cp "$source_dir/tests/data/typical.zh" typical.zh
cli filter typical.zh --out results.txt > filter.txt
grep -q '已得到符合条件的红号组有' filter.txt
test -s results.txt
cli table stats > stats.txt
test "$(wc -l < stats.txt)" -ge 2
cli prize results.txt --period 2026097 > prize.txt
test "$(wc -l < prize.txt)" = "$(wc -l < results.txt)"
echo "The Windows command-line tool runs under Wine: $(wc -l < results.txt) tickets filtered."
