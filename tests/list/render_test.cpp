// The table renderer: headings, separator, cells and row limits; and where
// the closing line end and the saved message go.
#include <unistd.h>

#include <cmath>
#include <cstdlib>

#include "list/list.h"
#include "list/table_writer.h"
#include "test_support.h"

namespace korvelin {

namespace {

const std::string kNameHeading = "| NAME:                        :";
const std::string kListPrompt = "\n   [KORVELIN-LIST]\n >>> ";
const std::string kOutputPrompt =
    "   [FILE TO OUTPUT TO? '\\' TO OUTPUT TO SCREEN]\n   [KORVELIN-LIST-OUTPUT]\n >>> ";

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
  // The fixed table of at most `rows` members of `order` (its header alone
  // without an order).
  std::string Table(int rows, const MemberOrder* order, const ColumnSet& columns) {
    std::FILE* file = std::tmpfile();
    NeverStop never;
    WriteTable(*MakeFixedTable(file),
               *OptionTable({"list", roster, session.list.weights, columns, order, rows}), never);
    std::string text = Contents(file);
    std::fclose(file);
    return text;
  }
  MemberOrder ById() {
    return Sorter().Sort(roster, session.list.weights, OptionByNumber(17),
                         SortDirection::kAscending);
  }
  static ColumnSet Of(std::initializer_list<std::string_view> keywords) {
    return ColumnSet::Of(keywords);
  }
};

TEST_F(RenderTest, NoColumnsGivesTheNameColumnOnly) {
  AddMember("Ann", 1);
  AddMember("Bob", 2);
  const MemberOrder order = ById();
  EXPECT_EQ(Table(10, &order, ColumnSet()), kNameHeading + "|\n|" + std::string(31, '*') + "|\n" +
                                                "|Ann                           :|\n"
                                                "|Bob                           :|\n");
}

TEST_F(RenderTest, DefaultColumnsWithBlankZeroStats) {
  Member& ann = AddMember("Ann", 101);
  ann.level = 10;
  ann.oldspeed = 1000;
  ann.oldpower = 2000;
  ann.oldstren = 3000;
  ann.oldhealth = 4000;
  ann.oldintel = 0;  // a zero stat is an empty cell
  ann.oldbeg = 2.0;
  const MemberOrder order = ById();
  EXPECT_EQ(
      Table(1, &order, kDefaultColumns),
      "| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren "
      ": Old Health : Old Intel : Old Beg :|\n"
      "|" +
          std::string(119, '*') +
          "|\n"
          "|Ann                           :    101 :   10  :     1000  :     2000  :     3000  "
          ":     4000   :           :    2.00 :|\n");
}

// Speed down 12, intelligence unchanged, power from nothing to 5 (+inf %),
// begging 0 to 0 (NaN %).
TEST_F(RenderTest, GainsShowZeroAndSignsAndPercentagesShowNonFiniteWords) {
  Member& r = AddMember("Zed", 5);
  r.oldspeed = 100;
  r.newspeed = 88;
  r.oldintel = r.newintel = 1000;
  r.newpower = 5;
  const MemberOrder order = ById();
  const std::vector<std::string> lines =
      Lines(Table(1, &order, Of({"intelgain", "speedgain", "powerp", "begp"})));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], kNameHeading + " Speed Gain : Intel Gain : Power % :  Beg %  :|");
  EXPECT_EQ(lines[2],
            "|Zed                           :      -12   :        0   :     inf :     nan :|");
}

// The level cell lines up under its heading; the Total % cell is one wider.
TEST_F(RenderTest, RowWidthsAgainstTheHeader) {
  Member& r = AddMember("Ann", 1);
  r.level = 45;
  r.oldspeed = 200;
  r.newspeed = 225;  // Total % 12.5
  const MemberOrder order = ById();
  struct Case {
    bool level, totalp;
    std::size_t extra;
  };
  for (const Case c : {Case{true, false, 0}, Case{false, true, 1}, Case{true, true, 1}}) {
    ColumnSet columns;
    columns.Show(*OptionByKeyword("level"), c.level);
    columns.Show(*OptionByKeyword("totalp"), c.totalp);
    const std::vector<std::string> lines = Lines(Table(1, &order, columns));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].size(), lines[0].size());
    EXPECT_EQ(lines[2].size(), lines[0].size() + c.extra);
  }
  EXPECT_EQ(Lines(Table(1, &order, Of({"level"})))[2], "|Ann                           :   45  :|");
}

