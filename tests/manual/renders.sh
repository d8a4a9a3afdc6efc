#!/bin/sh
# The manual page renders without a single warning, as typeset by default
# and as `man` shows it in a terminal: `groff -man -ww -z` must print
# nothing and succeed for both.  Exits 77 (skipped) when groff is missing.
# Usage: renders.sh PAGE
page=$1
if ! command -v groff >/dev/null 2>&1; then
  echo "manual page check SKIPPED: groff is not installed (Debian: groff-base)"
  exit 77
fi
failed=0
for device in "" -Tutf8; do
  messages=$(groff -man -ww -z $device "$page" 2>&1)
  status=$?
  if [ "$status" -ne 0 ] || [ -n "$messages" ]; then
    [ -n "$messages" ] && printf '%s\n' "$messages"
    echo "groff -man -ww -z${device:+ $device} $page: exit status $status; it must print nothing and exit 0"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "groff renders $page without warnings"
exit "$failed"
