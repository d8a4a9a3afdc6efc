// The shell: start-up, the main protocol, the banner and the about and help
// screens.
#pragma once

// Runs a whole session on the attached console: start-up, the main protocol
// until QUIT or the end of the input, the farewell, and the release of every
// record.  Returns the exit status (0).
int RunProgram();

// The main protocol's loop.
void MainProtocol();

// Prints the banner.
void Welcome();
// Prints the about pages, asking between them whether to go on.
void About();
// Prints the main help.
void Help_Main();
