// Child programs through posix_spawn, fed and read through pipes by one poll
// loop, so that neither side's full pipe can hold the other up.
#include "base/child_program.h"

#ifdef _WIN32

namespace korvelin {

ChildResult RunChild(const ChildRun&, StopRequest&) { return ChildResult(); }

}  // namespace korvelin

#else

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

extern char** environ;

namespace korvelin {

namespace {

using Clock = std::chrono::steady_clock;

// How often a wait looks at the stop request.
constexpr std::chrono::milliseconds kSlice(50);

// A descriptor closed when it goes, or earlier.
class Descriptor {
 public:
  Descriptor() = default;
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int& fd() { return fd_; }
  bool open() const { return fd_ >= 0; }
  void Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

// A pipe whose ends are not passed on to any program the process starts.
bool OpenPipe(Descriptor& read_end, Descriptor& write_end) {
  int ends[2];
  if (pipe(ends) != 0) return false;
  read_end.fd() = ends[0];
  write_end.fd() = ends[1];
  return fcntl(ends[0], F_SETFD, FD_CLOEXEC) == 0 && fcntl(ends[1], F_SETFD, FD_CLOEXEC) == 0;
}

// Writing to a child that has stopped reading fails (EPIPE) instead of
// ending the program, while one lives.
class NoBrokenPipeSignal {
 public:
  NoBrokenPipeSignal() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &before_);
  }
  ~NoBrokenPipeSignal() { sigaction(SIGPIPE, &before_, nullptr); }
  NoBrokenPipeSignal(const NoBrokenPipeSignal&) = delete;
  NoBrokenPipeSignal& operator=(const NoBrokenPipeSignal&) = delete;

 private:
  struct sigaction before_ {};
};

// Starts the child: standard input from `input`, standard output to
// `output` (or nowhere), standard error nowhere, no other descriptor of
// the program's, signals at their defaults, in a group of its own.
bool Spawn(const ChildRun& run, int input, int output, pid_t& pid) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  if (posix_spawn_file_actions_init(&actions) != 0) return false;
  if (posix_spawnattr_init(&attributes) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return false;
  }
  posix_spawn_file_actions_adddup2(&actions, input, 0);
  if (output >= 0) {
    posix_spawn_file_actions_adddup2(&actions, output, 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  short flags = POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  // A process left behind to keep the clipboard would otherwise hold the
  // program's files open, a FIFO it writes tables to among them.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#elif defined(POSIX_SPAWN_CLOEXEC_DEFAULT)
  flags |= POSIX_SPAWN_CLOEXEC_DEFAULT;
#endif
  posix_spawnattr_setflags(&attributes, flags);
  posix_spawnattr_setpgroup(&attributes, 0);
  sigset_t signals;
  sigemptyset(&signals);
  for (int number : {SIGPIPE, SIGINT, SIGQUIT, SIGHUP, SIGTERM, SIGALRM, SIGCHLD}) {
    sigaddset(&signals, number);
  }
  posix_spawnattr_setsigdefault(&attributes, &signals);
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
  std::vector<char*> arguments;
  for (const std::string& argument : run.arguments) {
    arguments.push_back(const_cast<char*>(argument.c_str()));
  }
  arguments.push_back(nullptr);
  const int error =
      posix_spawnp(&pid, arguments[0], &actions, &attributes, arguments.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0;
}

}  // namespace

ChildResult RunChild(const ChildRun& run, StopRequest& stop) {
  ChildResult result;
  if (run.arguments.empty()) return result;
  Descriptor input_read, input, output, output_write;
  if (!OpenPipe(input_read, input)) return result;
  if (run.read_output && !OpenPipe(output, output_write)) return result;
  const NoBrokenPipeSignal no_signal;
  pid_t pid = 0;
  if (!Spawn(run, input_read.fd(), run.read_output ? output_write.fd() : -1, pid)) return result;
  // The child's ends are its own now: the output ends when it (and all it
  // started) have closed it.
  input_read.Close();
  output_write.Close();
  fcntl(input.fd(), F_SETFL, O_NONBLOCK);

  std::size_t written = 0;
  if (run.input.empty()) input.Close();
  bool exited = false;
  int status = 0;
  const Clock::time_point deadline = Clock::now() + run.limit;
  ChildEnd cut = ChildEnd::kSucceeded;  // kSucceeded: not cut short
  for (;;) {
    if (!exited && waitpid(pid, &status, WNOHANG) == pid) {
      exited = true;
      input.Close();  // what it did not read is left unread
    }
    if (exited && !output.open()) break;
    if (stop.Requested()) {
      cut = ChildEnd::kStopped;
      break;
    }
    const Clock::time_point now = Clock::now();
    if (now >= deadline) {
      cut = ChildEnd::kTimedOut;
      break;
    }
    pollfd watched[2];
    nfds_t count = 0;
    if (input.open()) watched[count++] = {input.fd(), POLLOUT, 0};
    if (output.open()) watched[count++] = {output.fd(), POLLIN, 0};
    const auto wait = std::min<Clock::duration>(kSlice, deadline - now);
    const int ready = poll(
        watched, count,
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(wait).count()) + 1);
    if (ready <= 0) continue;
    for (nfds_t i = 0; i < count; ++i) {
      if (watched[i].revents == 0) continue;
      if (watched[i].fd == input.fd()) {
        const ssize_t sent =
            write(input.fd(), run.input.data() + written, run.input.size() - written);
        if (sent > 0) written += static_cast<std::size_t>(sent);
        if (written == run.input.size() || (sent < 0 && errno != EAGAIN && errno != EINTR)) {
          input.Close();
        }
      } else {
        char block[1 << 16];
        const ssize_t got = read(output.fd(), block, sizeof block);
        if (got > 0) {
          if (result.output.size() + static_cast<std::size_t>(got) > run.output_limit) {
            cut = ChildEnd::kTooMuch;
            break;
          }
          result.output.append(block, static_cast<std::size_t>(got));
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
          output.Close();
        }
      }
    }
    if (cut != ChildEnd::kSucceeded) break;
  }
  if (cut != ChildEnd::kSucceeded) {
    // The whole group goes: a process the child left behind too.
    kill(-pid, SIGKILL);
    if (!exited) waitpid(pid, &status, 0);
    result.output.clear();
    result.end = cut;
    return result;
  }
  result.end =
      WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ChildEnd::kSucceeded : ChildEnd::kFailed;
  if (result.end != ChildEnd::kSucceeded) result.output.clear();
  return result;
}

}  // namespace korvelin

#endif
