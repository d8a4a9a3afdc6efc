// Other programs that the program runs (the clipboard's, where the system
// offers no clipboard calls): a child process handed its input and read for
// its output, within a time limit, never linked.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/read_file.h"
#include "base/stop_request.h"

namespace korvelin {

// How a child program's run ended.
enum class ChildEnd {
  kSucceeded,  // it exited with status 0 (its output, when read, ended too)
  kFailed,     // it exited with another status, or a signal ended it
  kMissing,    // it could not be started: not on PATH, or not a program
  kTimedOut,   // it ran past the time limit and was ended
  kStopped,    // the stop request came first, and it was ended
  kTooMuch,    // it wrote more than the output limit, and was ended
};

struct ChildRun {
  std::vector<std::string> arguments;  // the program (looked up on PATH) and its arguments
  std::string_view input;              // its standard input, which ends after it
  bool read_output = false;            // its standard output is read; otherwise discarded
  std::chrono::milliseconds limit{5000};
  std::size_t output_limit = kReadLimit;  // the most bytes of output taken
};

struct ChildResult {
  ChildEnd end = ChildEnd::kMissing;
  std::string output;  // what it wrote, when read; empty unless it succeeded
};

// Runs `run` and waits for it: its standard error is discarded, and it runs
// in a process group of its own, so that the terminal's Ctrl-C and hang-up
// are not its (a clipboard program may leave a process behind that keeps
// the copied text).  Its run is over when it exits and, when read, its
// output has ended.  `stop` is asked every few milliseconds meanwhile; a
// child that runs on past the limit, the stop request or the output limit
// is ended, with whatever it started in its group.  Without such calls
// (Windows), every program is missing.
ChildResult RunChild(const ChildRun& run, StopRequest& stop);

}  // namespace korvelin
