// The line editor on a pseudo-terminal: keys are typed as a terminal sends
// them and the program's replies are read from the screen.  Every step waits
// for what it expects to appear (never for a fixed time), so a loaded machine
// only makes the test slower.  Skipped when the program was built without
// libedit.
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
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

extern char** environ;

namespace {

const char* program = nullptr;
constexpr std::chrono::seconds kPatience(60);

const char kMainPrompt[] = "[KORVELIN-MAIN]\r\n >>> ";
const char kMainHelp[] = "Main Protocol Help";
const char kFarewell[] = "Have a Nice Day :D";
const char kUp[] = "\x1b[A";
const char kCtrlC[] = "\x03";
const char kCtrlD[] = "\x04";

// Control characters spelled out, for a failure's message.
std::string Visible(const std::string& text) {
  std::string shown;
  for (const unsigned char c : text) {
    if (c >= 32 && c < 127) {
      shown += static_cast<char>(c);
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", c);
      shown += code;
    }
  }
  return shown;
}

// The program running on a pseudo-terminal of its own.
class Terminal {
 public:
  Terminal(const fs::path& folder, const fs::path& home, const fs::path& state) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
      ADD_FAILURE() << "no pseudo-terminal";
      return;
    }
    const std::string slave = ptsname(master_);
    winsize size{};
    size.ws_row = 50;
    size.ws_col = 200;
    ioctl(master_, TIOCSWINSZ, &size);
    // The environment is made before the fork: the child only execs.
    std::vector<std::string> variables = {"TERM=xterm", "HOME=" + home.string(),
                                          "XDG_STATE_HOME=" + state.string()};
    for (char** v = environ; *v != nullptr; ++v) {
      const std::string variable = *v;
      if (variable.rfind("TERM=", 0) != 0 && variable.rfind("HOME=", 0) != 0 &&
          variable.rfind("XDG_STATE_HOME=", 0) != 0) {
        variables.push_back(variable);
      }
    }
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(&v[0]);
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_ = fork();
    if (pid_ == 0) {
      setsid();
      const int tty = open(slave.c_str(), O_RDWR);
      if (tty < 0 || chdir(folder.c_str()) != 0) _exit(127);
      ioctl(tty, TIOCSCTTY, 0);
      dup2(tty, 0);
      dup2(tty, 1);
      dup2(tty, 2);
      if (tty > 2) close(tty);
      close(master_);
      execve(program, argv, envp.data());
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

  // Waits until `text` shows after everything awaited before; false when it
  // has not come in time or the program has closed the terminal.
  bool Await(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
      const std::size_t at = screen_.find(text, seen_);
      if (at != std::string::npos) {
        seen_ = at + text.size();
        return true;
      }
      if (!ReadMore(deadline)) {
        ADD_FAILURE() << "never shown: " << Visible(text)
                      << "\nthe screen after what was seen: " << Visible(screen_.substr(seen_))
                      << "\nthe whole screen: " << Visible(screen_);
        return false;
      }
    }
  }

  // Waits for a prompt: `text`, and then for the editor to take keys one by
  // one (it draws the prompt first and then leaves the terminal's line mode,
  // in which Ctrl-C and Ctrl-D would mean something else).
  bool AwaitPrompt(const std::string& text) {
    if (!Await(text)) return false;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
      termios modes{};
      if (tcgetattr(master_, &modes) == 0 && (modes.c_lflag & ICANON) == 0) return true;
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the editor never took the keys after " << Visible(text);
        return false;
      }
      poll(nullptr, 0, 5);
    }
  }

  // The exit status once the program has ended (-1 when it did not end in
  // time or was killed).
  int ExitStatus() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (ReadMore(deadline)) {
    }
    int status = 0;
    for (;;) {
      const pid_t done = waitpid(pid_, &status, WNOHANG);
      if (done == pid_) break;
      if (std::chrono::steady_clock::now() > deadline) return -1;
      poll(nullptr, 0, 50);
    }
    ended_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // What has shown since the last text awaited.
  std::string Unseen() const { return screen_.substr(seen_); }
  const std::string& Screen() const { return screen_; }

 private:
  // Reads what the program writes next; false once the terminal is closed
  // or the deadline has passed.
  bool ReadMore(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got <= 0) return false;  // EIO: the program has ended
    screen_.append(buffer, static_cast<std::size_t>(got));
    return true;
  }

  int master_ = -1;
  pid_t pid_ = -1;
  bool ended_ = false;
  std::string screen_;    // every byte the program has written
  std::size_t seen_ = 0;  // where the next Await starts looking
};

class TerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/korvelin-terminal-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    root_ = name;
    fs::create_directories(Folder());
    fs::create_directories(Home());
    std::ofstream(Folder() / "gang.txt") << "Ann(101) 10 1000 2000 3000 4000\n"
                                            "Bob(102) 20 4000 1000 2000 3000\n";
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path Folder() const { return root_ / "work"; }
  fs::path Home() const { return root_ / "home"; }
  fs::path State() const { return root_ / "state"; }

  std::string HistoryFile() const {
    std::ifstream in(State() / "korvelin" / "history", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path root_;
};

// Each prompt completes its own words: main commands, the List commands,
// file names.  Several matches are listed; one completes the word.
TEST_F(TerminalTest, TabCompletesWhatThePromptTakes) {
  Terminal terminal(Folder(), Home(), State());
  ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
  terminal.Type("hel\t\r");
  ASSERT_TRUE(terminal.Await(kMainHelp));

  ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
  terminal.Type("s\t");
  ASSERT_TRUE(terminal.Await("save  snap"));
  terminal.Type(kCtrlC);

  ASSERT_TRUE(terminal.AwaitPrompt("^C\r\n >>> "));
  terminal.Type("load\r");
  ASSERT_TRUE(terminal.AwaitPrompt("[KORVELIN-LOAD]\r\n >>> "));
  terminal.Type("G\t\r");
  ASSERT_TRUE(terminal.Await("[LOADING]"));
  ASSERT_TRUE(terminal.Await("Bob "));

  ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
  terminal.Type("list\r");
  ASSERT_TRUE(terminal.AwaitPrompt("[KORVELIN-LIST]\r\n >>> "));
  terminal.Type("w\t\r");
  ASSERT_TRUE(terminal.Await("Wt Total"));
  ASSERT_TRUE(terminal.AwaitPrompt("[KORVELIN-LIST]\r\n >>> "));
  terminal.Type("done\r");

  ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
  terminal.Type(kCtrlD);
  ASSERT_TRUE(terminal.Await(kFarewell));
  EXPECT_EQ(terminal.ExitStatus(), 0);
  EXPECT_EQ(terminal.Screen().find("[INVALID DATA INPUT]"), std::string::npos);
}

// Up recalls the line before, in this run and in the next one; the history
// file holds each line once.
TEST_F(TerminalTest, UpRecallsLinesOfThisRunAndOfTheRunBefore) {
  {
    Terminal terminal(Folder(), Home(), State());
    ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
    terminal.Type("help\r");
    ASSERT_TRUE(terminal.Await(kMainHelp));
    ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
    terminal.Type(std::string(kUp) + "\r");
    ASSERT_TRUE(terminal.Await(kMainHelp));
    ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
    terminal.Type(kCtrlD);
    ASSERT_TRUE(terminal.Await(kFarewell));
    EXPECT_EQ(terminal.ExitStatus(), 0);
  }
  EXPECT_EQ(HistoryFile(), "help\n");
  {
    Terminal terminal(Folder(), Home(), State());
    ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
    terminal.Type(std::string(kUp) + "\r");
    ASSERT_TRUE(terminal.Await(kMainHelp));
    ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
    terminal.Type(kCtrlD);
    ASSERT_TRUE(terminal.Await(kFarewell));
    EXPECT_EQ(terminal.ExitStatus(), 0);
  }
}

// Ctrl-C throws the half-typed line away and the same prompt comes back;
// Ctrl-D on an empty line ends the program as the end of the input does.
TEST_F(TerminalTest, CtrlCDiscardsTheLineAndCtrlDEnds) {
  Terminal terminal(Folder(), Home(), State());
  ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
  terminal.Type("xyz");
  ASSERT_TRUE(terminal.Await("xyz"));
  terminal.Type(kCtrlC);
  ASSERT_TRUE(terminal.AwaitPrompt("^C\r\n >>> "));
  terminal.Type("help\r");
  ASSERT_TRUE(terminal.Await(kMainHelp));
  ASSERT_TRUE(terminal.AwaitPrompt(kMainPrompt));
  terminal.Type(kCtrlD);
  ASSERT_TRUE(terminal.Await(kFarewell));
  EXPECT_EQ(terminal.ExitStatus(), 0);
  EXPECT_EQ(terminal.Screen().find("[INVALID DATA INPUT]"), std::string::npos);
  EXPECT_EQ(HistoryFile(), "help\n");
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
  // The program runs in a folder of its own.
  static const std::string absolute = fs::absolute(argv[1]).string();
  program = absolute.c_str();
  return RUN_ALL_TESTS();
}
