// The table renderer: headings, separator, cells, row limits and where the
// closing line end and the saved message go.
#include <unistd.h>

#include <cmath>
#include <cstdlib>

#include "list/list.h"
#include "test_support.h"

namespace {

const std::string kNameHeading = "| NAME:                        :";

class RenderTest : public RosterTest {
 protected:
  // Each line of `text` without its line end.
  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
      lines.push_back(text.substr(from, end - from));
    }
    return lines;
  }
  // A table written to a file: the file's text, and what the console got.
  std::string ToFile(int rows, const Slink* list, const PlayerRecord& mask, std::string& screen) {
    ConsoleCapture console("");
    std::FILE* file = std::tmpfile();
    EXPECT_TRUE(ListShow(rows, list, file, mask));
    screen = console.Printed();
    std::string text = Contents(file);
    std::fclose(file);
    return text;
  }
  std::string ToScreen(int rows, const Slink* list, const PlayerRecord& mask) {
    ConsoleCapture console("");
    EXPECT_TRUE(ListShow(rows, list, ConsoleOut(), mask));
    return console.Printed();
  }
  SlinkList ById() { return SortMain(17, nullptr, 1); }
};

TEST_F(RenderTest, NoColumnsGivesTheNameColumnOnly) {
  Member("Ann", 1);
  Member("Bob", 2);
  const SlinkList list = ById();
  PlayerRecord mask{};
  EXPECT_EQ(ToScreen(10, list.get(), mask), kNameHeading + "|\n|" + std::string(31, '*') + "|\n" +
                                                "|Ann                           :|\n"
                                                "|Bob                           :|\n"
                                                "\n");
}

TEST_F(RenderTest, DefaultColumnsWithBlankZeroStats) {
  PlayerRecord* ann = Member("Ann", 101);
  ann->level = 10;
  ann->oldspeed = 1000;
  ann->oldpower = 2000;
  ann->oldstren = 3000;
  ann->oldhealth = 4000;
  ann->oldintel = 0;  // a zero stat is an empty cell
  ann->oldbeg = 2.0;
  ann->oldtotal = 6000;  // not a default column
  MainDisplay();
  const SlinkList list = ById();
  EXPECT_EQ(
      ToScreen(1, list.get(), *main_d_options),
      "| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren "
      ": Old Health : Old Intel : Old Beg :|\n"
      "|" +
          std::string(119, '*') +
          "|\n"
          "|Ann                           :    101 :   10  :     1000  :     2000  :     3000  "
          ":     4000   :           :    2.00 :|\n"
          "\n");
}

TEST_F(RenderTest, GainsShowZeroAndSignsAndPercentagesShowNonFiniteWords) {
  PlayerRecord* r = Member("Zed", 5);
  r->intelgain = 0;
  r->speedgain = -12;
  r->speedp = INFINITY;
  r->begp = NAN;
  PlayerRecord mask{};
  mask.intelgain = 1;
  mask.speedgain = 1;
  mask.speedp = 1.0;
  mask.begp = 1.0;
  const SlinkList list = ById();
  const std::vector<std::string> lines = Lines(ToScreen(1, list.get(), mask));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], kNameHeading + " Speed Gain : Intel Gain : Speed % :  Beg %  :|");
  EXPECT_EQ(lines[2],
            "|Zed                           :      -12   :        0   :     inf :     nan :|");
}

// The level cell lines up under its heading; the Total % cell is one wider.
TEST_F(RenderTest, RowWidthsAgainstTheHeader) {
  PlayerRecord* r = Member("Ann", 1);
  r->level = 45;
  r->totalp = 12.5;
  const SlinkList list = ById();
  struct Case {
    bool level, totalp;
    std::size_t extra;
  };
  for (const Case c : {Case{true, false, 0}, Case{false, true, 1}, Case{true, true, 1}}) {
    PlayerRecord mask{};
    mask.level = c.level;
    mask.totalp = c.totalp;
    const std::vector<std::string> lines = Lines(ToScreen(1, list.get(), mask));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].size(), lines[0].size());
    EXPECT_EQ(lines[2].size(), lines[0].size() + c.extra);
  }
  PlayerRecord mask{};
  mask.level = 1;
  EXPECT_EQ(Lines(ToScreen(1, list.get(), mask))[2], "|Ann                           :   45  :|");
}