TEST_F(RenderTest, EveryColumnSelected) {
  AddMember("Ann", 1);
  ColumnSet every;
  for (const OptionInfo* option : OptionsInDisplayOrder()) every.Show(*option, true);
  const MemberOrder order = ById();
  const std::vector<std::string> lines = Lines(Table(1, &order, every));
  ASSERT_EQ(lines.size(), 3u);
  // 31 + the 35 heading widths (9 + 8 + 12 * 12 + 13 * 7 + 10 * 9 + 14 + 11 * 4 = 400).
  EXPECT_EQ(lines[1], "|" + std::string(31 + 400, '*') + "|");
  EXPECT_EQ(lines[0].size(), lines[1].size());
  EXPECT_EQ(lines[2].size(), lines[0].size() + 1);  // only Total % is wider
}

TEST_F(RenderTest, RowLimits) {
  AddMember("A", 1);
  AddMember("B", 2);
  AddMember("C", 3);
  const MemberOrder order = ById();
  const ColumnSet none;
  const std::string head = kNameHeading + "|\n|" + std::string(31, '*') + "|\n";
  const std::string a = "|A                             :|\n";
  const std::string b = "|B                             :|\n";
  const std::string c = "|C                             :|\n";
  EXPECT_EQ(Table(2, &order, none), head + a + b);
  EXPECT_EQ(Table(3, &order, none), head + a + b + c);
  EXPECT_EQ(Table(99, &order, none), head + a + b + c);
  EXPECT_EQ(Table(0, &order, none), head);
  EXPECT_EQ(Table(-4, &order, none), head);
  // Without an order: the two header lines and nothing after them.
  EXPECT_EQ(Table(5, nullptr, none), head);
}

TEST_F(RenderTest, NamesAreBytesInTwentyNineColumns) {
  AddMember("Abcdefghijklmnopqrstuvwxyz012", 1);  // 29 characters: no padding
  AddMember("\xE9migr\xE9", 2);                   // high bytes pass unchanged
  const MemberOrder order = ById();
  const std::vector<std::string> lines = Lines(Table(5, &order, ColumnSet()));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], "|Abcdefghijklmnopqrstuvwxyz012 :|");
  EXPECT_EQ(lines[3], "|\xE9migr\xE9                        :|");
}

// The List protocol: a table sent to a file is reported saved once it is
// in the file; one that could not be written (a full disk) never is.
TEST_F(RenderTest, TablesInAFileAndTheMessageOnTheScreen) {
  AddMember("A", 1);
  char path[] = "/tmp/korvelin-render-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  ConsoleCapture console(std::string("output ") + path + " list done\n");
  List(console, session);
  EXPECT_EQ(console.Printed(), kListPrompt + kOutputPrompt + kListPrompt + "\n" +
                                   "   [DATA SAVED SUCESSFULLY]\n\n" + kListPrompt);
  const FilePtr file(std::fopen(path, "r"));
  ASSERT_TRUE(file);
  EXPECT_EQ(Contents(file.get()), kNameHeading + "|\n|" + std::string(31, '*') + "|\n" +
                                      "|A                             :|\n");
  std::remove(path);
}

TEST_F(RenderTest, AFailedWriteIsNeverReportedAsSaved) {
  AddMember("A", 1);
  ConsoleCapture console("output /dev/full list done\n");
  List(console, session);
  EXPECT_EQ(console.Printed(), kListPrompt + kOutputPrompt + kListPrompt + "\n" +
                                   "   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]\n" +
                                   "   [No space left on device]\n" + kListPrompt);
}

}  // namespace

}  // namespace korvelin
