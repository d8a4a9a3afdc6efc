#!/bin/sh
# Runs a transcript with a test library preloaded into the program, or says
# SKIPPED (status 77) where it cannot be preloaded: into a Windows program,
# or where the program does not start with it (a sanitizer that insists on
# coming first, a system without LD_PRELOAD).
# Usage: preload.sh LIBRARY RUNNER TRANSCRIPT PROGRAM
library=$1 runner=$2 transcript=$3 program=$4

case $program in
  *.exe)
    echo "SKIPPED: a Windows program cannot preload the Linux library $(basename "$library")"
    exit 77 ;;
esac
# The address sanitizer refuses to start when another library is loaded
# before it; the test library does not need it to be first.
set -- env LD_PRELOAD="$library" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
if ! "$@" "$program" </dev/null >/dev/null 2>&1; then
  echo "SKIPPED: $(basename "$program") does not start with $(basename "$library") preloaded"
  exit 77
fi
exec "$runner" "$transcript" -- "$@" "$program"
