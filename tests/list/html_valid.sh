#!/bin/sh
# The HTML report passes the HTML validator: `tidy -e -q` must print nothing
# and succeed for a page of every preset, TREND, HISTORY, STALLED, CHANGES
# and REPORT of the sample gang after four weekly tables (SVG lines and charts), for the saved roster of the export transcript with a control
# character and a C1 byte in a name (shown as U+FFFD), and for a page
# without tables.  Exits 77 (skipped) when tidy is missing.
# Usage: html_valid.sh PROGRAM EXAMPLES_FOLDER SAVE_FILE
if ! command -v tidy >/dev/null 2>&1; then
  echo "HTML validation SKIPPED: tidy is not installed (Debian: tidy)"
  exit 77
fi
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
cp "$2"/gang-2026-11-*.txt "$work/" || exit 1
# The save file's head is the transcripts' include, which it names.
sed -e "/^{{save_head}}\$/{r $(dirname "$3")/save_head.txt" -e 'd;}' \
  -e "s/^|Ann /|$(printf 'A\001\205n')/" "$3" >"$work/odd.sav" || exit 1
cd "$work" || exit 1
printf '%s\n' "load gang-2026-11-03.txt" "update gang-2026-11-10.txt" "update gang-2026-11-17.txt" \
  "update gang-2026-11-24.txt" list "output gang.html" list default percent wc speed power \
  strength "trend total" "history 0" "history 782554" "history all" "set stall 2 0" stalled changes \
  report done "load odd.sav" list "output odd.html" list \
  "output empty.html" done quit y '\' | "$1" >/dev/null
failed=0
for page in gang.html odd.html empty.html; do
  messages=$(tidy -e -q "$page" 2>&1)
  status=$?
  if [ ! -s "$page" ] || [ "$status" -ne 0 ] || [ -n "$messages" ]; then
    printf '%s\n' "$messages"
    echo "tidy -e -q $page: exit status $status; it must print nothing and exit 0"
    failed=1
  fi
done
if ! grep -q "$(printf 'A\357\277\275\357\277\275n')" odd.html; then
  echo "odd.html: a name's control characters are not shown as U+FFFD"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "tidy finds nothing to report in the HTML reports"
exit "$failed"
