// The history file: where it is kept, which lines it keeps and how many, and
// that a file that cannot be written changes nothing else.
#include "console/line_history.h"

#include <string>

#include "files/files_support.h"

namespace korvelin {

namespace {

TEST(LineHistoryPath, StateFolderThenHomeAbsolutePathsOnly) {
  EXPECT_EQ(LineHistoryPath("/state", "/home/u"), "/state/korvelin/history");
  EXPECT_EQ(LineHistoryPath("", "/home/u"), "/home/u/.local/state/korvelin/history");
  EXPECT_EQ(LineHistoryPath("state", "/home/u"), "/home/u/.local/state/korvelin/history");
  EXPECT_EQ(LineHistoryPath(nullptr, nullptr), "");
}

using HistoryTest = FilesTest;

TEST_F(HistoryTest, NoBlankLinesNoRepeatsAndTheNewestThousand) {
  LineHistory fresh(Path("state/korvelin/history"));  // the folders are made
  EXPECT_TRUE(fresh.Add("  Big Joe"));
  EXPECT_FALSE(fresh.Add("  Big Joe \t"));
  EXPECT_FALSE(fresh.Add(" "));
  EXPECT_EQ(Read("state/korvelin/history"), "  Big Joe\n");

  // A blank line, and each line twice (once with CR LF): 1,200 lines.
  std::string file = "\r\n";
  for (int i = 0; i < 1200; ++i) file += std::to_string(i) + "\r\n" + std::to_string(i) + "\n";
  Write("history", file);
  LineHistory history(Path("history"));
  ASSERT_EQ(history.Lines().size(), LineHistory::kMostLines);
  EXPECT_EQ(history.Lines().front(), "200");
  EXPECT_TRUE(history.Add("help"));
  EXPECT_EQ(history.Lines().front(), "201");
  const std::string written = Read("history");
  EXPECT_EQ(written.substr(0, 4), "201\n");
  EXPECT_EQ(written.substr(written.size() - 10), "1199\nhelp\n");
}

TEST_F(HistoryTest, AFileThatCannotBeWrittenIsPassedOver) {
  Write("plain", "not a folder");
  LineHistory history(Path("plain/korvelin/history"));
  EXPECT_TRUE(history.Add("help"));
  EXPECT_EQ(history.Lines().back(), "help");
  EXPECT_EQ(Listing(), (std::vector<std::string>{"plain"}));
}

}  // namespace

}  // namespace korvelin
