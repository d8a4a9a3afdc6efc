// The shell: start-up, the main protocol, the banner and the about and help
// screens.
#pragma once

#include <optional>
#include <string>

#include "console/console.h"
#include "roster/session.h"

namespace korvelin {

// The program's command line: --help and --version print and return 0, an
// argument that is not an option is a file to load at start-up, anything
// else prints the usage to standard error and returns 2.  A session reads
// lines through the line editor when it can (console/line_editor.h).
// Returns the exit status.
int RunCommandLine(int argc, const char* const* argv, Console& console, Session& session);

// Runs a whole session on `console`: the banner, the `file` loaded as LOAD
// loads it (when given), the main protocol until QUIT or the end of the
// input, and the farewell.  Returns the exit status (0).  With input from a
// `terminal`, the banner is followed by the news of unsaved work kept by
// earlier runs, the unsaved work is kept every minute while it changes, and
// the end of the input asks before unsaved changes are lost.  After a
// hang-up (console/hangup.h) the unsaved changes are kept
// (shell/recovery.h) and the program ends there.  A command that runs out
// of memory is abandoned (console/protocol.h); when the program cannot go
// on (out of memory outside any command, or while saying so) the unsaved
// changes are kept as on a hang-up, the message is printed and it returns 1.
int RunProgram(Console& console, Session& session,
               const std::optional<std::string>& file = std::nullopt, bool terminal = false);

// Prints the banner.
void PrintBanner(Console& console);
// Prints the about pages, asking between them whether to go on.
void ShowAbout(Console& console);

}  // namespace korvelin
