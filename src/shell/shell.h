// The shell: start-up, the main protocol, the banner and the about and help
// screens.
#pragma once

#include <optional>
#include <string>

// The program's command line: --help and --version print and return 0, an
// argument that is not an option is a file to load at start-up, anything
// else prints the usage to standard error and returns 2.  A session reads
// lines through the line editor when it can (console/line_editor.h).
// Returns the exit status.
int RunCommandLine(int argc, const char* const* argv);

// Runs a whole session on the attached console: start-up, the `file` loaded
// as LOAD loads it (when given), the main protocol until QUIT or the end of
// the input, the farewell, and the release of every record.  Returns the
// exit status (0).
int RunProgram(const std::optional<std::string>& file = std::nullopt);

// The main protocol's loop.
void MainProtocol();

// Prints the banner.
void Welcome();
// Prints the about pages, asking between them whether to go on.
void About();
// Prints the main help.
void Help_Main();
