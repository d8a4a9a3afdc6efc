// Whole sessions: the input may end after any line of a session that visits
// every protocol, and a very long session holds no more memory than a short
// one.
#include <sys/resource.h>

#include <string>
#include <vector>

#include "files/files_support.h"
#include "text/save_header.h"

namespace korvelin {

namespace {

// A session through every protocol and sub-protocol, a line at a time.
// One line per visit; clang-format would pack them into a grid.
// clang-format off
const std::vector<std::string> kSession = {
    "help", "about", "y", "y", "y",
    "load", "gang.txt",
    "list", "help", "list", "default", "percent", "wc", "speed", "power", "strength",
    "sort", "help", "newspeed", "help", "decending", "list",
    "output", "out.txt", "list", "output", "\\",
    "set", "help", "entries", "3", "list",
    "set", "entries", "x",
    "set", "weights", "help", "speed", "3.5", "health", "11", "done",
    "set", "options", "help", "wtotal", "display", "default", "done",
    "set", "\\", "done",
    "add", "77", "  Newcomer", "10", "1", "2", "3", "4", "5", "2.5", "n",
    "Newcomer", "11", "1", "2", "3", "4", "5", "2.5", "y",
    "edit", "77", "help", "display", "name", "Renamed", "newbeg", "3", "done",
    "snap",
    "update", "newer.txt",
    "save", "gang.sav",
    "delete", "123", "77", "no", "delete", "77", "y",
    "load", "gang.sav",
    "quit", "n", "quit", "y", "final.sav"};
// clang-format on

const std::string kFarewell = "\n\nHave a Nice Day :D\n\n";

class SessionTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    Write("gang.txt", "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\n");
    Write("newer.txt", "Ann (1) 11 150 250 350 450\nCid (3) 5 1 2 3 4\n");
  }
};

// The input ends after line k, for every k: each time the farewell, and
// every member, list and file released (the sanitizer build checks).
TEST_F(SessionTest, InputMayEndAfterAnyLine) {
  for (std::size_t k = 0; k <= kSession.size(); ++k) {
    std::string typed;
    for (std::size_t i = 0; i < k; ++i) typed += kSession[i] + "\n";
    const std::string printed = RunSession(typed);
    ASSERT_GE(printed.size(), kFarewell.size()) << k;
    EXPECT_EQ(printed.substr(printed.size() - kFarewell.size()), kFarewell) << k;
    EXPECT_EQ(printed.find(kFarewell), printed.size() - kFarewell.size()) << k;
  }
  // The whole session ran to its end and saved.
  EXPECT_EQ(Read("final.sav").substr(0, kSaveHeaderLength), kSaveHeader);
}

// Each session holds its own roster and settings: what one loads, adds or
// sets is not seen by another in the same process.
TEST_F(SessionTest, TwoSessionsInOneProcessKeepApart) {
  Session loaded, typed;
  {
    ConsoleCapture console("load gang.txt\n");
    RunProgram(console, loaded);
  }
  {
    ConsoleCapture console("add 9\nZed\n1\n1\n1\n1\n1\n1\n1\ny\nlist\nlist\n");
    RunProgram(console, typed);
    const std::string printed = console.Printed();
    EXPECT_EQ(printed.find("Ann"), std::string::npos);
    EXPECT_NE(printed.find("|Zed "), std::string::npos);
  }
  ASSERT_EQ(loaded.roster.size(), 2u);
  EXPECT_EQ(loaded.roster.NameOf(loaded.roster[0]), "Ann");
  EXPECT_EQ(loaded.list.weights.speed, 2.12);
  EXPECT_EQ(loaded.columns, kDefaultColumns);
  ASSERT_EQ(typed.roster.size(), 1u);
  EXPECT_EQ(typed.roster[0].id, 9);
  EXPECT_EQ(typed.list.weights.speed, 0.0);  // a session that never loaded has no weights
  EXPECT_TRUE(typed.columns.Empty());
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A typed session of about `commands` commands: presets, sorts, toggles,
// weights, adds, edits and deletes, in cycles that leave the roster as it
// was.  Kept in a file, so that only the program's own memory is measured.
std::FILE* EnduranceInput(int commands) {
  const std::string cycle =
      "list\nwc\npercent\nsort\nwtotal\ndecending\nset\noptions\nwtotal\nid\ndone\n"
      "set\nweights\nspeed\n2.5\ndone\nlist\ndone\n"
      "add\n900\nVisitor\n1\n1\n2\n3\n4\n5\n2.0\ny\n"
      "edit\n900\nnewspeed\n9\ndone\ndelete\n900\ny\n";
  const int per_cycle = 37;
  std::FILE* in = std::tmpfile();
  std::fputs("load gang.txt\n", in);
  for (int i = 0; i < commands / per_cycle; ++i) std::fputs(cycle.c_str(), in);
  std::rewind(in);
  return in;
}

void Endure(std::FILE* in) {
  std::FILE* out = std::fopen("/dev/null", "w");
  {
    Console console(in, out);
    Session session;
    RunProgram(console, session);
  }
  std::fclose(in);
  std::fclose(out);
}

#if defined(__SANITIZE_ADDRESS__)
#define KORVELIN_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVELIN_SANITIZED 1
#endif
#endif

TEST_F(SessionTest, AHundredThousandCommandsHoldNoMoreMemoryThanTenThousand) {
#ifdef KORVELIN_SANITIZED
  GTEST_SKIP() << "the sanitizer keeps freed memory aside; the plain build measures";
#endif
  std::FILE* short_session = EnduranceInput(10000);
  std::FILE* long_session = EnduranceInput(100000);
  Endure(short_session);
  const long after_short = PeakKilobytes();
  Endure(long_session);
  EXPECT_LE(PeakKilobytes() - after_short, 256) << "kilobytes grown";
}

}  // namespace

}  // namespace korvelin
