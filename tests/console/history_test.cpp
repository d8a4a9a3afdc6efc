// The history file: where it is kept, which lines it keeps, how many, and
// that a file that cannot be read or written changes nothing else.
#include "console/history.h"

#include <string>

#include "files/files_support.h"

namespace {

TEST(HistoryPath, StateFolderThenHomeAbsolutePathsOnly) {
  EXPECT_EQ(HistoryPath("/state", "/home/u"), "/state/korvelin/history");
  EXPECT_EQ(HistoryPath(nullptr, "/home/u"), "/home/u/.local/state/korvelin/history");
  EXPECT_EQ(HistoryPath("", "/home/u"), "/home/u/.local/state/korvelin/history");
  EXPECT_EQ(HistoryPath("state", "/home/u"), "/home/u/.local/state/korvelin/history");
  EXPECT_EQ(HistoryPath(nullptr, nullptr), "");
  EXPECT_EQ(HistoryPath("", "relative"), "");
}

using HistoryTest = FilesTest;

TEST_F(HistoryTest, NoBlankLinesNoRepeatsNoTrailingSpaceAndTheFolderIsMade) {
  const std::string path = Path("state/korvelin/history");
  LineHistory history(path);
  EXPECT_TRUE(history.Add("help"));
  EXPECT_FALSE(history.Add("help "));  // a completed word's space
  EXPECT_FALSE(history.Add(""));
  EXPECT_FALSE(history.Add(" \t"));
  EXPECT_TRUE(history.Add("  Big Joe"));
  EXPECT_TRUE(history.Add("help"));  // equal to a line, but not to the last
  EXPECT_EQ(Read("state/korvelin/history"), "help\n  Big Joe\nhelp\n");
  // The next run starts from the file; CR LF line ends read alike.
  Write("state/korvelin/history", "load\r\nlist\r\n\r\nlist\n");
  LineHistory again(path);
  EXPECT_EQ(again.Lines(), (std::deque<std::string>{"load", "list"}));
}

TEST_F(HistoryTest, TheNewestThousandLinesAreKept) {
  std::string file;
  for (int i = 0; i < 1200; ++i) file += std::to_string(i) + "\n";
  Write("history", file);
  LineHistory history(Path("history"));
  ASSERT_EQ(history.Lines().size(), LineHistory::kMostLines);
  EXPECT_EQ(history.Lines().front(), "200");
  EXPECT_TRUE(history.Add("new"));
  EXPECT_EQ(history.Lines().size(), 1000u);
  EXPECT_EQ(history.Lines().front(), "201");
  const std::string written = Read("history");
  EXPECT_EQ(written.substr(0, 4), "201\n");
  EXPECT_EQ(written.substr(written.size() - 9), "1199\nnew\n");
}

TEST_F(HistoryTest, AFileThatCannotBeReadOrWrittenIsPassedOver) {
  Write("plain", "not a folder");
  LineHistory history(Path("plain/korvelin/history"));  // under a file
  EXPECT_TRUE(history.Lines().empty());
  EXPECT_TRUE(history.Add("help"));
  EXPECT_EQ(history.Lines().back(), "help");
  EXPECT_EQ(Read("plain"), "not a folder");
  LineHistory nowhere("");
  EXPECT_TRUE(nowhere.Add("help"));
  EXPECT_EQ(Listing(), (std::vector<std::string>{"plain"}));
}

}  // namespace
