// Ctrl-C while a command runs.  On a terminal with line editing, Ctrl-C at
// a prompt is the line editor's key (it discards the line); while a command
// runs, the terminal turns it into SIGINT, which this module catches as a
// request that the command stop.  Commands that may run long look at the
// request between rows and stop there, changing nothing they had not
// finished; a wait for a file (a FIFO's open, a slow read) is broken off
// inside an InterruptibleWait.  Until CatchInterrupts is called (input from
// a file or a pipe, no line editor, Windows), SIGINT keeps its default
// action and no request is ever made.
#pragma once

#ifndef _WIN32
#include <signal.h>
#endif

namespace korvelin {

#ifndef _WIN32
// Sets `handler` for the signal `number`, the previous action kept in
// `previous` when it is given.  `restart`: a call the signal breaks off is
// resumed (SA_RESTART) instead of failing with EINTR.
void InstallSignalHandler(int number, void (*handler)(int), bool restart,
                          struct sigaction* previous = nullptr);
#endif

class Console;

// Catches SIGINT from now on.  A write that it interrupts resumes where it
// was, so nothing printed is ever lost.
void CatchInterrupts();

// Whether Ctrl-C was pressed since the request was last forgotten.
bool InterruptRequested();
// Forgets the request: Ctrl-C pressed before a command's line was read is
// not the command's.
void ClearInterrupt();
// Makes the request, as Ctrl-C that the line editor reads as a key does in
// a text being pasted.
void RequestInterrupt();

// While one lives, a request also breaks off a system call that waits for a
// file, such as opening a FIFO that no one writes to, or reading one that
// has nothing to read: the call fails (EINTR).  Nothing may write to the
// console meanwhile, as such a write would be broken off too.  Without
// CatchInterrupts it changes nothing.
class InterruptibleWait {
 public:
  InterruptibleWait() { Begin(); }
  // Shows what `console` holds first (a prompt answered by type-ahead): the
  // wait may be long, and nothing reaches the screen during it.
  explicit InterruptibleWait(Console& console);
  ~InterruptibleWait();
  InterruptibleWait(const InterruptibleWait&) = delete;
  InterruptibleWait& operator=(const InterruptibleWait&) = delete;

 private:
  void Begin();
  bool active_ = false;  // the handlers were changed and are put back after
#ifndef _WIN32
  struct sigaction alarm_before_ {};  // SIGALRM's action before
#endif
};

}  // namespace korvelin
