#!/bin/sh
# The committed width table is what tools/width_table.py writes from the
# installed Unicode data.  Exits 77 (skipped) when python3 or the data
# (Debian: unicode-data) is missing, or when the data is of another Unicode
# version than the table.
# Usage: width_table.sh PROJECT_FOLDER [UNICODE_FOLDER]
project=$1
data=${2:-/usr/share/unicode}
table=$project/src/text/width_table.h
if ! command -v python3 >/dev/null 2>&1; then
  echo "width table check SKIPPED: python3 is not installed"
  exit 77
fi
if [ ! -r "$data/UnicodeData.txt" ] || [ ! -r "$data/EastAsianWidth.txt" ]; then
  echo "width table check SKIPPED: no Unicode data in $data (Debian: unicode-data)"
  exit 77
fi
version=$(sed -n '1s/^# EastAsianWidth-\(.*\)\.txt.*/\1/p' "$data/EastAsianWidth.txt")
if ! grep -q "for Unicode $version:" "$table"; then
  echo "width table check SKIPPED: $data holds Unicode $version, the table another version"
  exit 77
fi
if python3 "$project/tools/width_table.py" "$data" | diff -u "$table" -; then
  echo "$table is what tools/width_table.py writes from Unicode $version"
else
  echo "$table differs from what tools/width_table.py writes: run it again"
  exit 1
fi
