#!/bin/sh
# Runs a transcript with a test library preloaded into the program (a disk
# that refuses to flush, typically).  Exits 77 (skipped) where it cannot be
# preloaded: into a Windows program, or where the program does not start
# with it.
# Usage: under_preload.sh LIBRARY RUNNER TRANSCRIPT PROGRAM
library=$1 runner=$2 script=$3 program=$4
case $program in
  *.exe)
    echo "preload transcript SKIPPED: a Windows program cannot preload the Linux library $library"
    exit 77 ;;
esac
# The address sanitizer refuses to start when another library is loaded
# before it; the test library does not need it to come first.
set -- env LD_PRELOAD="$library" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
if ! "$@" "$program" </dev/null >/dev/null 2>&1; then
  echo "preload transcript SKIPPED: $program does not start with $library preloaded"
  exit 77
fi
exec "$runner" "$script" -- "$@" "$program"
