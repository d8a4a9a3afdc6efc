// The command line: --help, --version, --plain and a file to load at
// start-up (after "--" when its name begins with "-").
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "console/hangup.h"
#include "console/line_editor.h"
#include "shell/shell.h"

namespace korvelin {

namespace {

const char kUsage[] =
    "Usage: korvelin [--plain] [FILE]\n"
    "       korvelin --help | --version\n"
    "\n"
    "KORVELIN, the Scrapton Rankulatorium: a Scrapton gang's roster, rankings\n"
    "and training progress, at the console.  With FILE (a stat table or a save\n"
    "file) it starts by loading it, as LOAD does.\n"
    "\n"
    "Options:\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "  --plain     print every table, never opening the table viewer\n"
    "\n"
    "On a terminal, when built with line editing: Up and Down recall earlier\n"
    "lines, Tab completes commands, keywords and file names, Ctrl-C clears the\n"
    "line and Ctrl-D on an empty line ends the program.  The lines typed are\n"
    "kept in $XDG_STATE_HOME/korvelin/history (~/.local/state/korvelin/history\n"
    "when XDG_STATE_HOME is not set).\n";

}  // namespace

int RunCommandLine(int argc, const char* const* argv, Console& console, Session& session) {
  std::optional<std::string> file;
  bool options = true;  // until "--", which makes every later word a file
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (options && argument == "--") {
      options = false;
      continue;
    }
    if (options && argument == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    // Tables are printed, never shown in the viewer (SET VIEW turns it on).
    if (options && argument == "--plain") {
      session.view = false;
      continue;
    }
    if (options && argument == "--version") {
      std::fputs("korvelin " KORVELIN_VERSION "\n", stdout);
      return 0;
    }
    // One file at most; any other word beginning with "-" is an option
    // this program does not have, and is named before the usage.
    const bool unknown = options && argument[0] == '-';
    if (unknown || file) {
      if (unknown) std::fprintf(stderr, "korvelin: unknown option '%s'\n", argument.c_str());
      std::fputs(kUsage, stderr);
      return 2;
    }
    file = argument;
  }
  StartLineEditor(console);
  console.UseViewer(TerminalViewer());
#ifdef _WIN32
  const bool terminal = _isatty(_fileno(stdin)) != 0;
#else
  const bool terminal = isatty(STDIN_FILENO) != 0;
#endif
  WatchForHangUp(terminal);
  return RunProgram(console, session, file, terminal);
}

}  // namespace korvelin
