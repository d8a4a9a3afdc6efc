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
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::string program;
constexpr std::chrono::seconds kPatience(60);

const char kMain[] = "[KORVELIN-MAIN]\r\n >>> ";
const char kList[] = "[KORVELIN-LIST]\r\n >>> ";
const char kMainHelp[] = "Main Protocol Help";
const char kUp[] = "\x1b[A";

// The program on a pseudo-terminal of its own, in `folder`, with HOME there
// and its history under `folder`/state, with the environment `settings`
// ("NAME=VALUE") added; `under_shell`: started by `sh -c`, which reports
// its exit status as "EXITED N".
class Terminal {
 public:
  explicit Terminal(const fs::path& folder, const std::vector<std::string>& settings = {},
                    bool under_shell = false)
      : under_shell_(under_shell) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    const std::string slave = ptsname(master_);
    const winsize size{50, 200, 0, 0};
    ioctl(master_, TIOCSWINSZ, &size);
    pid_ = fork();
    if (pid_ == 0) {
      close(master_);  // closing the parent's end then hangs the terminal up
      setsid();
      const int tty = open(slave.c_str(), O_RDWR);
      if (tty < 0 || chdir(folder.c_str()) != 0) _exit(127);
      for (int fd = 0; fd < 3; ++fd) dup2(tty, fd);
      setenv("TERM", "xterm", 1);
      setenv("HOME", folder.c_str(), 1);
      setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
      for (const std::string& setting : settings) putenv(const_cast<char*>(setting.c_str()));
      const std::string shell = "'" + program + "'; echo \"EXITED $?\"";
      if (under_shell) execl("/bin/sh", "sh", "-c", shell.c_str(), static_cast<char*>(nullptr));
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

  // Waits until `text` shows after everything awaited before, then types
  // `keys`.  At a prompt (`prompt`) it first waits for the editor to take
  // keys one at a time: the editor draws the prompt before it leaves the
  // terminal's line mode, in which Ctrl-C and Ctrl-D would mean something
  // else.
  bool Then(const std::string& text, const std::string& keys, bool prompt = true) {
    const auto deadline = Clock::now() + kPatience;
    std::size_t at;
    while ((at = screen_.find(text, seen_)) == std::string::npos) {
      if (!ReadMore(deadline)) {
        ADD_FAILURE() << "never shown: " << text << "\nafter: " << screen_.substr(seen_);
        return false;
      }
    }
    seen_ = at + text.size();
    termios modes{};
    while (prompt && (tcgetattr(master_, &modes) != 0 || (modes.c_lflag & ICANON) != 0)) {
      if (Clock::now() > deadline) return false;
      poll(nullptr, 0, 5);
    }
    return write(master_, keys.data(), keys.size()) == static_cast<ssize_t>(keys.size());
  }

  // Once a command runs (the terminal turns Ctrl-C into a signal again),
  // types Ctrl-C.
  bool Interrupt() {
    const auto deadline = Clock::now() + kPatience;
    termios modes{};
    while (tcgetattr(master_, &modes) != 0 || (modes.c_lflag & ISIG) == 0) {
      if (Clock::now() > deadline) return false;
      poll(nullptr, 0, 5);
    }
    return write(master_, "\x03", 1) == 1;
  }

  // Closes the terminal, as closing its window does.
  void Close() {
    close(master_);
    master_ = -1;
  }
  // Sends `signal` to the program alone (not to a shell that started it).
  void Signal(int signal) { kill(Program(), signal); }
  // Whether the terminal is back in the modes a shell reads lines in.
  bool LineMode() {
    termios modes{};
    return tcgetattr(master_, &modes) == 0 && (modes.c_lflag & (ICANON | ECHO)) == (ICANON | ECHO);
  }

  // The exit status once the program has ended (128 and the number of a
  // signal that ended it); -1 when it has not ended in time.
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
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  const std::string& Screen() const { return screen_; }

 private:
  // False once the program has closed the terminal or time is up.
  bool ReadMore(Clock::time_point deadline) {
    if (master_ < 0) return false;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd p{master_, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got > 0) screen_.append(buffer, static_cast<std::size_t>(got));
    return got > 0;
  }

  // The program's process: under a shell, the shell's child.
  pid_t Program() const {
    const std::string task = "/proc/" + std::to_string(pid_) + "/task/" + std::to_string(pid_);
    pid_t child = 0;
    return under_shell_ && std::ifstream(task + "/children") >> child ? child : pid_;
  }

  bool under_shell_;
  int master_ = -1;
  pid_t pid_ = -1;
  bool ended_ = false;
  std::string screen_;    // every byte the program has written
  std::size_t seen_ = 0;  // where the next wait looks from
};

// Ctrl-D at the main prompt ends a session with the farewell and status 0,
// and no key was taken for a command word.
void End(Terminal& terminal) {
  ASSERT_TRUE(terminal.Then(kMain, "\x04"));
  ASSERT_TRUE(terminal.Then("Have a Nice Day :D", "", false));
  EXPECT_EQ(terminal.ExitStatus(), 0);
  EXPECT_EQ(terminal.Screen().find("[INVALID DATA INPUT]"), std::string::npos);
}

// A first run: Tab completes a main command ("hel"), lists several ("s"),
// a file name in any case at LOAD and a List command ("w"); Ctrl-C throws a
// half-typed line away and the program goes on; Up recalls the line before.
// A second run recalls the first run's last line, kept in the history file
// once, without the discarded line.
TEST(TerminalTest, CompletionKeysAndHistoryAcrossTwoRuns) {
  char name[] = "/tmp/korvelin-terminal-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path folder = name;
  const std::unique_ptr<const char, void (*)(const char*)> removed(
      name, [](const char* path) { fs::remove_all(path); });
  std::ofstream(folder / "gang.txt") << "Ann(101) 10 1000 2000 3000 4000\n";
  auto history = [&folder] {
    std::ostringstream text;
    text << std::ifstream(folder / "state" / "korvelin" / "history").rdbuf();
    return text.str();
  };
  {
    Terminal terminal(folder);
    ASSERT_TRUE(terminal.Then(kMain, "hel\t\r"));
    ASSERT_TRUE(terminal.Then(kMainHelp, "", false));
    ASSERT_TRUE(terminal.Then(kMain, "s\t"));
    ASSERT_TRUE(terminal.Then("save  snap", "\x15load\r", false));  // Ctrl-U empties the line
    ASSERT_TRUE(terminal.Then("[KORVELIN-LOAD]\r\n >>> ", "G\t\r"));
    ASSERT_TRUE(terminal.Then("Ann                            :    101", "", false));
    ASSERT_TRUE(terminal.Then(kMain, "list\r"));
    ASSERT_TRUE(terminal.Then(kList, "w\t\r"));
    ASSERT_TRUE(terminal.Then("Wt Total", "", false));
    ASSERT_TRUE(terminal.Then(kList, "done\r"));
    ASSERT_TRUE(terminal.Then(kMain, "xyz"));
    ASSERT_TRUE(terminal.Then("xyz", "\x03", false));
    ASSERT_TRUE(terminal.Then("^C\r\n >>> ", "help\r"));
    ASSERT_TRUE(terminal.Then(kMainHelp, "", false));
    ASSERT_TRUE(terminal.Then(kMain, kUp + std::string("\r")));
    ASSERT_TRUE(terminal.Then(kMainHelp, "", false));
    End(terminal);
  }
  const std::string kept = history();
  EXPECT_EQ(kept.substr(kept.size() - 10), "done\nhelp\n") << kept;
  EXPECT_EQ(kept.find("xyz"), std::string::npos);
  {
    Terminal terminal(folder);
    ASSERT_TRUE(terminal.Then(kMain, kUp + std::string("\r")));
    ASSERT_TRUE(terminal.Then(kMainHelp, "", false));
    End(terminal);
  }
  EXPECT_EQ(history(), kept);
}

// Tab completes each word of a line by the prompt it will answer: a file
// name after LOAD and OUTPUT, a sort variable after SORT and a direction
// after that, an option keyword after SET OPTIONS.
TEST(TerminalTest, TabCompletesEveryWordOfALine) {
  char name[] = "/tmp/korvelin-terminal-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path folder = name;
  const std::unique_ptr<const char, void (*)(const char*)> removed(
      name, [](const char* path) { fs::remove_all(path); });
  std::ofstream(folder / "myteam.txt") << "Ann(101) 10 1000 2000 3000 4000\n";
  std::ofstream(folder / "scores.md").close();
  Terminal terminal(folder);
  ASSERT_TRUE(terminal.Then(kMain, "load my\t\r"));
  ASSERT_TRUE(terminal.Then("Ann                            :    101", "", false));
  ASSERT_TRUE(terminal.Then(kMain, "list\r"));
  ASSERT_TRUE(terminal.Then(kList, "sort wt\tdesc\t"));
  ASSERT_TRUE(terminal.Then("desc  descending", "\r", false));
  ASSERT_TRUE(terminal.Then(kList, "set options new\t"));
  ASSERT_TRUE(terminal.Then("newbeg  newhealth  newintel  newpower  newspeed  newstren  newtotal",
                            "spe\t\r", false));
  ASSERT_TRUE(terminal.Then("[KORVELIN-LIST-SET-OPTION]\r\n >>> ", "done\r"));
  ASSERT_TRUE(terminal.Then(kList, "output s\t"));
  ASSERT_TRUE(terminal.Then("scores.md  state/", "c\t\r", false));  // the history's folder
  ASSERT_TRUE(terminal.Then(kList, "wc\r"));
  ASSERT_TRUE(terminal.Then("[DATA SAVED SUCESSFULLY]", "", false));
  ASSERT_TRUE(terminal.Then(kList, "done\r"));
  ASSERT_TRUE(terminal.Then(kMain, "\x04"));
  ASSERT_TRUE(terminal.Then("QUIT WITHOUT SAVING? 'Y' TO CONFIRM]\r\n >>> ", "y\r"));
  EXPECT_EQ(terminal.ExitStatus(), 0);
  EXPECT_EQ(terminal.Screen().find("[INVALID DATA INPUT]"), std::string::npos);
  std::ostringstream table;
  table << std::ifstream(folder / "scores.md").rdbuf();
  EXPECT_NE(table.str().find("| Ann "), std::string::npos) << table.str();
}

// Ctrl-C stops a running command and returns to its prompt: LOAD during
// its echo and LOAD of a FIFO no one writes to leave the roster as it was,
// LIST (printed) stops after a few rows, SAVE leaves the earlier file whole
// and no temporary file.  Tab puts a file name holding a space in quotes.
TEST(TerminalTest, CtrlCStopsCommandsAndTabQuotesFileNames) {
  char name[] = "/tmp/korvelin-terminal-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path folder = name;
  const std::unique_ptr<const char, void (*)(const char*)> removed(
      name, [](const char* path) { fs::remove_all(path); });
  std::ofstream big(folder / "big.txt");
  for (int id = 1; id <= 20000; ++id) big << "Member " << id << " (" << id << ") 1 2 3 4 5\n";
  big.close();
  std::ofstream(folder / "my gang.txt") << "Ann(101) 10 1000 2000 3000 4000\n";
  std::ofstream(folder / "old.sav") << "earlier save\n";
  ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
  Terminal terminal(folder);
  // Ctrl-C once `shown` is on the screen, then [INTERRUPTED].
  auto stop = [&terminal](const char* shown) {
    return terminal.Then(shown, "", false) && terminal.Interrupt() &&
           terminal.Then("   [INTERRUPTED]\r\n", "", false);
  };
  ASSERT_TRUE(terminal.Then(kMain, "load big.txt\r"));
  ASSERT_TRUE(stop("Member 1   "));
  ASSERT_TRUE(terminal.Then(kMain, "list\r"));
  ASSERT_TRUE(terminal.Then("[DATABASE EMPTY.", "", false));
  ASSERT_TRUE(terminal.Then(kMain, "load big.txt\r"));
  ASSERT_TRUE(terminal.Then("Member 20000 ", "", false));
  ASSERT_TRUE(terminal.Then(kMain, "load pipe\r"));
  ASSERT_TRUE(stop("[KORVELIN-LOAD]\r\n >>> "));  // shown while the FIFO waits
  ASSERT_TRUE(terminal.Then(kMain, "save pipe\r"));
  ASSERT_TRUE(stop("[KORVELIN-SAVE]\r\n >>> "));
  ASSERT_TRUE(terminal.Then(kMain, "find member 20000\r"));
  ASSERT_TRUE(terminal.Then("[1 FOUND]", "", false));
  ASSERT_TRUE(terminal.Then(kMain, "list\r"));
  ASSERT_TRUE(terminal.Then(kList, "set view list\r"));  // printed, not in the viewer
  ASSERT_TRUE(stop("|Member 1   "));
  ASSERT_TRUE(terminal.Then(kList, "output pipe\r"));
  ASSERT_TRUE(stop("[KORVELIN-LIST-OUTPUT]\r\n >>> "));
  ASSERT_TRUE(terminal.Then(kList, "done\r"));
  ASSERT_TRUE(terminal.Then(kMain, "save old.sav\r"));
  ASSERT_TRUE(stop("|Member 1   "));
  ASSERT_TRUE(terminal.Then(kMain, "load\r"));
  ASSERT_TRUE(terminal.Then("[KORVELIN-LOAD]\r\n >>> ", "my\t\r"));
  ASSERT_TRUE(terminal.Then("Ann                            :    101", "", false));
  End(terminal);
  EXPECT_NE(terminal.Screen().find("\"my gang.txt\" "), std::string::npos);
  EXPECT_EQ(terminal.Screen().find("|Member 20000 "), std::string::npos);  // LIST, SAVE
  std::ostringstream saved;
  saved << std::ifstream(folder / "old.sav").rdbuf();
  EXPECT_EQ(saved.str(), "earlier save\n");
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().string().find(".saving-"), std::string::npos) << entry.path();
  }
}

