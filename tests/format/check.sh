#!/bin/sh
# Every source file is as the root .clang-format lays it out.  Exits 77
# (skipped) when clang-format is missing.
# Usage: check.sh PROJECT_FOLDER
if ! command -v clang-format >/dev/null 2>&1; then
  echo "format check SKIPPED: clang-format is not installed (Debian: clang-format)"
  exit 77
fi
cd "$1" || exit 2
files=$(find src tests bench -path tests/fuzz/corpus -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
if clang-format --dry-run -Werror $files; then
  echo "every file under src/, tests/ and bench/ is formatted"
else
  echo "run: clang-format -i \$(the files named above)"
  exit 1
fi
