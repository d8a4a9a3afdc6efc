// Files nobody meant to load: devices, folders, NUL bytes, enormous lines,
// high bytes and numbers of thirty digits all give defined results.
#include <cfloat>
#include <chrono>
#include <climits>
#include <cmath>
#include <string>

#include "files_support.h"

namespace korvelin {

namespace {

class HostileFilesTest : public FilesTest {};

TEST_F(HostileFilesTest, TheNullDeviceIsAnEmptyTable) {
  AddMember("Kept", 1);
  ConsoleCapture load("/dev/null\n");
  Load(load, session);
  EXPECT_EQ(roster.size(), 1u);  // an empty table changes nothing
  ConsoleCapture update("/dev/null\n");
  Update(update, session);
  EXPECT_EQ(roster.size(), 1u);
}

TEST_F(HostileFilesTest, NulBytesStayInTheNameAndEndItsPrintedForm) {
  const std::string table("Bob\0ert (12) 3 4 5 6 7\n", 23);
  TableRow row;
  int skipped = 0;
  TextStream in = StreamOf(table);
  ASSERT_TRUE(ReadTableRow(in, row, skipped));
  EXPECT_EQ(row.name, std::string("Bob\0ert", 7));
  // The roster keeps a name up to its first NUL byte: its printed form.
  Write("nul.txt", table);
  const std::string echo = LoadFile("nul.txt");
  ASSERT_EQ(roster.size(), 1u);
  const Member& r = roster[0];
  EXPECT_EQ(NameOf(r), "Bob");
  EXPECT_EQ(r.id, 12);
  EXPECT_EQ(r.newhealth, 7);
  EXPECT_NE(echo.find("Bob                            :     12"), std::string::npos);
}

TEST_F(HostileFilesTest, ATenMegabyteLineIsReadQuickly) {
  Write("long.txt", std::string(10 << 20, 'A') + " (5) 1 2 3 4 5\nNext (6) 1 1 1 1 1\n");
  const auto start = std::chrono::steady_clock::now();
  LoadFile("long.txt");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  ASSERT_EQ(roster.size(), 2u);
  const Member& r = roster[0];
  EXPECT_EQ(NameOf(r), std::string(29, 'A'));
  EXPECT_EQ(r.id, 5);  // the rest of the name is dropped up to the ID
  EXPECT_EQ(r.level, 1);
  EXPECT_EQ(r.oldspeed, 2);
  EXPECT_EQ(r.oldhealth, 5);
  EXPECT_EQ(NameOf(roster[1]), "Next");
}

TEST_F(HostileFilesTest, HighBytesAndHighControlCharactersAreNameCharacters) {
  Write("high.txt", "Caf\xE9 \x85\xFF (9) 1 2 3 4 5\n");
  LoadFile("high.txt");
  ASSERT_EQ(roster.size(), 1u);
  EXPECT_EQ(NameOf(roster[0]), "Caf\xE9 \x85\xFF");
  EXPECT_EQ(roster[0].id, 9);
}

TEST_F(HostileFilesTest, ThirtyDigitNumbersSaturate) {
  const std::string huge = "123456789012345678901234567890";
  Write("big.txt", "Big (" + huge + ") " + huge + " 1 2 3 " + huge + "\n");
  LoadFile("big.txt");
  ASSERT_EQ(roster.size(), 1u);
  EXPECT_EQ(roster[0].id, INT_MAX);
  EXPECT_EQ(roster[0].level, INT_MAX);
  EXPECT_EQ(roster[0].newhealth, INT_MAX);

  Write("newer.txt", "Bigger (" + huge + ") 2 9 9 9 9\nOther (7) 1 1 1 1 1\n");
  UpdateFrom("newer.txt");
  EXPECT_EQ(roster.size(), 2u);  // the same saturated ID matched
  EXPECT_EQ(NameOf(roster[1]), "Bigger");

  // In a save file too, with the sign kept.
  Write("big.sav", std::string(kSaveHeader) + "\n\n\n\n|Neg" + std::string(26, ' ') + " : -" +
                       huge + " : " + huge + " : 1 : 1 : 1 : 1 : 1 : 1e999 : 1 : 1 : 1 : 1 : 1 : " +
                       "2.5 |\n}\n" + SaveTrailer());
  LoadFile("big.sav");
  ASSERT_EQ(roster.size(), 1u);
  EXPECT_EQ(roster[0].id, INT_MIN);
  EXPECT_EQ(roster[0].level, INT_MAX);
  EXPECT_EQ(roster[0].oldbeg, DBL_MAX);  // reals saturate as integers do
  EXPECT_EQ(roster[0].newbeg, 2.5);
}

}  // namespace

}  // namespace korvelin
