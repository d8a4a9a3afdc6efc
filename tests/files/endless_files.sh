#!/bin/sh
# LOAD of /dev/zero and UPDATE from a FIFO written to for ever give up at
# the 1 GiB read limit under a 1.25 GiB address space limit, and the roster
# stays.  SKIPPED (77) under the address sanitizer, whose shadow memory the
# limit cannot hold, and where the limit or a FIFO cannot be made.
# Usage: endless_files.sh PROGRAM SANITIZERS
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case "$2" in *address*) echo "SKIPPED: built with the address sanitizer"; exit 77 ;; esac
[ -c /dev/zero ] || { echo "SKIPPED: no /dev/zero"; exit 77; }
limit=1310720 # KiB
(ulimit -v $limit) 2>/dev/null || { echo "SKIPPED: no address space limit"; exit 77; }
work=$(mktemp -d)
writer=
trap '[ -n "$writer" ] && kill $writer 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 2
mkfifo endless 2>/dev/null || { echo "SKIPPED: no FIFO"; exit 77; }
printf 'Ann (1) 10 100 200 300 400\n' >gang.txt
cat /dev/zero >endless & # until the program has opened and closed it
writer=$!
printf 'load /dev/zero\nupdate endless\nlist list back\n' |
  (ulimit -v $limit && exec "$program" gang.txt) >out.txt 2>&1
status=$?
failed=0
for line in ' >>>    [FILE TOO LARGE.  LOAD ABORTED]' ' >>>    [FILE TOO LARGE.  UPDATE ABORTED]' \
  '|Ann                           :      1 :   10  :      100  :      200  :      300  :      400   :    1000   :    2.00 :|'; do
  grep -qxF -- "$line" out.txt || { echo "missing: $line"; failed=1; }
done
[ $status -eq 0 ] || { echo "exit status $status"; failed=1; }
[ $failed -eq 0 ] || cat out.txt
exit $failed