// `paste` (completed by Tab) at a terminal: the paste comes bracketed, its
// tabs stay tabs and its empty lines do not end it; Enter on the empty
// line after it does.  The pasted lines stay out of the history.  Ctrl-C
// abandons UPDATE's paste; the pasted table is unsaved work; the terminal
// is back in line mode while the next command runs.
TEST(TerminalTest, ABracketedPasteKeepsItsTabsAndEmptyLines) {
  char name[] = "/tmp/korvelin-terminal-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path folder = name;
  const std::unique_ptr<const char, void (*)(const char*)> removed(
      name, [](const char* path) { fs::remove_all(path); });
  const std::string paste_now = "[PASTE THE TABLE NOW.  AN EMPTY LINE AFTER IT ENDS IT]\r\n";
  ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
  Terminal terminal(folder);
  ASSERT_TRUE(terminal.Then(kMain, "load pas\t\r"));
  ASSERT_TRUE(terminal.Then(paste_now, "", false));
  ASSERT_TRUE(terminal.Then("\x1b[?2004h",
                            "\x1b[200~Name\tID\tLevel\tSpeed\tPower\tStrength\tHealth\r\r"
                            "Ann\t101\t10\t1000\t2000\t3000\t4000\r\rBob\t102\t20\t1\t2\t3\t4\r"
                            "\x1b[201~\r"));
  ASSERT_TRUE(terminal.Then("\x1b[?2004l", "", false));
  ASSERT_TRUE(
      terminal.Then("Ann                            :    101 :  10 :  1000 :  2000 :  3000 : "
                    "  4000 . . . . . . .   .done\r\nBob                            :    102 :  "
                    "20 :     1 :     2 :     3 :      4 . . . . . . .   .done\r\n",
                    "", false));
  ASSERT_TRUE(terminal.Then(kMain, "load pipe\r"));
  ASSERT_TRUE(terminal.Then("[KORVELIN-LOAD]\r\n >>> ", "", false));
  EXPECT_TRUE(terminal.LineMode());  // while the FIFO is waited for
  ASSERT_TRUE(terminal.Interrupt());
  ASSERT_TRUE(terminal.Then(kMain, "update paste\r"));
  ASSERT_TRUE(terminal.Then(paste_now, "Cat (103) 1 2 3 4 5\r\x03"));
  ASSERT_TRUE(terminal.Then("   [INTERRUPTED]\r\n", "", false));
  ASSERT_TRUE(terminal.Then(kMain, "find cat\r"));
  ASSERT_TRUE(terminal.Then("[NO MEMBER FOUND]", "", false));
  ASSERT_TRUE(terminal.Then(kMain, "\x04"));
  ASSERT_TRUE(terminal.Then("QUIT WITHOUT SAVING? 'Y' TO CONFIRM]\r\n >>> ", "y\r"));
  EXPECT_EQ(terminal.ExitStatus(), 0);
  std::ostringstream history;
  history << std::ifstream(folder / "state" / "korvelin" / "history").rdbuf();
  EXPECT_EQ(history.str(), "load paste\nload pipe\nupdate paste\nfind cat\ny\n");
}

