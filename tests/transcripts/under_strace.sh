#!/bin/sh
# Runs a transcript with the program under strace, with the options its
# "# strace: ..." line gives (fault injection, typically).  Exits 77
# (skipped) when strace is missing or may not trace here.
# Usage: run.sh RUNNER TRANSCRIPT PROGRAM
runner=$1 script=$2 program=$3
if ! command -v strace >/dev/null 2>&1; then
  echo "strace transcript SKIPPED: strace is not installed (Debian: strace)"
  exit 77
fi
if ! strace -qq -o /dev/null true >/dev/null 2>&1; then
  echo "strace transcript SKIPPED: strace may not trace here (ptrace refused)"
  exit 77
fi
options=$(sed -n 's/^# strace: //p' "$script")
# The leak checker cannot work under ptrace; the other sanitizers can.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# shellcheck disable=SC2086  # the options are words
exec "$runner" "$script" -- strace -qq -o /dev/null $options "$program"
