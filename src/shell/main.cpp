// KORVELIN, the Scrapton Rankulatorium: a gang leader's roster and ranking
// console.  Takes no arguments; everything is typed at its prompts.
#include <cstdio>

#include "console/console.h"
#include "shell/shell.h"

int main() {
  // Output is written in large blocks; every read of the console flushes it.
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  AttachConsole(stdin, stdout);
  return RunProgram();
}