TEST_F(RenderTest, EveryColumnSelected) {
  Member("Ann", 1);
  PlayerRecord mask{};
  for (const OptionInfo* option : OptionsInDisplayOrder()) OptionSelect(mask, *option, true);
  const SlinkList list = ById();
  const std::vector<std::string> lines = Lines(ToScreen(1, list.get(), mask));
  ASSERT_EQ(lines.size(), 4u);
  // 31 + the 35 heading widths (9 + 8 + 12 * 12 + 13 * 7 + 10 * 9 + 14 + 11 * 4 = 400).
  EXPECT_EQ(lines[1], "|" + std::string(31 + 400, '*') + "|");
  EXPECT_EQ(lines[0].size(), lines[1].size());
  EXPECT_EQ(lines[2].size(), lines[0].size() + 1);  // only Total % is wider
}

TEST_F(RenderTest, RowLimits) {
  Member("A", 1);
  Member("B", 2);
  Member("C", 3);
  const SlinkList list = ById();
  PlayerRecord mask{};
  const std::string head = kNameHeading + "|\n|" + std::string(31, '*') + "|\n";
  const std::string a = "|A                             :|\n";
  const std::string b = "|B                             :|\n";
  const std::string c = "|C                             :|\n";
  EXPECT_EQ(ToScreen(2, list.get(), mask), head + a + b + "\n");
  EXPECT_EQ(ToScreen(3, list.get(), mask), head + a + b + c + "\n");
  EXPECT_EQ(ToScreen(99, list.get(), mask), head + a + b + c + "\n");
  EXPECT_EQ(ToScreen(0, list.get(), mask), head + "\n");
  EXPECT_EQ(ToScreen(-4, list.get(), mask), head + "\n");
  // Without a list: the two header lines and nothing after them.
  EXPECT_EQ(ToScreen(5, nullptr, mask), head);
  // A node without a record ends the rows.
  list->next->record = nullptr;
  EXPECT_EQ(ToScreen(3, list.get(), mask), head + a + "\n");
}

TEST_F(RenderTest, NamesAreBytesInTwentyNineColumns) {
  Member("Abcdefghijklmnopqrstuvwxyz012", 1);  // 29 characters: no padding
  Member("\xE9migr\xE9", 2);                   // high bytes pass unchanged
  const SlinkList list = ById();
  PlayerRecord mask{};
  const std::vector<std::string> lines = Lines(ToScreen(5, list.get(), mask));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], "|Abcdefghijklmnopqrstuvwxyz012 :|");
  EXPECT_EQ(lines[3], "|\xE9migr\xE9                        :|");
}

TEST_F(RenderTest, TablesInAFileAndTheMessageOnTheScreen) {
  Member("A", 1);
  const SlinkList list = ById();
  PlayerRecord mask{};
  const std::string head = kNameHeading + "|\n|" + std::string(31, '*') + "|\n";
  std::string screen;
  EXPECT_EQ(ToFile(5, list.get(), mask, screen), head + "|A                             :|\n");
  EXPECT_EQ(screen, "\n   [DATA SAVED SUCESSFULLY]\n\n");
  EXPECT_EQ(ToFile(0, list.get(), mask, screen), head);
  EXPECT_EQ(screen, "\n   [DATA SAVED SUCESSFULLY]\n\n");
  EXPECT_EQ(ToFile(5, nullptr, mask, screen), head);
  EXPECT_EQ(screen, "");
}

TEST_F(RenderTest, AFailedWriteIsNeverReportedAsSaved) {
  Member("A", 1);
  const SlinkList list = ById();
  char path[] = "/tmp/korvelin-render-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  std::FILE* unwritable = fdopen(fd, "r");  // every write to it fails
  ConsoleCapture console("");
  PlayerRecord mask{};
  EXPECT_FALSE(ListShow(5, list.get(), unwritable, mask));
  EXPECT_EQ(console.Printed(), "\n   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]\n");
  std::fclose(unwritable);
  std::remove(path);
}

}  // namespace
