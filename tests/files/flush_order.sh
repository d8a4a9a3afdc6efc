#!/bin/sh
# The order of one SAVE's steps on the disk: the temporary file beside the
# save is written and flushed before it is renamed over the old file, and
# the folder is flushed after the rename.  The program runs under strace; the
# Windows build runs under Wine, whose relay log shows its calls to the
# system (the flush, then the write-through replacement).  SKIPPED (status
# 77) where the program cannot be traced.
# Usage: flush_order.sh PROGRAM   or   flush_order.sh --wine WINE PROGRAM.exe
set -u
wine=
if [ "$1" = --wine ]; then
  wine=$2
  shift 2
fi
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
printf 'Ann(101) 10 1000 2000 3000 4000\nBob(102) 20 4000 1000 2000 3000\n' >gang.txt
echo 'the previous save' >game.sav
typed='load gang.txt\nsave game.sav\nquit\ny\n\\\n'

if [ -z "$wine" ]; then
  if ! command -v strace >/dev/null; then
    echo "SKIPPED: strace is not installed"
    exit 77
  fi
  if ! strace -f -qq -o /dev/null true 2>/dev/null; then
    echo "SKIPPED: strace cannot trace here (ptrace refused)"
    exit 77
  fi
  # The leak checker of a sanitizer build cannot run under a tracer.
  printf "$typed" | ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -qq -o trace.txt \
    -e trace=open,openat,creat,write,fsync,fdatasync,close,rename,renameat,renameat2 \
    "$program" >/dev/null || { echo "flush order: the traced program failed"; exit 2; }
  # Each call is checked against the steps before it; `fd` is the temporary
  # file's descriptor, `folder` the folder's, once they are open.
  awk '
    function fail(why) { print "flush order: " why ": " $0; bad = 1; exit 1 }
    function result() { return $NF }
    /open.*"[^"]*\.game\.sav\.saving-[0-9]+-[0-9]+".*O_CREAT/ { fd = result(); step = "open"; next }
    step == "" { next }
    $0 ~ "write\\(" fd "," {
      if (step != "open" && step != "written") fail("written after its flush")
      step = "written"; next
    }
    $0 ~ "f(data)?sync\\(" fd "\\) += 0" && step == "written" { step = "flushed"; next }
    $0 ~ "close\\(" fd "\\)" && step != "renamed" && step != "folder" {
      if (step != "flushed") fail("closed before its flush")
      next
    }
    /rename.*\.game\.sav\.saving-.*"game\.sav"/ {
      if (step != "flushed") fail("renamed before its flush")
      step = "renamed"; next
    }
    step == "renamed" && /open.*"\."/ { folder = result(); step = "folder"; next }
    step == "folder" && $0 ~ "fsync\\(" folder "\\) += 0" { step = "done"; exit 0 }
    END {
      if (bad) exit 1
      if (step != "done") { print "flush order: stopped after the step \"" step "\""; exit 1 }
      print "written, flushed, renamed, folder flushed"
    }' trace.txt || { cat trace.txt; exit 1; }
else
  printf "$typed" | WINEDEBUG=+relay "$wine" "$program" >/dev/null 2>relay.txt ||
    { echo "flush order: the program failed under Wine"; exit 2; }
  # Only the program's own calls into the system library count.
  awk '
    function fail(why) { print "flush order: " why ": " $0; bad = 1; exit 1 }
    !/KERNEL32\.(CreateFileW|WriteFile|FlushFileBuffers|CloseHandle|MoveFileExW)\(/ &&
      !/Ret +KERNEL32\.CreateFileW\(/ { next }
    /Call KERNEL32\.CreateFileW\(.*\.game\.sav\.saving-[0-9]+-[0-9]+"/ { step = "create"; next }
    step == "create" && /Ret +KERNEL32\.CreateFileW\(/ {
      sub(/.*retval=/, ""); handle = $1; step = "open"; next
    }
    step == "" || /Ret / { next }
    $0 ~ "WriteFile\\(" handle "," {
      if (step != "open" && step != "written") fail("written after its flush")
      step = "written"; next
    }
    $0 ~ "FlushFileBuffers\\(" handle "\\)" && step == "written" { step = "flushed"; next }
    /MoveFileExW\(.*\.game\.sav\.saving-.*"game\.sav",00000009\)/ {
      if (step != "flushed") fail("replaced before its flush")
      step = "done"; exit 0
    }
    END {
      if (bad) exit 1
      if (step != "done") { print "flush order: stopped after the step \"" step "\""; exit 1 }
      print "written, flushed, replaced with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH"
    }' relay.txt || exit 1
fi
