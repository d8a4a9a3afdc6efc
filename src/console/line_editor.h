// The line editor: on a terminal, lines are typed with editing keys, recalled
// from the typed-line history (console/line_history.h) with Up and Down, and completed with
// Tab by what the prompt being answered takes (console/completion.h).
#pragma once

#include "console/console.h"

namespace korvelin {

// When the program was built with the line editor and standard input and
// output are both a terminal: `console` reads every line through the editor
// from now on, and Ctrl-C no longer ends the program (at a prompt it discards
// the line being typed; while a command runs it stops the command, as
// console/interrupt.h tells).  Otherwise changes nothing.  Tells which.
bool StartLineEditor(Console& console);

}  // namespace korvelin
