// KORVELIN, the Scrapton Rankulatorium: a gang leader's roster and ranking
// console.  Everything is typed at its prompts; the command line only offers
// help, the version and a file to load at start-up.
#include <cstdio>

#include "shell/shell.h"

int main(int argc, char** argv) {
  // Output is written in large blocks; every read of the console flushes it.
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  korvelin::Console console(stdin, stdout);
  korvelin::Session session;
  return korvelin::RunCommandLine(argc, argv, console, session);
}
