// The List protocol's handling of a list-output file that cannot be written.
#include "list/list.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "test_support.h"

namespace korvelin {

namespace {

namespace fs = std::filesystem;

const std::string kListPrompt = "\n   [KORVELIN-LIST]\n >>> ";
const std::string kOutputPrompt =
    "   [FILE TO OUTPUT TO? '\\' TO OUTPUT TO SCREEN]\n   [KORVELIN-LIST-OUTPUT]\n >>> ";

// Runs in a folder of its own, so that the files it writes go away.
class ListFileTest : public RosterTest {
 protected:
  void SetUp() override {
    RosterTest::SetUp();
    char folder[] = "/tmp/korvelin-list-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    folder_ = folder;
    home_ = fs::current_path();
    fs::current_path(folder_);
    session.list.sort_option = 17;
    session.list.sort_direction = SortDirection::kAscending;
  }
  void TearDown() override {
    fs::current_path(home_);
    fs::remove_all(folder_);
    RosterTest::TearDown();
  }
  fs::path folder_, home_;
};

// A table that does not fit in the file (here: a file-size limit stands in
// for a full disk) is not reported as saved, and the tables after it come
// to the screen.
TEST_F(ListFileTest, AFailedWriteReturnsTablesToTheScreen) {
  for (int id = 1; id <= 40; ++id) AddMember("Member", id);
  const std::string head = "| NAME:                        :|\n|" + std::string(31, '*') + "|\n";
  const std::string row = "|Member                        :|\n";
  const std::string set_prompt =
      "\n   [ENTRIES, WEIGHTS OR OPTIONS? ( '\\' TO CANCEL )]\n   [KORVELIN-LIST-SET\n >>> ";
  const std::string entries_prompt =
      "\n   [CURRENT NUMBER OF ENTRIES TO SHOW = 40]\n   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 "
      "= MAX )]\n   [KORVELIN-LIST-SET-ENTRIES]\n >>> ";
  ASSERT_GT(head.size() + 40 * row.size(), 1000u);

  ConsoleCapture console("output table.txt list set entries 1 list done\n");
  rlimit old_limit{};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = 1000;  // the console's own file stays below it
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  List(console, session);
  setrlimit(RLIMIT_FSIZE, &old_limit);

  EXPECT_EQ(console.Printed(),
            kListPrompt + kOutputPrompt + kListPrompt +
                "\n   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]\n   [File too large]\n" +
                kListPrompt + set_prompt + entries_prompt + kListPrompt + head + row + "\n" +
                kListPrompt);
  EXPECT_LE(fs::file_size("table.txt"), 1000u);
}

// Each OUTPUT starts its file afresh, and tables follow one another in it.
TEST_F(ListFileTest, EachOutputStartsItsFileAfresh) {
  AddMember("Ann", 1);
  const std::string table = "| NAME:                        :|\n|" + std::string(31, '*') + "|\n" +
                            "|Ann                           :|\n";
  ConsoleCapture console("output a.txt list output b.txt list list output a.txt done\n");
  List(console, session);
  const FilePtr b(std::fopen("b.txt", "r"));
  ASSERT_TRUE(b);
  EXPECT_EQ(Contents(b.get()), table + table);
  EXPECT_EQ(fs::file_size("a.txt"), 0u);
}

}  // namespace

}  // namespace korvelin
