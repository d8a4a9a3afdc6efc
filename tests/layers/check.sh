#!/bin/sh
# Includes point down only: a file of src/MODULE may include the headers of
# its own module and of the modules on the lines below its own, never those
# above it or beside it.  Prints every include that breaks the rule.
# Usage: check.sh SRC_FOLDER
layers='shell
files list maintenance
console
roster
text
base'

src=$1
failed=0
for file in $(find "$src" -name '*.h' -o -name '*.cpp' | sort); do
  module=$(basename "$(dirname "$file")")
  grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
    sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1 \2/' |
    while read -r line header; do
      target=${header%%/*}
      [ "$target" = "$header" ] && continue  # not a module header
      printf '%s\n' "$layers" | awk -v from="$module" -v to="$target" '
        { for (i = 1; i <= NF; ++i) rank[$i] = NR }
        END {
          if (!(from in rank) || !(to in rank)) exit 2
          if (from == to || rank[to] > rank[from]) exit 0
          exit 1
        }'
      case $? in
        1) echo "$file:$line: $module includes $header, which is not below it"; echo x ;;
        2) echo "$file:$line: $module or $target is not a layer named in $0"; echo x ;;
      esac
    done
done | {
  status=0
  while read -r report; do
    if [ "$report" = x ]; then status=1; else printf '%s\n' "$report"; fi
  done
  [ "$status" -eq 0 ] && echo "every include in $src points down"
  exit "$status"
}
