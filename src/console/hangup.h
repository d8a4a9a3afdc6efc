// Hang-ups: the terminal closing, a logout or a shutdown (SIGHUP and SIGTERM;
// on Windows the console's close, logoff and shutdown events) end the
// program, but not before it has kept the work not yet saved.
//
// The signal handler only notes the signal and empties standard input (both
// safe in a handler).  A read of the console that it breaks off, or the
// next one, ends as at the end of the input (console.h), every command
// returns at once, and the main protocol, seeing HungUp(), keeps the unsaved
// work and calls EndAfterHangUp().
#pragma once

namespace korvelin {

// Starts watching for hang-ups (once, at start-up).  `terminal`: standard
// input is a terminal, whose going away (a window closed) is a hang-up too,
// even before its signal arrives.
void WatchForHangUp(bool terminal);

// From now on a hang-up first puts the terminal back in the modes it has
// now: the line editor keeps it in modes of its own while it reads a line.
// (The editor does not watch for signals itself: its handler passes each
// signal on to every process of the terminal's job, ending the shell that
// started the program too.)
void RestoreTerminalOnHangUp();

// True once a hang-up has come.
bool HungUp();

// Ends the program as the hang-up would have ended it (its signal's own
// action), after the work has been kept.
[[noreturn]] void EndAfterHangUp();

}  // namespace korvelin
