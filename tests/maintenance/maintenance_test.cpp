// Roster state after ADD, DELETE, SNAP and EDIT: members and their order,
// both snapshots, and nothing added or kept when the input ends half-way.
#include "maintenance/maintenance.h"

#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"

namespace korvelin {

namespace {

// ADD's answers after the ID: name, level, six stats, confirmation.
const std::string kAnn = "Ann\n10\n100\n200\n300\n400\n500\n2.5\n";

std::vector<int> Ids(const Roster& roster) {
  std::vector<int> ids;
  for (const Member& m : roster) ids.push_back(m.id);
  return ids;
}

void ExpectSnapshotsEqual(const Member& r) {
  EXPECT_EQ(r.oldspeed, r.newspeed);
  EXPECT_EQ(r.oldpower, r.newpower);
  EXPECT_EQ(r.oldstren, r.newstren);
  EXPECT_EQ(r.oldhealth, r.newhealth);
  EXPECT_EQ(r.oldintel, r.newintel);
  EXPECT_EQ(r.oldbeg, r.newbeg);
}

using AddTest = RosterTest;

TEST_F(AddTest, ConfirmedMemberGoesToTheFrontWithBothSnapshots) {
  AddMember("Old", 1);
  ConsoleCapture console("5\n" + kAnn + "y\n");
  Add(console, roster);
  EXPECT_EQ(Ids(roster), (std::vector<int>{5, 1}));
  const Member* ann = &roster[0];
  EXPECT_EQ(NameOf(*ann), "Ann");
  EXPECT_EQ(ann->level, 10);
  EXPECT_EQ(ann->newspeed, 100);
  EXPECT_EQ(ann->newpower, 200);
  EXPECT_EQ(ann->newstren, 300);
  EXPECT_EQ(ann->newhealth, 400);
  EXPECT_EQ(ann->newintel, 500);
  EXPECT_EQ(ann->newbeg, 2.5);
  ExpectSnapshotsEqual(*ann);
}

TEST_F(AddTest, EndOfInputAnywhereLinksNothing) {
  const std::string full = "5\n" + kAnn + "n\n" + kAnn;
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    ConsoleCapture console(full.substr(0, cut));
    Add(console, roster);
    EXPECT_TRUE(console.Ended()) << cut;
    EXPECT_TRUE(roster.empty()) << cut;
  }
}

using DeleteTest = RosterTest;

TEST_F(DeleteTest, ConfirmedDeleteUnlinksOneMember) {
  AddMember("A", 1);
  AddMember("B", 2);
  AddMember("C", 3);
  ConsoleCapture console("7 2 yes");
  Delete(console, session);
  EXPECT_EQ(Ids(roster), (std::vector<int>{1, 3}));
  EXPECT_EQ(NameOf(roster[1]), "C");
}

TEST_F(DeleteTest, OnlyMemberLeavesAnEmptyRoster) {
  AddMember("A", 1);
  ConsoleCapture console("1 y");
  Delete(console, session);
  EXPECT_TRUE(roster.empty());
}

TEST_F(DeleteTest, AnythingButYesOrTheEndOfInputKeepsTheMember) {
  AddMember("A", 1);
  for (const char* input : {"1 x", "1 No", "0 1 y", "1", "5 "}) {
    ConsoleCapture console(input);
    Delete(console, session);
    EXPECT_EQ(Ids(roster), std::vector<int>{1}) << input;
  }
}

using SnapTest = RosterTest;

TEST_F(SnapTest, OldStatsTakeTheNewOnesAndGainsVanish) {
  Member* m = &AddMember("M", 4);
  m->level = 30;
  m->oldspeed = 10, m->newspeed = 15;
  m->oldpower = 20, m->newpower = 0;
  m->oldstren = 30, m->newstren = 33;
  m->oldhealth = 40, m->newhealth = 44;
  m->oldintel = 50, m->newintel = 55;
  m->oldbeg = 1.5, m->newbeg = 2.25;
  const Member before = *m;
  {
    ConsoleCapture console("");
    Snap(console, roster);
  }
  ExpectSnapshotsEqual(*m);
  EXPECT_EQ(m->newspeed, before.newspeed);
  EXPECT_EQ(m->newbeg, before.newbeg);
  EXPECT_EQ(m->level, 30);
  EXPECT_EQ(m->id, 4);
  EXPECT_EQ(derived::TotalGain(*m), 0);
  EXPECT_EQ(derived::SpeedGain(*m), 0);
  EXPECT_EQ(derived::BegGain(*m), 0.0);
}

using EditTest = RosterTest;

TEST_F(EditTest, ValuesAreStoredAsTypedAndUnchecked) {
  AddMember("A", 1);
  AddMember("B", 2);
  ConsoleCapture console("1 newspeed -40 id 2 newbeg x 0.125 level 9z name\nAnnabel\ndone");
  Edit(console, roster);
  const Member& a = roster[0];
  EXPECT_EQ(a.newspeed, -40);
  EXPECT_EQ(a.id, 2);
  EXPECT_EQ(a.newbeg, 0.125);
  EXPECT_EQ(a.level, 9);  // "z" is then refused as a keyword
  EXPECT_EQ(NameOf(a), "Annabel");
  EXPECT_EQ(NameOf(roster[1]), "B");
  EXPECT_EQ(roster.size(), 2u);
  EXPECT_EQ(roster.Find(2), 0u);  // the first of the two in roster order
  EXPECT_FALSE(console.Ended());
}

TEST_F(EditTest, EndOfInputLeavesTheMemberAsItWas) {
  AddMember("Al", 1).oldintel = 3;
  for (const char* input : {"1 oldintel", "1 oldintel x", "1 name", "1 name\n\n", "4", ""}) {
    ConsoleCapture console(input);
    Edit(console, roster);
    EXPECT_TRUE(console.Ended()) << input;
    EXPECT_EQ(roster[0].oldintel, 3) << input;
    EXPECT_EQ(NameOf(roster[0]), "Al") << input;
  }
}

// At the console a short answer must be taken from its own line: reading
// ahead into the next line would leave the user waiting at the prompt.
TEST(ConsoleAnswers, AShortNumberIsTakenWithoutReadingTheNextLine) {
  ConsoleCapture console("0\n7\n12.5\nrest\n");
  double beg = 1.0;
  ASSERT_TRUE(console.AskValue(beg));
  EXPECT_EQ(beg, 0.0);
  EXPECT_EQ(std::ftell(console.in), 2);
  int level = 0;
  ASSERT_TRUE(console.AskValue(level));
  EXPECT_EQ(std::ftell(console.in), 4);
  ASSERT_TRUE(console.AskValue(beg));
  EXPECT_EQ(beg, 12.5);
  EXPECT_EQ(std::ftell(console.in), 9);
}

using FindTest = RosterTest;

// Only A-Z and a-z fold: every other byte, those of UTF-8 letters among them,
// matches only itself.
TEST_F(FindTest, OnlyAToZFoldTheirCase) {
  AddMember("Zo\xC3\xAB", 1);  // "Zoë"
  AddMember("ZO\xC3\x8B", 2);  // "ZOË"
  AddMember("Joe", 3);
  ConsoleCapture console("zO\xC3\xAB\n");
  Find(console, roster);
  const std::string printed = console.Printed();
  EXPECT_NE(printed.find(":      1 :"), std::string::npos);
  EXPECT_EQ(printed.find(":      2 :"), std::string::npos);
  EXPECT_NE(printed.find("   [1 FOUND]\n"), std::string::npos);
}

}  // namespace

}  // namespace korvelin
