// The line editor on a pseudo-terminal: keys typed as a terminal sends them,
// the program's replies read from the screen.  Every step waits for what it
// expects (never for a fixed time), so a loaded machine only makes it slower.
// Skipped when the program was built without libedit.
//
//   terminal_keys PROGRAM
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::string program;
constexpr std::chrono::seconds kPatience(60);

const char kMain[] = "[KORVELIN-MAIN]\r\n >>> ";
const char kMainHelp[] = "Main Protocol Help";
const char kFarewell[] = "Have a Nice Day :D";
const char kUp[] = "\x1b[A";

// The program on a pseudo-terminal of its own, in `folder`, with its history
// under `state`.
class Terminal {
 public:
  Terminal(const fs::path& folder, const fs::path& state) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    const std::string slave = ptsname(master_);
    const winsize size{50, 200, 0, 0};
    ioctl(master_, TIOCSWINSZ, &size);
    pid_ = fork();
    if (pid_ == 0) {
      setsid();
      const int tty = open(slave.c_str(), O_RDWR);
      if (tty < 0 || chdir(folder.c_str()) != 0) _exit(127);
      for (int fd = 0; fd < 3; ++fd) dup2(tty, fd);
      setenv("TERM", "xterm", 1);
      setenv("HOME", folder.c_str(), 1);
      setenv("XDG_STATE_HOME", state.c_str(), 1);
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~Terminal() {
    if (pid_ > 0 && !ended_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
  }

  void Type(const std::string& keys) {
    ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  // Waits until `text` shows after everything awaited before.
  bool Await(const std::string& text) {
    const auto deadline = Clock::now() + kPatience;
    for (std::size_t at; (at = screen_.find(text, seen_)) == std::string::npos;) {
      if (!ReadMore(deadline)) {
        ADD_FAILURE() << "never shown: " << text << "\nafter: " << screen_.substr(seen_);
        return false;
      }
    }
    seen_ = screen_.find(text, seen_) + text.size();
    return true;
  }

  // Waits for a prompt and then for the editor to take keys one at a time:
  // it draws the prompt before it leaves the terminal's line mode, in which
  // Ctrl-C and Ctrl-D would mean something else.
  bool AwaitPrompt(const std::string& text) {
    if (!Await(text)) return false;
    const auto deadline = Clock::now() + kPatience;
    termios modes{};
    while (tcgetattr(master_, &modes) != 0 || (modes.c_lflag & ICANON) != 0) {
      if (Clock::now() > deadline) return false;
      poll(nullptr, 0, 5);
    }
    return true;
  }

  // The exit status once the program has ended; -1 when it has not in time.
  int ExitStatus() {
    const auto deadline = Clock::now() + kPatience;
    while (ReadMore(deadline)) {
    }
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) != pid_) {
      if (Clock::now() > deadline) return -1;
      poll(nullptr, 0, 20);
    }
    ended_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  const std::string& Screen() const { return screen_; }

 private:
  // False once the program has closed the terminal or time is up.
  bool ReadMore(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd p{master_, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got > 0) screen_.append(buffer, static_cast<std::size_t>(got));
    return got > 0;
  }

  int master_ = -1;
  pid_t pid_ = -1;
  bool ended_ = false;
  std::string screen_;    // every byte the program has written
  std::size_t seen_ = 0;  // where the next Await looks from
};

class TerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/korvelin-terminal-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    std::ofstream(folder_ / "gang.txt") << "Ann(101) 10 1000 2000 3000 4000\n";
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string History() const {
    std::ostringstream text;
    text << std::ifstream(folder_ / "state" / "korvelin" / "history").rdbuf();
    return text.str();
  }

  // Ends a session with Ctrl-D at the main prompt.
  static void End(Terminal& terminal) {
    ASSERT_TRUE(terminal.AwaitPrompt(kMain));
    terminal.Type("\x04");
    ASSERT_TRUE(terminal.Await(kFarewell));
    EXPECT_EQ(terminal.ExitStatus(), 0);
    EXPECT_EQ(terminal.Screen().find("[INVALID DATA INPUT]"), std::string::npos);
  }

  fs::path folder_;
};

// Each prompt completes its own words: main commands (one match completes,
// several are listed), the List commands, file names in any case.
TEST_F(TerminalTest, TabCompletesWhatThePromptTakes) {
  Terminal terminal(folder_, folder_ / "state");
  ASSERT_TRUE(terminal.AwaitPrompt(kMain));
  terminal.Type("hel\t\r");
  ASSERT_TRUE(terminal.Await(kMainHelp));
  ASSERT_TRUE(terminal.AwaitPrompt(kMain));
  terminal.Type("s\t");
  ASSERT_TRUE(terminal.Await("save  snap"));
  terminal.Type("\x15load\r");  // Ctrl-U empties the line
  ASSERT_TRUE(terminal.AwaitPrompt("[KORVELIN-LOAD]\r\n >>> "));
  terminal.Type("G\t\r");
  ASSERT_TRUE(terminal.Await("Ann                            :    101"));
  ASSERT_TRUE(terminal.AwaitPrompt(kMain));
  terminal.Type("list\r");
  ASSERT_TRUE(terminal.AwaitPrompt("[KORVELIN-LIST]\r\n >>> "));
  terminal.Type("w\t\r");
  ASSERT_TRUE(terminal.Await("Wt Total"));
  ASSERT_TRUE(terminal.AwaitPrompt("[KORVELIN-LIST]\r\n >>> "));
  terminal.Type("done\r");
  End(terminal);
}

// Up recalls the line before, in this run and in the next; the history file
// holds each line once.
TEST_F(TerminalTest, UpRecallsLinesOfThisRunAndOfTheRunBefore) {
  for (const std::string& first : {std::string("help\r"), kUp + std::string("\r")}) {
    Terminal terminal(folder_, folder_ / "state");
    ASSERT_TRUE(terminal.AwaitPrompt(kMain));
    terminal.Type(first);
    ASSERT_TRUE(terminal.Await(kMainHelp));
    ASSERT_TRUE(terminal.AwaitPrompt(kMain));
    terminal.Type(kUp + std::string("\r"));
    ASSERT_TRUE(terminal.Await(kMainHelp));
    End(terminal);
    EXPECT_EQ(History(), "help\n");
  }
}

// Ctrl-C throws the half-typed line away and the prompt comes back; the
// program goes on.
TEST_F(TerminalTest, CtrlCDiscardsTheLine) {
  Terminal terminal(folder_, folder_ / "state");
  ASSERT_TRUE(terminal.AwaitPrompt(kMain));
  terminal.Type("xyz");
  ASSERT_TRUE(terminal.Await("xyz"));
  terminal.Type("\x03");
  ASSERT_TRUE(terminal.AwaitPrompt("^C\r\n >>> "));
  terminal.Type("help\r");
  ASSERT_TRUE(terminal.Await(kMainHelp));
  End(terminal);
  EXPECT_EQ(History(), "help\n");
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifndef KORVELIN_LINE_EDITOR
  std::printf(
      "Line-editing test SKIPPED: korvelin was built without libedit "
      "(install libedit-dev and configure again)\n");
  return 77;
#endif
  if (argc != 2) {
    std::fprintf(stderr, "usage: terminal_keys PROGRAM\n");
    return 2;
  }
  program = fs::absolute(argv[1]).string();  // it runs in a folder of its own
  return RUN_ALL_TESTS();
}
