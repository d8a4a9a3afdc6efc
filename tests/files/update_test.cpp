// UPDATE: matching rows to members by ID, adding unknown IDs at the front,
// and leaving everything else alone.
#include <string>
#include <vector>

#include "files_support.h"

namespace korvelin {

namespace {

class UpdateTest : public FilesTest {
 protected:
  std::vector<int> Ids() const {
    std::vector<int> ids;
    for (const Member& member : roster) ids.push_back(member.id);
    return ids;
  }

  void SetUp() override {
    FilesTest::SetUp();
    Write("gang.txt", "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\n");
    LoadFile("gang.txt");
    // What a leader may have changed by hand since the import.
    roster[0].oldintel = 900;
    roster[0].newintel = 950;
    roster[0].newbeg = 3.25;
  }
};

TEST_F(UpdateTest, MatchedMembersTakeNameLevelAndNewStatsOnly) {
  Write("week2.txt", "Annie (1) 11 150 250 350 450 extra\n");
  UpdateFrom("week2.txt");
  const Member& ann = roster[0];
  EXPECT_EQ(NameOf(ann), "Annie");
  EXPECT_EQ(ann.level, 11);
  EXPECT_EQ(ann.newspeed, 150);
  EXPECT_EQ(ann.newpower, 250);
  EXPECT_EQ(ann.newstren, 350);
  EXPECT_EQ(ann.newhealth, 450);
  // The baseline, intelligence and beg are the leader's, not the table's.
  EXPECT_EQ(ann.oldspeed, 100);
  EXPECT_EQ(ann.oldhealth, 400);
  EXPECT_EQ(ann.oldintel, 900);
  EXPECT_EQ(ann.newintel, 950);
  EXPECT_EQ(ann.oldbeg, 2.0);
  EXPECT_EQ(ann.newbeg, 3.25);
  // A member without a row keeps everything.
  EXPECT_EQ(NameOf(roster[1]), "Bob");
  EXPECT_EQ(roster[1].newspeed, 110);
  EXPECT_EQ(roster.size(), 2u);
}

TEST_F(UpdateTest, UnknownIdsJoinAtTheFrontWithEqualSnapshots) {
  Write("new.txt", "Cid (3) 5 1 2 3 4\nDee (4) 6 5 6 7 8\n");
  UpdateFrom("new.txt");
  EXPECT_EQ(Ids(), (std::vector<int>{4, 3, 1, 2}));
  EXPECT_EQ(roster.size(), 4u);
  const Member& dee = roster[0];
  EXPECT_EQ(dee.oldspeed, 5);
  EXPECT_EQ(dee.newspeed, 5);
  EXPECT_EQ(dee.oldintel, 1000);
  EXPECT_EQ(dee.newbeg, 2.0);
}

TEST_F(UpdateTest, ASecondRowWithTheSameIdIsNotTaken) {
  Write("twice.txt", "Eve (5) 1 10 20 30 40\nEva (5) 2 11 21 31 41\n");
  UpdateFrom("twice.txt");
  EXPECT_EQ(roster.size(), 3u);
  const Member& eve = roster[0];
  EXPECT_EQ(NameOf(eve), "Eve");
  EXPECT_EQ(eve.level, 1);
  EXPECT_EQ(eve.oldspeed, 10);
  EXPECT_EQ(eve.newspeed, 10);
}

// Tables large enough that the ID tables grow while they are read: every
// repeated ID is still found, and the first row with it counts.
TEST_F(UpdateTest, RepeatedIdsAreFoundInLargeTables) {
  std::string table, again;
  for (int id = 1; id <= 5000; ++id) {
    table += "A (" + std::to_string(id) + ") 1 1 1 1 1\n";
    again += "B (" + std::to_string(id) + ") 2 2 2 2 2\n";
  }
  Write("big.txt", table + again);
  EXPECT_NE(LoadFile("big.txt").find("[SKIPPED 5000 ROWS WITH A REPEATED ID]"), std::string::npos);
  ASSERT_EQ(roster.size(), 5000u);
  EXPECT_EQ(NameOf(roster[4999]), "A");
  // 5,000 more IDs join the 5,000, each row twice: the first one counts.
  table.clear();
  again.clear();
  for (int id = 1; id <= 10000; ++id) {
    table += "C (" + std::to_string(id) + ") 3 3 3 3 3\n";
    again += "D (" + std::to_string(id) + ") 4 4 4 4 4\n";
  }
  Write("week2.txt", table + again);
  EXPECT_NE(UpdateFrom("week2.txt").find("[SKIPPED 10000 ROWS WITH A REPEATED ID]"),
            std::string::npos);
  ASSERT_EQ(roster.size(), 10000u);
  for (const Member& member : roster) {
    ASSERT_EQ(NameOf(member), "C");
    ASSERT_EQ(member.level, 3);
  }
}

TEST_F(UpdateTest, ARowCutShortKeepsTheNewStatsItLacks) {
  Write("short.txt", "Bob (2) 21\n");
  UpdateFrom("short.txt");
  const Member& bob = roster[1];
  EXPECT_EQ(bob.level, 21);
  EXPECT_EQ(bob.newspeed, 110);
  EXPECT_EQ(bob.newhealth, 410);
  EXPECT_EQ(bob.oldspeed, 110);
}

TEST_F(UpdateTest, SettingsStayAsTheyWere) {
  session.list.weights.speed = 7;
  session.list.sort_option = 29;
  session.list.sort_direction = SortDirection::kDescending;
  session.columns = ColumnSet();
  Write("new.txt", "Cid (3) 5 1 2 3 4\n");
  UpdateFrom("new.txt");
  EXPECT_EQ(session.list.weights.speed, 7);
  EXPECT_EQ(session.list.sort_option, 29);
  EXPECT_EQ(session.list.sort_direction, SortDirection::kDescending);
  EXPECT_FALSE(session.columns.Shows(*OptionByKeyword("id")));
}

TEST_F(UpdateTest, EmptyRosterTakesEveryRowLastRowFirst) {
  roster.Clear();
  Write("all.txt", "A (1) 1 1 1 1 1\r\nB (2) 1 1 1 1 1\r\nC (3) 1 1 1 1 1\r\n");
  UpdateFrom("all.txt");
  EXPECT_EQ(Ids(), (std::vector<int>{3, 2, 1}));
}

TEST_F(UpdateTest, CancelMissingFilesAndFoldersChangeNothing) {
  fs::create_directory("folder");
  const std::string prompt =
      "   [FILE TO UPDATE FROM? '\\' TO CANCEL]\n   [KORVELIN-UPDATE]\n >>> ";
  EXPECT_EQ(UpdateFrom("\\gang.txt"), prompt);
  EXPECT_EQ(UpdateFrom("missing.txt"), prompt + "   [ERROR OPENING FILE.  UPDATE ABORTED]\n" +
                                           "   [No such file or directory]\n");
  EXPECT_EQ(UpdateFrom("folder"),
            prompt + "   [ERROR OPENING FILE.  UPDATE ABORTED]\n   [Is a directory]\n");
  EXPECT_EQ(Ids(), (std::vector<int>{1, 2}));
}

TEST_F(UpdateTest, EchoesEachRowAsTheImportDoes) {
  Write("one.txt", "Cid (3) 5 1 2 3 4");
  EXPECT_EQ(
      UpdateFrom("one.txt"),
      "   [FILE TO UPDATE FROM? '\\' TO CANCEL]\n   [KORVELIN-UPDATE]\n >>> "
      "   [LOADING]\n"
      "Cid                            :      3 :   5 :     1 :     2 :     3 :      4"
      " . . . . . . .   .done\n   [NOT IN THIS TABLE: 2 MEMBERS]\n      Ann (1)\n      Bob (2)\n");
}

TEST_F(UpdateTest, AUtf8NameReplacesTheOldOneWhole) {
  std::string cjk;
  for (int i = 0; i < 30; ++i) cjk += "\xE9\xBE\x8D";
  Write("cjk.txt", cjk + " (2) 21 1 2 3 4\n");
  UpdateFrom("cjk.txt");
  EXPECT_EQ(NameOf(roster[1]), cjk.substr(0, 29 * 3));
  EXPECT_EQ(roster[1].level, 21);
}

}  // namespace

}  // namespace korvelin
