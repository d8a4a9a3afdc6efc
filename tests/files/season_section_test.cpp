// The season in the save file: names escaped and read back, damaged lines
// skipped and counted, a save read back and saved again byte for byte; and
// the season's long table exported and read back.
#include "files/season_section.h"

#include "files/files_support.h"
#include "list/export_readers.h"
#include "text/dates.h"

namespace korvelin {

namespace {

TEST(HistoryLine, QuotesBackslashesAndControlCharactersAreEscapedAndReadBack) {
  const SeasonPoint point{2.5, DayOf(2026, 11, 17), 439563, 44, 11776, -10011, 9746, 8700, 1000, 0};
  // A tab, BEL, DEL and a lone C1 byte are escaped; U+0085 written in UTF-8
  // and a Latin-1 "é" byte are not.
  const std::string name = "Say \"hi\" \\ tab\t\x07\x7F lone \x85 nel \xC2\x85 \xE9";
  std::string line;
  AppendSeasonLine(line, point, name);
  EXPECT_EQ(line,
            "2026-11-17 439563 44 11776 -10011 9746 8700 1000 2.500000 \"Say \\\"hi\\\" \\\\ "
            "tab\\x09\\x07\\x7f lone \\x85 nel \xC2\x85 \xE9\"\n");
  SeasonPoint back{};
  std::string read;
  ASSERT_TRUE(ReadSeasonLine(line.substr(0, line.size() - 1), back, read));
  EXPECT_EQ(read, name);
  EXPECT_EQ(std::tie(back.day, back.id, back.power, back.beg),
            std::tie(point.day, point.id, point.power, point.beg));
}

class HistoryFileTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    Write("gang-2026-11-03.txt",
          "Comma, \"quoted\" (7) 3 10 20 30 40\n=SUM(A1) (8) 4 50 60 70 80\n");
    Write("gang-2026-11-10.txt", "Comma, \"quoted\" (7) 3 15 25 35 45\n");
    LoadFile("gang-2026-11-03.txt");
    UpdateFrom("gang-2026-11-10.txt");
    SaveTo(Path("a.sav"));
  }
};

TEST_F(HistoryFileTest, DamagedLinesAreSkippedAndCountedAndTheRestSavedAgainByteForByte) {
  const std::string saved = Read("a.sav");
  const std::size_t mark = saved.find("HISTORY 1\n");
  ASSERT_NE(mark, std::string::npos);
  // The points in reverse order, among lines that cannot be read whole.
  const std::vector<std::string> points = export_readers::Split(saved.substr(mark + 10), "\n");
  ASSERT_EQ(points.size(), 4u);  // three points and what follows the last line end
  std::string damaged = saved.substr(0, mark + 10) + points[2] + "\n" +
                        "2026-11-10 9 1 1 2 3 4 1000 2.000000\n" + points[1] + "\n" +
                        "2026-13-10 9 1 1 2 3 4 1000 2.000000 \"bad date\"\n" +
                        "2026-11-10 9 1 99999999999 2 3 4 1000 2.000000 \"too large\"\n" +
                        "2026-11-10 9 1 1 2 3 4 1000 2.000000 \"bad \\q escape\"\n\n" + points[0] +
                        "\n" + "2026-11-10 9 1 1 2 3 4 1000 2.000000 \"X\" more\n";
  Write("b.sav", damaged);
  EXPECT_NE(LoadFile("b.sav").find("|\n   [SKIPPED 5 DAMAGED HISTORY LINES]\n"), std::string::npos);
  SaveTo(Path("c.sav"));
  EXPECT_EQ(Read("c.sav"), saved);
  EXPECT_EQ(LoadFile("c.sav").find("DAMAGED"), std::string::npos);
  // A table without members changes nothing, the season included.
  Write("empty.txt", "no members here\n");
  LoadFile("empty.txt");
  SaveTo(Path("d.sav"));
  EXPECT_EQ(Read("d.sav"), saved);
}

// The stall bar has a line before the season only when it is not the
// default; a file without it (a.sav), or with one out of range (passed
// over as any line before the season), has the default.
TEST_F(HistoryFileTest, TheStallBarTravelsOnALineOfItsOwnBeforeTheSeason) {
  EXPECT_EQ(Read("a.sav").find("STALL"), std::string::npos);
  session.list.stall = {2, 500.25};
  SaveTo(Path("b.sav"));
  std::string saved = Read("b.sav");
  EXPECT_NE(saved.find(" \n}\nSTALL 2 500.250000\nHISTORY 1\n"), std::string::npos);
  Write("c.sav", saved.replace(saved.find("STALL 2"), 7, "STALL 53"));
  for (const char* file : {"b.sav", "a.sav", "c.sav"}) {
    session.list.stall = {5, 1};
    LoadFile(file);
    EXPECT_EQ(session.list.stall, (file[0] == 'b' ? StallBar{2, 500.25} : StallBar())) << file;
    EXPECT_EQ(session.season.size(), 3u);
  }
}

TEST_F(HistoryFileTest, TheLongTableReadsBackFromCsvAndTheTrendFromJson) {
  ConsoleCapture console("output all.csv history all output trend.json trend total done\n");
  List(console, session);
  using Row = std::vector<std::string>;
  const std::vector<export_readers::Rows> tables =
      export_readers::ReadCsv(Read("all.csv").substr(3));
  EXPECT_EQ(
      tables[0],
      (export_readers::Rows{
          {"Date", "ID", "Name", "Level", "Speed", "Power", "Strength", "Health", "Intel", "Beg"},
          Row{"2026-11-03", "7", "Comma, \"quoted\"", "3", "10", "20", "30", "40", "1000", "2.00"},
          Row{"2026-11-03", "8", "'=SUM(A1)", "4", "50", "60", "70", "80", "1000", "2.00"},
          Row{"2026-11-10", "7", "Comma, \"quoted\"", "3", "15", "25", "35", "45", "1000",
              "2.00"}}));
  const std::string json = Read("trend.json");
  export_readers::Json document;
  std::size_t at = 0;
  ASSERT_TRUE(export_readers::ReadJson(json, at, document)) << json;
  const export_readers::Json& rows = document.items.at(0).second.items.at(2).second;
  ASSERT_EQ(rows.items.size(), 2u);
  std::string cells;
  for (const auto& row : rows.items) {
    for (const auto& [key, value] : row.second.items) cells += key + "=" + value.text + ";";
    cells += "\n";
  }
  EXPECT_EQ(cells,
            "Name=Comma, \"quoted\";ID=7;2026-11-03=60;2026-11-10=75;Gain=15;Per Week=15.0;"
            "Trend=▁█;\n"
            "Name==SUM(A1);ID=8;2026-11-03=180;2026-11-10=null;Gain=0;Per Week=null;Trend=▁ ;\n");
}

}  // namespace

}  // namespace korvelin
