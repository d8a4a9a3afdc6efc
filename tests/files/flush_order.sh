#!/bin/sh
# The order of one SAVE's steps on the disk: the temporary file is written
# and flushed; the old file gets a second name, which becomes its backup
# (game.sav.bak); only then does the new file replace it, and the folder is
# flushed.
# Traced with strace; the Windows build with Wine's relay log of its calls to
# the system (there the replacement is written through instead of a folder
# flush).  SKIPPED (status 77) where the program cannot be traced.
# Usage: flush_order.sh PROGRAM   or   flush_order.sh --wine WINE PROGRAM.exe
wine=
[ "$1" = --wine ] && wine=$2 && shift 2
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
printf 'Ann(101) 10 1000 2000 3000 4000\n' >gang.txt
printf 'the previous save\n' >game.sav
typed='load gang.txt save game.sav quit y \\\n'
# Each awk program names the steps it sees, repeated writes as one.
if [ -n "$wine" ]; then
  expected='created written flushed closed linked backed-up replaced(write-through)'
  printf "$typed" | WINEDEBUG=+relay "$wine" "$program" >/dev/null 2>trace.txt
  steps=$(awk '
    / KERNEL32\.CreateFileW\(.*\.game\.sav\.saving-/ { want = 1; next }
    want && /Ret +KERNEL32\.CreateFileW\(/ { sub(/.*retval=/, ""); h = $1; want = 0; print "created" }
    /Call KERNEL32\.CreateHardLinkW\(.*saving-.*"game\.sav"/ { print "linked" }
    /Call KERNEL32\.MoveFileExW\(.*saving-.*"game\.sav\.bak",00000009\)/ { print "backed-up" }
    /Call KERNEL32\.MoveFileExW\(.*saving-.*"game\.sav",00000009\)/ { print "replaced(write-through)" }
    h == "" || !/Call KERNEL32\./ { next }
    $0 ~ "WriteFile\\(" h "," { if (last != "written") print last = "written" }
    $0 ~ "FlushFileBuffers\\(" h "\\)" { print "flushed" }
    $0 ~ "CloseHandle\\(" h "\\)" { print "closed"; h = "" }
    ' trace.txt | tr '\n' ' ')
else
  if ! command -v strace >/dev/null || ! strace -qq -o /dev/null true 2>/dev/null; then
    echo "flush order SKIPPED: strace is not installed or may not trace here"
    exit 77
  fi
  expected='created written flushed closed linked backed-up renamed folder-flushed'
  # The leak checker of a sanitizer build cannot run under a tracer.
  printf "$typed" | ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -qq \
    -o trace.txt -e trace=openat,write,fsync,fdatasync,close,link,linkat,rename,renameat2 \
    "$program" >/dev/null
  steps=$(awk '
    /open.*\.game\.sav\.saving-.*O_CREAT/ { fd = $NF; print "created"; next }
    fd == "" { next }
    $0 ~ "write\\(" fd "," { if (last != "written") print last = "written" }
    $0 ~ "sync\\(" fd "\\) += 0" { print renamed ? "folder-flushed" : "flushed" }
    $0 ~ "close\\(" fd "\\)" && !renamed { print "closed" }
    /link.*"game\.sav", .*saving-.*\) += 0/ { print "linked" }
    /rename.*saving-.*"game\.sav\.bak"\) += 0/ { print "backed-up" }
    /rename.*saving-.*"game\.sav"\) += 0/ { print "renamed"; renamed = 1 }
    renamed && /open.*"\."/ { fd = $NF }
    ' trace.txt | tr '\n' ' ')
fi
if [ "$steps" != "$expected " ]; then
  echo "flush order: expected: $expected"
  echo "flush order: found:    $steps"
  exit 1
fi
echo "flush order: $expected"
