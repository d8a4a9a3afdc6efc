#!/bin/sh
# The HTML report passes the HTML validator: `tidy -e -q` must print nothing
# and succeed for a page with every preset of the sample gang after an
# update, for a page whose names hold every character HTML escapes or
# replaces (the saved roster of the export transcripts, one name given a
# control character and a C1 byte), and for a page without tables.  Exits
# 77 (skipped) when tidy is missing.
# Usage: html_valid.sh PROGRAM EXAMPLES_FOLDER SAVE_FILE
program=$1
examples=$2
save=$3
if ! command -v tidy >/dev/null 2>&1; then
  echo "HTML validation SKIPPED: tidy is not installed (Debian: tidy)"
  exit 77
fi
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
cp "$examples/gang.txt" "$examples/gang-week2.txt" "$work/" || exit 1
odd=$(printf 'A\001\205n')
sed "s/^|Ann /|$odd/" "$save" >"$work/odd.sav" || exit 1
cd "$work" || exit 1
"$program" >session.log <<'INPUT'
load gang.txt
update gang-week2.txt
list
output gang.html
list
default
percent
wc
speed
power
strength
done
load odd.sav
list
output odd.html
list
percent
wc
output empty.html
done
quit
y
\
INPUT
failed=0
for page in gang.html odd.html empty.html; do
  if [ ! -s "$page" ]; then
    echo "$page: not written"
    failed=1
    continue
  fi
  messages=$(tidy -e -q "$page" 2>&1)
  status=$?
  if [ "$status" -ne 0 ] || [ -n "$messages" ]; then
    [ -n "$messages" ] && printf '%s\n' "$messages"
    echo "tidy -e -q $page: exit status $status; it must print nothing and exit 0"
    failed=1
  fi
done
grep -q "$(printf 'A\357\277\275\357\277\275n')" odd.html || {
  echo "odd.html: the control characters of a name are not shown as U+FFFD"
  failed=1
}
[ "$failed" -eq 0 ] && echo "tidy finds nothing to report in the HTML reports"
exit "$failed"
