#!/bin/sh
# The table viewer at a terminal of 100 x 30 that tmux runs: LIST of 60
# members in every column opens it, Right keeps the names, End shows the
# last rows, "/" finds a name, a resize is followed, q and Ctrl-C close it
# with the line that says what was viewed.  The same table to a file and
# after --plain is printed.  Each step waits for what it expects.  Exits 77
# (skipped) without tmux or in a build without the viewer.
# Usage: viewer.sh PROGRAM BUILT_WITH_VIEWER
if ! command -v tmux >/dev/null 2>&1 || [ "$2" != ON ]; then
  echo "Viewer test SKIPPED: it needs tmux and a build with ncursesw (libncurses-dev)"
  exit 77
fi
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d) || exit 1
tmux="tmux -S $work/socket"
trap '$tmux kill-server 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
# The history and any work kept after a hang-up stay in the folder.
run="HOME='$work' XDG_STATE_HOME='$work/state' '$program'"
awk 'BEGIN { for (i = 1; i <= 60; ++i) printf "Member %02d (%d) %d %d %d %d %d\n",
  i, 1000 + i, i, 100 * i, 200 * i, 300 * i, 400 * i }' | sed 's/^Member 30 /Zed Thirty /' >gang.txt
# The columns that a stat table's LOAD does not show.
every="set options beggain begp healthp intelp newbeg powerp speedp strenp totalp whealth wpower \
wspeed wstren wtotal healthgain oldtotal intelgain newhealth newintel newpower newspeed newstren \
newtotal powergain speedgain strengain totalgain done"

# Waits until the pane shows TEXT (a fixed text; in line N of the window
# when N is given, anywhere since the start otherwise), then types the
# keys after it.
step() {
  text=$1 line=$2
  shift 2
  tries=0
  until if [ -n "$line" ]; then $tmux capture-pane -p | sed -n "${line}p"; else
    $tmux capture-pane -p -J -S -; fi | grep -qF -- "$text"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 600 ]; then
      echo "never shown${line:+ on line $line}: $text"
      $tmux capture-pane -p
      exit 1
    fi
    sleep 0.05
  done
  [ $# -eq 0 ] || $tmux send-keys "$@"
}

$tmux new-session -d -x 100 -y 30 "$run gang.txt; sleep 60" || exit 1
step "[KORVELIN-MAIN]" "" "list" Enter "$every" Enter "list" Enter
step " ROWS 1-27 OF 60  COLUMNS 1-8 OF 36  " 30 Right Right
step "| NAME:                        : Old Total : Old Speed :" 1
step "|Member 01                     :      600  :      100  :" 3 End
step "|Member 60                     :    36000  :     6000  :" 29 Home
step " ROWS 1-27 OF 60  COLUMNS 4-9 OF 36  " 30 / z e d Enter
step " ROWS 30-56 OF 60  " 30
step "|Zed Thirty                    :    18000  :     3000  :" 3
$tmux resize-window -x 120 -y 40
step " ROWS 24-60 OF 60  COLUMNS 4-11 OF 36  " 40 q
step "   [60 ROWS, 36 COLUMNS VIEWED]" "" "set entries 50 list" Enter
step " ROWS 1-37 OF 50  COLUMNS 1-9 OF 36  " 40 C-c
step "   [50 ROWS, 36 COLUMNS VIEWED]" "" "set entries 0 output table.txt list done quit y \\" Enter
step "Have a Nice Day :D" ""
$tmux kill-session
$tmux new-session -d -x 100 -y 30 "$run --plain gang.txt; sleep 60" || exit 1
step "[KORVELIN-MAIN]" "" "list" Enter "$every" Enter "list done quit y \\" Enter
step "Have a Nice Day :D" ""
# A table typed ahead of its prompt starts on the prompt's line.
$tmux capture-pane -p -J -S - | sed 's/^ >>> //' | grep '^|' >screen.txt
failed=0
if [ "$(wc -l <table.txt)" -ne 62 ] || ! cmp -s table.txt screen.txt; then
  echo "the table to a file and after --plain is not the printed table of 62 lines"
  failed=1
fi
if $tmux capture-pane -p -J -S - | grep -q "VIEWED"; then
  echo "--plain: the table was viewed"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "the viewer opens, moves, finds, follows a resize and closes as it should"
exit "$failed"
