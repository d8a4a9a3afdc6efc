// The stat-table row grammar, its console echo, and LOAD's choice between
// stat tables and save files.
#include <cerrno>
#include <chrono>
#include <set>
#include <string>

#include "files_support.h"
#include "text/dates.h"

namespace korvelin {

namespace {

// Reads the first row of `table`, returning its echo.
std::string Row(const std::string& table, TableRow& r, TextStream* rest = nullptr) {
  StringSink echo;
  TextStream in = StreamOf(table);
  int skipped = 0;
  EXPECT_TRUE(ReadTableRow(in, r, skipped));
  EchoTableRow(r, echo);
  if (rest != nullptr) *rest = std::move(in);
  return echo.text();
}

void ExpectStats(const TableRow& row, int speed, int power, int stren, int health) {
  const Member& r = row.member;
  EXPECT_EQ(r.oldspeed, speed);
  EXPECT_EQ(r.oldpower, power);
  EXPECT_EQ(r.oldstren, stren);
  EXPECT_EQ(r.oldhealth, health);
  EXPECT_EQ(r.newspeed, speed);
  EXPECT_EQ(r.newpower, power);
  EXPECT_EQ(r.newstren, stren);
  EXPECT_EQ(r.newhealth, health);
}

const std::string kDots = " . . . . . . .   .done";

TEST(TableRow, WorkedRowAndItsEcho) {
  TableRow r{};
  const std::string echo = Row("Some Member (123456) 45 1200 1100 1000 900\n", r);
  EXPECT_EQ(r.name, "Some Member");
  EXPECT_EQ(r.member.id, 123456);
  EXPECT_EQ(r.member.level, 45);
  ExpectStats(r, 1200, 1100, 1000, 900);
  EXPECT_EQ(r.member.oldintel, 1000);
  EXPECT_EQ(r.member.newintel, 1000);
  EXPECT_EQ(r.member.oldbeg, 2.0);
  EXPECT_EQ(r.member.newbeg, 2.0);
  EXPECT_EQ(echo, "Some Member                    : 123456 :  45 :  1200 :  1100 :  1000 :    900" +
                      kDots + "\n");
}

TEST(TableRow, NameEndsAtAParenthesisFollowedByADigit) {
  TableRow a{}, b{}, c{};
  Row("Bob(12) 3 4 5 6 7", a);
  EXPECT_EQ(a.name, "Bob");
  EXPECT_EQ(a.member.id, 12);
  EXPECT_EQ(a.member.level, 3);
  ExpectStats(a, 4, 5, 6, 7);
  Row("Bob (12)", b);
  EXPECT_EQ(b.name, "Bob");
  EXPECT_EQ(b.member.id, 12);
  Row("Mr (X) Man (77) 5 1 2 3 4", c);
  EXPECT_EQ(c.name, "Mr (X) Man");
  EXPECT_EQ(c.member.id, 77);
  ExpectStats(c, 1, 2, 3, 4);
}

TEST(TableRow, LongNamesKeepTwentyNineCharactersAndTheirId) {
  TableRow exact{}, thirty{}, longer{};
  Row("ABCDEFGHIJKLMNOPQRSTUVWXYZ123(5) 1 2 3 4 5", exact);
  EXPECT_EQ(exact.name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ123");
  EXPECT_EQ(exact.member.id, 5);

  // The characters after the 29th are dropped up to the "(" of the ID, so
  // the ID and the stats are read from their own places.
  Row("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234(5) 1 2 3 4 5", thirty);
  EXPECT_EQ(thirty.name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ123");
  EXPECT_EQ(thirty.member.id, 5);
  EXPECT_EQ(thirty.member.level, 1);
  ExpectStats(thirty, 2, 3, 4, 5);

  const std::string echo = Row("ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789 (5) 1 2 3 4 5", longer);
  EXPECT_EQ(longer.name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ123");
  EXPECT_EQ(longer.member.id, 5);
  EXPECT_EQ(longer.member.level, 1);
  ExpectStats(longer, 2, 3, 4, 5);
  EXPECT_EQ(echo, "ABCDEFGHIJKLMNOPQRSTUVWXYZ123  :      5 :   1 :     2 :     3 :     4 :      5" +
                      kDots + "\n");
}

TEST(TableRow, ATabStartsCellsOtherControlCharactersEndTheRow) {
  // After a tab, a cell is one value: "3 4 5 6 7" is the level 3.
  TableRow a{};
  Row("Bob (12)\t3 4 5 6 7", a);
  EXPECT_EQ(a.member.level, 3);
  EXPECT_EQ(a.carried, Bit(TableValue::kLevel));
  ExpectStats(a, 0, 0, 0, 0);

  // Any other control character still ends the row.
  TableRow c{};
  TextStream rest = StreamOf("");
  Row("Bob (12) 3\v4 5 6 7\n", c, &rest);
  EXPECT_EQ(c.member.level, 3);
  ExpectStats(c, 0, 0, 0, 0);
  EXPECT_EQ(rest.Get(), '4');
}

TEST(TableRow, ExtraColumnsAreIgnoredToTheLineEnd) {
  TextStream in = StreamOf("Bob (12) 3 4 5 6 7 88 99 (100) x\nAnn (13) 1 2 3 4 5\n");
  TableRow a{}, b{};
  int skipped = 0;
  ASSERT_TRUE(ReadTableRow(in, a, skipped));
  ASSERT_TRUE(ReadTableRow(in, b, skipped));
  ExpectStats(a, 4, 5, 6, 7);
  EXPECT_EQ(b.name, "Ann");
  EXPECT_EQ(b.member.id, 13);
  TableRow none{};
  EXPECT_FALSE(ReadTableRow(in, none, skipped));
}

TEST(TableRow, BlanksAroundTheNameAndLeadingLineEndsAreDropped) {
  TableRow r{};
  Row("\n\n\t\r\n  Bob (1) 2 3 4 5 6", r);
  EXPECT_EQ(r.name, "Bob");
}

TEST(TableRow, EndOfFileInsideARowFinishesTheRow) {
  TableRow r{};
  const std::string echo = Row("Bob (12) 3 4", r);
  EXPECT_EQ(echo, "Bob                            :     12 :   3 :     4   [MISSING STATS]\n");
  EXPECT_EQ(r.carried, Bit(TableValue::kLevel) | Bit(TableValue::kSpeed));
  EXPECT_EQ(r.member.newspeed, 4);
  EXPECT_EQ(r.member.newintel, 1000);
  // A name alone is not a row.
  TextStream in = StreamOf("Bo");
  TableRow name_only{};
  int skipped = 0;
  EXPECT_FALSE(ReadTableRow(in, name_only, skipped));
  EXPECT_EQ(skipped, 1);
}

TEST(TableRow, NumbersLosingTheirSignAndOverflowing) {
  TableRow r{};
  Row("Bob (12) 3 -4 5 99999999999 7", r);
  ExpectStats(r, 4, 5, 2147483647, 7);  // the skip to a number drops the "-"
}

TEST(TableRow, SingleByteNoBreakSpacesAreSpacesAndGroupDigits) {
  TableRow r{};
  Row("Cid\xA0Lee (7) 1 2\xA0"
      "345 6 7 8",
      r);
  EXPECT_EQ(r.name, "Cid Lee");
  ExpectStats(r, 2345, 6, 7, 8);
}

class ImportTest : public FilesTest {};

TEST_F(ImportTest, CrLfTablesLoadLikeLfTables) {
  Write("lf.txt", "Bob (1) 2 3 4 5 6\nAnn (2) 3 4 5 6 7\n");
  Write("crlf.txt", "Bob (1) 2 3 4 5 6\r\nAnn (2) 3 4 5 6 7\r\n");
  const std::string lf = LoadFile("lf.txt");
  const std::string crlf = LoadFile("crlf.txt");
  EXPECT_EQ(lf, crlf);
  EXPECT_EQ(roster.size(), 2u);
  EXPECT_EQ(NameOf(roster[1]), "Ann");
  EXPECT_EQ(roster[1].oldhealth, 7);
}

TEST_F(ImportTest, EveryRowResetsTheListSettings) {
  Write("t.txt", "Bob (12) 3\n");  // a row without stats resets them too
  session.list.sort_option = 5;
  session.list.sort_direction = SortDirection::kDescending;
  session.list.weights.speed = 9;
  LoadFile("t.txt");
  EXPECT_EQ(session.list.sort_option, 17);
  EXPECT_EQ(session.list.sort_direction, SortDirection::kAscending);
  EXPECT_EQ(session.list.weights.speed, 2.12);
  EXPECT_EQ(session.list.weights.power, 1.24);
  EXPECT_EQ(session.list.weights.strength, 1.434);
  EXPECT_EQ(session.list.weights.health, 0.667);
  const std::set<std::string> shown = {"id",       "level",     "oldspeed", "oldpower",
                                       "oldstren", "oldhealth", "oldintel", "oldbeg"};
  for (int n = 1; n <= kOptionCount; ++n) {
    const OptionInfo& o = OptionByNumber(n);
    EXPECT_EQ(session.columns.Shows(o), shown.count(o.keyword) == 1) << o.keyword;
  }
}

TEST_F(ImportTest, TablesWithoutAMemberChangeNothing) {
  AddMember("Old", 1);
  Write("empty.txt", "");
  Write("blank.txt", "\n\r\n\n");
  session.list.sort_option = 5;
  session.columns.Show(*OptionByKeyword("wtotal"), true);
  EXPECT_EQ(LoadFile("empty.txt"),
            "   [FILE TO LOAD? '\\' TO CANCEL]\n   [KORVELIN-LOAD]\n >>> "
            "   [LOADING]\n   [NO MEMBERS IN THAT FILE.  LOAD ABORTED]\n");
  LoadFile("blank.txt");
  ASSERT_EQ(roster.size(), 1u);
  EXPECT_EQ(NameOf(roster[0]), "Old");
  EXPECT_EQ(session.list.sort_option, 5);
  EXPECT_TRUE(session.columns.Shows(*OptionByKeyword("wtotal")));
}

// A table pasted at the prompt is dated today and left unsaved, whatever
// the date of a file named paste, which is read when named in quotes.
TEST_F(ImportTest, APastedTableIsDatedTodayAndLeftUnsaved) {
  Write("paste", "File (9) 1 1 1 1 1\n");
  fs::last_write_time(Path("paste"), fs::last_write_time(Path("paste")) - std::chrono::hours(9600));
  LoadFile("Paste\nAnn (1) 1 2 3 4 5\n");
  ASSERT_EQ(roster.size(), 1u);
  EXPECT_EQ(NameOf(roster[0]), "Ann");
  EXPECT_EQ(session.season[0].day, Today());
  EXPECT_EQ(session.saved.clean_points, 0u);
  LoadFile("\"paste\"");
  EXPECT_EQ(NameOf(roster[0]), "File");
  EXPECT_LT(session.season[0].day, Today() - 300);
  EXPECT_EQ(session.saved.clean_points, 1u);
}

TEST_F(ImportTest, LoadingTwiceReplacesTheRoster) {
  Write("a.txt", "A (1) 1 1 1 1 1\nB (2) 1 1 1 1 1\nC (3) 1 1 1 1 1\n");
  Write("b.txt", "D (4) 1 1 1 1 1\n");
  LoadFile("a.txt");
  LoadFile("b.txt");
  EXPECT_EQ(roster.size(), 1u);
  EXPECT_EQ(NameOf(roster[0]), "D");
}

TEST_F(ImportTest, FilesThatCannotBeOpenedChangeNothing) {
  AddMember("Kept", 1);
  fs::create_directory(dir_ / "folder");
  const std::string failure =
      "   [FILE TO LOAD? '\\' TO CANCEL]\n   [KORVELIN-LOAD]\n >>> "
      "   [ERROR OPENING FILE.  LOAD ABORTED]\n";
  EXPECT_EQ(LoadFile("missing.txt"), failure + "   [No such file or directory]\n");
  EXPECT_EQ(LoadFile("folder"), failure + "   [Is a directory]\n");
  EXPECT_EQ(roster.size(), 1u);
  EXPECT_EQ(NameOf(roster[0]), "Kept");
  // What the reader told the command: the failure, the name and the error.
  std::string bytes;
  const FileStatus missing = ReadFile("missing.txt", bytes);
  EXPECT_EQ(missing.failure, FileFailure::kCannotOpen);
  EXPECT_EQ(missing.file, "missing.txt");
  EXPECT_EQ(missing.error, ENOENT);
  const FileStatus folder = ReadFile("folder", bytes);
  EXPECT_EQ(folder.failure, FileFailure::kCannotOpen);
  EXPECT_EQ(folder.file, "folder");
}

TEST_F(ImportTest, AFileLargerThanTheReadLimitIsRefusedWhole) {
  Write("eleven.txt", "0123456789\n");
  std::string bytes = "left over";
  EXPECT_EQ(ReadFile("eleven.txt", bytes, 10).failure, FileFailure::kTooLarge);
  EXPECT_TRUE(bytes.empty());
  EXPECT_TRUE(ReadFile("eleven.txt", bytes, 11).ok());
  EXPECT_EQ(bytes, "0123456789\n");
}

TEST_F(ImportTest, OnlyTheExactHeaderMakesASaveFile) {
  const std::string header = kSaveHeader;
  const std::string rest = "\n| titles\n___|\n\n}\n";

  Write("save.sav", header + rest + SaveTrailer());
  AddMember("Old", 1);
  EXPECT_EQ(LoadFile("save.sav").find("[LOADING]"), std::string::npos);
  EXPECT_EQ(roster.size(), 0u);

  // One character changed: a stat table, read from its first character,
  // whose lines hold no ID.
  std::string changed = header;
  changed[150] = 'x';
  Write("changed.txt", changed + rest + "Ann (4) 1 2 3 4 5\n");
  const std::string echo = LoadFile("changed.txt");
  EXPECT_NE(echo.find("   [LOADING]\nAnn "), std::string::npos);
  EXPECT_NE(echo.find(".done\n   [SKIPPED 9 LINES WITHOUT AN ID]\n"), std::string::npos);
  EXPECT_EQ(roster.size(), 1u);

  // Shorter than the header: a stat table too.
  Write("short.txt", header.substr(0, 120));
  EXPECT_NE(LoadFile("short.txt").find("[LOADING]"), std::string::npos);

  // The header written with CR LF line ends is still the header.
  std::string windows;
  for (char c : header + rest) {
    if (c == '\n') windows += '\r';
    windows += c;
  }
  Write("windows.sav", windows);
  EXPECT_EQ(LoadFile("windows.sav").find("[LOADING]"), std::string::npos);
}

}  // namespace

}  // namespace korvelin
