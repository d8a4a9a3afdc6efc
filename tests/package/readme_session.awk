# The README's first session ("A week with KORVELIN"), read from the README
# itself: in its indented block, a line " >>> WORDS   (a note)" is typed
# input, "..." stands for replies left out, and every other line is the
# program's reply as shown.
#   awk -v mode=input -f readme_session.awk README.md      the typed lines
#   awk -v mode=replies -f readme_session.awk README.md    the replies, in
#       runs of lines shown together, a line "@@" after each run
#   awk -v mode=check -f readme_session.awk REPLIES OUTPUT
#       checks that each run appears, in order and line for line, in the
#       program's OUTPUT (line ends CR LF or LF; the prompt " >>> " in front
#       of a reply dropped, as input from a pipe is not echoed after it);
#       prints the first run that does not and exits 1
function end_run() {
  if (run_length > 0) print "@@"
  run_length = 0
}
mode != "check" && /^## / {
  in_session = ($0 == "## A week with KORVELIN")
  next
}
mode != "check" && in_session && /^    / {
  line = substr($0, 5)
  if (line ~ /^ >>> /) {
    end_run()
    if (mode == "input") {
      typed = substr(line, 6)
      sub(/  +\(.*\)$/, "", typed)
      sub(/ +$/, "", typed)
      print typed
    }
  } else if (line == "...") {
    end_run()
  } else if (mode == "replies") {
    print line
    run_length++
  }
  next
}
mode != "check" && in_session && $0 != "" { end_run() }
mode != "check" { next }

# mode check: the runs, then the output.
FNR == NR {
  if ($0 == "@@") runs++
  else run[runs, length_of[runs]++] = $0
  next
}
{
  sub(/\r$/, "")
  while (sub(/^ >>> /, "")) {}
  output[lines++] = $0
}
END {
  if (mode != "check") { end_run(); exit 0 }
  at = 0
  for (r = 0; r < runs; r++) {
    found = 0
    for (start = at; !found && start + length_of[r] <= lines; start++) {
      found = 1
      for (i = 0; found && i < length_of[r]; i++)
        if (output[start + i] != run[r, i]) found = 0
    }
    if (!found) {
      printf "the README shows, and the program did not print (in this order):\n"
      for (i = 0; i < length_of[r]; i++) print "  " run[r, i]
      exit 1
    }
    at = start - 1 + length_of[r]
  }
  if (runs == 0) { print "no replies found in the README's session"; exit 1 }
}
