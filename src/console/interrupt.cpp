// Ctrl-C as a request that the running command stop.
#include "console/interrupt.h"

#include <csignal>

#include "console/console.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace korvelin {

namespace {

// A signal handler reaches nothing but static storage: this flag (and
// `waiting` below) are all that the handlers and the program share, and the
// handlers only set them and arm the alarm, which is safe in a handler.
volatile std::sig_atomic_t requested = 0;  // Ctrl-C pressed

}  // namespace

bool InterruptRequested() { return requested != 0; }

void ClearInterrupt() { requested = 0; }

void RequestInterrupt() { requested = 1; }

InterruptibleWait::InterruptibleWait(Console& console) {
  console.Flush();
  Begin();
}

#ifdef _WIN32

// The Windows build has no line editor: Ctrl-C keeps its default action.
void CatchInterrupts() {}
void InterruptibleWait::Begin() {}
InterruptibleWait::~InterruptibleWait() = default;

#else

namespace {

volatile std::sig_atomic_t waiting = 0;  // an InterruptibleWait lives

// How long a wait that began just after Ctrl-C may go on before the alarm
// breaks it off: the signal breaks off only a call already waiting.
constexpr unsigned kAlarmSeconds = 1;

void OnInterrupt(int) {
  requested = 1;
  if (waiting != 0) alarm(kAlarmSeconds);
}

// The alarm breaks off the wait it finds, and is armed again for the next
// one as long as the wait goes on.
void OnAlarm(int) {
  if (waiting != 0 && requested != 0) alarm(kAlarmSeconds);
}

bool Catching() {
  struct sigaction current {};
  return sigaction(SIGINT, nullptr, &current) == 0 && current.sa_handler == OnInterrupt;
}

}  // namespace

void InstallSignalHandler(int number, void (*handler)(int), bool restart,
                          struct sigaction* previous) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = restart ? SA_RESTART : 0;
  sigaction(number, &action, previous);
}

void CatchInterrupts() { InstallSignalHandler(SIGINT, OnInterrupt, true); }

void InterruptibleWait::Begin() {
  active_ = Catching() && waiting == 0;
  if (!active_) return;
  InstallSignalHandler(SIGALRM, OnAlarm, false, &alarm_before_);
  InstallSignalHandler(SIGINT, OnInterrupt, false);
  waiting = 1;
  // Ctrl-C pressed just before: the wait that follows is broken off soon.
  if (requested != 0) alarm(kAlarmSeconds);
}

InterruptibleWait::~InterruptibleWait() {
  if (!active_) return;
  waiting = 0;
  alarm(0);
  InstallSignalHandler(SIGINT, OnInterrupt, true);
  sigaction(SIGALRM, &alarm_before_, nullptr);
}

#endif

}  // namespace korvelin
