#!/bin/sh
# The layer check fails when a lower module includes a higher one: a copy of
# src/ in which the List protocol includes the shell must be refused.
# Usage: catches.sh CHECK_SCRIPT SRC_FOLDER
check=$1
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -R "$2" "$copy/src"
echo '#include "shell/shell.h"' >>"$copy/src/list/list.cpp"
if sh "$check" "$copy/src" >/dev/null; then
  echo "the layer check passed list.cpp including shell/shell.h"
  exit 1
fi
echo "the layer check refuses list.cpp including shell/shell.h"
