#!/bin/sh
# The committed width table is what tools/width_table.py writes from the
# installed Unicode data.  Exits 77 (skipped) without python3 or the data
# (Debian: unicode-data), or when the data is of another Unicode version.
# Usage: width_table.sh PROJECT_FOLDER [UNICODE_FOLDER]
table=$1/src/text/width_table.h
data=${2:-/usr/share/unicode}
version=$(sed -n '1s/^# EastAsianWidth-\(.*\)\.txt.*/\1/p' "$data/EastAsianWidth.txt" 2>/dev/null)
if ! command -v python3 >/dev/null 2>&1 || [ ! -r "$data/UnicodeData.txt" ] ||
   ! grep -q "for Unicode ${version:-?}:" "$table"; then
  echo "width table check SKIPPED: needs python3 and the Unicode data of the table's version in $data (Debian: unicode-data)"
  exit 77
fi
if ! python3 "$1/tools/width_table.py" "$data" | diff -u "$table" -; then
  echo "$table differs from what tools/width_table.py writes: run it again"
  exit 1
fi
echo "$table is what tools/width_table.py writes from Unicode $version"
