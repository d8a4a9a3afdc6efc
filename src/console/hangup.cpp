// Hang-ups.  What the signal handler uses is the one state at namespace
// scope: a signal handler can reach nothing else.
#include "console/hangup.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

#include "console/interrupt.h"

namespace korvelin {

namespace {

volatile std::sig_atomic_t hang_up = 0;  // the signal that came; 0: none
volatile std::sig_atomic_t watching_terminal = 0;

#ifdef _WIN32

HANDLE main_thread = nullptr;  // the thread that reads the console and keeps the work

// Runs on a thread of its own, which the system starts for the event.  The
// main thread's read of the console is cancelled so that it notices; the
// process ends when the main thread has kept the work, or when the system
// ends it (a few seconds after the event).
BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_CLOSE_EVENT && event != CTRL_LOGOFF_EVENT && event != CTRL_SHUTDOWN_EVENT) {
    return FALSE;  // Ctrl-C and Ctrl-Break are not hang-ups
  }
  hang_up = SIGTERM;
  // A read the main thread begins just after a cancel is cancelled again.
  for (int tries = 0; tries < 100; ++tries) {
    if (main_thread != nullptr) CancelSynchronousIo(main_thread);
    Sleep(50);
  }
  return TRUE;
}

#else

int empty_input = -1;                          // /dev/null, open from the start
termios terminal_modes{};                      // RestoreTerminalOnHangUp's
volatile std::sig_atomic_t restore_modes = 0;  // terminal_modes are to be put back

// The terminal gets its modes back (tcsetattr is safe in a handler).  A
// read of standard input that has not begun yet would wait for a line
// that never comes: standard input becomes empty, and that read ends at
// once.  One waiting already is broken off (EINTR).
extern "C" void OnHangUp(int signal) {
  const int error = errno;
  hang_up = signal;
  if (restore_modes != 0) tcsetattr(STDIN_FILENO, TCSANOW, &terminal_modes);
  if (empty_input >= 0) dup2(empty_input, STDIN_FILENO);
  errno = error;
}

#endif

}  // namespace

void WatchForHangUp(bool terminal) {
  watching_terminal = terminal ? 1 : 0;
#ifdef _WIN32
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &main_thread, 0,
                  FALSE, DUPLICATE_SAME_ACCESS);
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
  empty_input = open("/dev/null", O_RDONLY | O_CLOEXEC);
  // No SA_RESTART: a read waiting for a typed line is broken off (EINTR).
  InstallSignalHandler(SIGHUP, OnHangUp, false);
  InstallSignalHandler(SIGTERM, OnHangUp, false);
#endif
}

void RestoreTerminalOnHangUp() {
#ifndef _WIN32
  if (tcgetattr(STDIN_FILENO, &terminal_modes) == 0) restore_modes = 1;
#endif
}

bool HungUp() {
  if (hang_up != 0) return true;
#ifdef _WIN32
  return false;
#else
  // A closed terminal ends the input before its SIGHUP arrives: a terminal
  // that has gone is no longer one.
  return watching_terminal != 0 && !isatty(STDIN_FILENO);
#endif
}

void EndAfterHangUp() {
#ifdef _WIN32
  ExitProcess(1);
#else
  const int signal = hang_up != 0 ? static_cast<int>(hang_up) : SIGHUP;
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  _exit(128 + signal);
#endif
}

}  // namespace korvelin
