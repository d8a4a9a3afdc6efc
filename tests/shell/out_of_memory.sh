#!/bin/sh
# LOAD of a stat table too large for the memory the program may take
# (ulimit -v): the command is abandoned with the message, the main prompt
# comes back with the roster loaded before, and the program goes on to its
# farewell.  Exits 77 (skipped) where the limit cannot be set or the
# program cannot start under it (the address sanitizer needs a huge
# address space).
# Usage: out_of_memory.sh PROGRAM
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
limit=65536  # KiB: a few times what the program needs to start
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
printf 'Ann (1) 10 100 200 300 400\n' >small.txt
# Half a million members: some 20 MB of table, several times that once read.
awk 'BEGIN { for (i = 1; i <= 500000; ++i) printf "Member %d (%d) 10 100 200 300 400\n", i, i }' \
  >large.txt
if ! (ulimit -v "$limit" && printf 'quit\n' | "$program" 2>&1 | grep -q 'Have a Nice Day'); then
  echo "ulimit -v SKIPPED: the program cannot run with $limit KiB of address space here"
  exit 77
fi
printed=$( (ulimit -v "$limit" && printf 'load small.txt\nload large.txt\nlist\nlist\ndone\nquit\n' |
  "$program" 2>&1) | tr -d '\r')
failed=0
expect() {
  if ! printf '%s\n' "$printed" | grep -qF -- "$1"; then
    echo "missing: $1"
    failed=1
  fi
}
expect '   [LOADING]
   [NOT ENOUGH MEMORY.  COMMAND ABORTED]

   [KORVELIN-MAIN]'
expect '|Ann                           :'
expect 'Have a Nice Day :D'
[ "$failed" -eq 0 ] || printf '%s\n' "$printed" | tail -n 40
exit "$failed"