// The files of unsaved work kept in `folder`'s state folder, by name.
std::vector<fs::path> KeptWork(const fs::path& folder) {
  std::vector<fs::path> kept;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder / "state" / "korvelin", error)) {
    if (entry.path().filename().string().rfind("recovered-", 0) == 0) kept.push_back(entry.path());
  }
  std::sort(kept.begin(), kept.end());
  return kept;
}

std::string Bytes(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

// Unsaved changes: Ctrl-D asks ("n" goes back to the prompt, "y" ends); the
// window closing keeps them in a save file, told of at every start until a
// SAVE of it, loaded back, removes it; SIGTERM without unsaved changes keeps
// nothing.  UNDO after a SAVE leaves changes unsaved; LOAD and SAVE none.
TEST(TerminalTest, UnsavedChangesAreAskedForAndKept) {
  char name[] = "/tmp/korvelin-terminal-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path folder = name;
  const std::unique_ptr<const char, void (*)(const char*)> removed(
      name, [](const char* path) { fs::remove_all(path); });
  std::ofstream(folder / "gang.txt") << "Ann(1) 10 100 200 300 400\n";
  const char kAsked[] = "[UNSAVED CHANGES.  QUIT WITHOUT SAVING? 'Y' TO CONFIRM]\r\n >>> ";
  {
    Terminal terminal(folder);
    ASSERT_TRUE(terminal.Then(kMain, "load gang.txt\r"));
    ASSERT_TRUE(terminal.Then(kMain, "edit 1 level 5 done\r"));
    ASSERT_TRUE(terminal.Then(kMain, "save a.sav\r"));
    ASSERT_TRUE(terminal.Then(kMain, "undo\r"));
    ASSERT_TRUE(terminal.Then(kMain, "\x04"));
    ASSERT_TRUE(terminal.Then(kAsked, "n\r"));
    ASSERT_TRUE(terminal.Then(kMain, "edit 1 level 6 done\r"));
    ASSERT_TRUE(terminal.Then(kMain, "\x04"));
    ASSERT_TRUE(terminal.Then(kAsked, "y\r"));
    EXPECT_EQ(terminal.ExitStatus(), 0);
  }
  EXPECT_TRUE(KeptWork(folder).empty());
  {
    Terminal terminal(folder);
    ASSERT_TRUE(terminal.Then(kMain, "load gang.txt\r"));
    ASSERT_TRUE(terminal.Then(kMain, "edit 1 level 7 done\r"));
    ASSERT_TRUE(terminal.Then(kMain, "", false));
    terminal.Close();
    EXPECT_EQ(terminal.ExitStatus(), 128 + SIGHUP);
  }
  const std::vector<fs::path> kept = KeptWork(folder);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_NE(Bytes(kept[0]).find("|Ann                           : 1 : 7 : 100 :"),
            std::string::npos);
  const std::string told = ") WAS KEPT IN " + kept[0].string() + "]";
  const fs::path state = folder / "state" / "korvelin";  // and beside it, no save files:
  std::ofstream(state / "recovered-1.sav") << "random bytes";
  std::ofstream(state / "recovered-2.sav").close();
  fs::create_directory(state / "recovered-3.sav");
  for (const bool saved : {false, true}) {
    Terminal terminal(folder);
    ASSERT_TRUE(terminal.Then("[UNSAVED WORK OF AN EARLIER RUN (NO FILE, ", "", false));
    ASSERT_TRUE(terminal.Then(told, "", false));
    if (saved) {
      ASSERT_TRUE(terminal.Then(kMain, "load \"" + kept[0].string() + "\"\r"));
      ASSERT_TRUE(terminal.Then(kMain, "save again.sav\r"));
    }
    End(terminal);
    EXPECT_EQ(terminal.Screen().find("[UNSAVED WORK", terminal.Screen().find(told)),
              std::string::npos);
  }
  EXPECT_NE(Bytes(folder / "again.sav").find("|Ann                           : 1 : 7 : 100 :"),
            std::string::npos);
  EXPECT_EQ(KeptWork(folder).size(), 3u);  // the others, left alone
  {
    Terminal terminal(folder);
    ASSERT_TRUE(terminal.Then(kMain, "load gang.txt\r"));
    ASSERT_TRUE(terminal.Then(kMain, "", false));
    terminal.Signal(SIGTERM);
    EXPECT_EQ(terminal.ExitStatus(), 128 + SIGTERM);
    EXPECT_EQ(terminal.Screen().find("[UNSAVED WORK"), std::string::npos);
  }
  EXPECT_EQ(KeptWork(folder).size(), 3u);
}

// Work is kept a minute (here a second) after the last keeping, from the
// save file it belongs to: within the minute a SIGKILL loses the change, a
// second later it is there.  The next start tells where it came from.
TEST(TerminalTest, WorkIsKeptEveryMinuteAndOutlivesASigkill) {
  char name[] = "/tmp/korvelin-terminal-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path folder = fs::canonical(name);
  const std::unique_ptr<const char, void (*)(const char*)> removed(
      name, [](const char* path) { fs::remove_all(path); });
  std::ofstream(folder / "gang.txt") << "Ann(1) 10 100 200 300 400\n";
  for (const char* interval : {"KORVELIN_KEEP_SECONDS=60", "KORVELIN_KEEP_SECONDS=1"}) {
    Terminal terminal(folder, {interval});
    ASSERT_TRUE(terminal.Then(kMain, "load gang.txt\r"));
    ASSERT_TRUE(terminal.Then(kMain, "save season.sav\r"));
    ASSERT_TRUE(terminal.Then(kMain, "edit 1 level 8 done\r"));
    ASSERT_TRUE(terminal.Then(kMain, "", false));
    poll(nullptr, 0, 1100);
    ASSERT_TRUE(terminal.Then("", "find ann\r", false));  // a command after the second
    ASSERT_TRUE(terminal.Then(kMain, "", false));
    if (KeptWork(folder).empty()) continue;  // within the minute: left to the SIGKILL below
    EXPECT_NE(Bytes(KeptWork(folder)[0]).find("|Ann                           : 1 : 8 : 100 :"),
              std::string::npos);
    terminal.Signal(SIGKILL);
    EXPECT_EQ(terminal.ExitStatus(), 128 + SIGKILL);
  }
  const std::vector<fs::path> kept = KeptWork(folder);
  ASSERT_EQ(kept.size(), 1u);
  Terminal terminal(folder);
  ASSERT_TRUE(terminal.Then("[UNSAVED WORK OF AN EARLIER RUN (" + (folder / "season.sav").string(),
                            "", false));
  ASSERT_TRUE(terminal.Then(") WAS KEPT IN " + kept[0].string() + "]", "", false));
  End(terminal);
}

// Three windows closed at once keep three files of work, one each; SIGTERM
// under a shell ends the program alone (143), keeps its work and leaves the
// terminal as the shell needs it.
TEST(TerminalTest, HangUpsAtOnceKeepAFileEachAndSigtermEndsOnlyTheProgram) {
  char name[] = "/tmp/korvelin-terminal-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path folder = name;
  const std::unique_ptr<const char, void (*)(const char*)> removed(
      name, [](const char* path) { fs::remove_all(path); });
  std::ofstream(folder / "gang.txt") << "Ann(1) 10 100 200 300 400\n";
  auto change = [](Terminal& terminal, int level) {
    return terminal.Then(kMain, "load gang.txt\r") &&
           terminal.Then(kMain, "edit 1 level " + std::to_string(level) + " done\r") &&
           terminal.Then(kMain, "", false);
  };
  {
    std::vector<std::unique_ptr<Terminal>> windows;
    for (int level = 21; level <= 23; ++level) {
      windows.push_back(std::make_unique<Terminal>(folder));
      ASSERT_TRUE(change(*windows.back(), level));
    }
    for (auto& window : windows) window->Close();
    for (auto& window : windows) EXPECT_EQ(window->ExitStatus(), 128 + SIGHUP);
  }
  const std::string row = "|Ann                           : 1 : ";
  std::vector<std::string> levels;
  for (const fs::path& file : KeptWork(folder)) {
    const std::string bytes = Bytes(file);
    levels.push_back(bytes.substr(bytes.find(row) + row.size(), 2));
  }
  std::sort(levels.begin(), levels.end());
  EXPECT_EQ(levels, (std::vector<std::string>{"21", "22", "23"}));
  Terminal terminal(folder, {}, true);
  ASSERT_TRUE(change(terminal, 9));
  terminal.Signal(SIGTERM);
  ASSERT_TRUE(terminal.Then("EXITED 143", "", false));
  EXPECT_TRUE(terminal.LineMode());
  EXPECT_EQ(terminal.ExitStatus(), 0);
  EXPECT_EQ(KeptWork(folder).size(), 4u);
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
