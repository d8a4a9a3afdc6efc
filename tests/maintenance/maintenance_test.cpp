// Roster state after ADD, DELETE, SNAP and EDIT: counts, links, both
// snapshots, and nothing linked or kept when the input ends half-way.
#include "maintenance/maintenance.h"

#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

// ADD's answers after the ID: name, level, six stats, confirmation.
const std::string kAnn = "Ann\n10\n100\n200\n300\n400\n500\n2.5\n";

std::vector<int> Ids() {
  std::vector<int> ids;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) ids.push_back(r->id);
  return ids;
}

// Links agree in both directions and the entry count matches.
void ExpectLinked() {
  int count = 0;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next, ++count) {
    EXPECT_EQ(r->prev->next, r);
    if (r->next != nullptr) {
      EXPECT_EQ(r->next->prev, r);
    }
  }
  EXPECT_EQ(count, EntryCount());
}

void ExpectSnapshotsEqual(const PlayerRecord& r) {
  EXPECT_EQ(r.oldspeed, r.newspeed);
  EXPECT_EQ(r.oldpower, r.newpower);
  EXPECT_EQ(r.oldstren, r.newstren);
  EXPECT_EQ(r.oldhealth, r.newhealth);
  EXPECT_EQ(r.oldintel, r.newintel);
  EXPECT_EQ(r.oldbeg, r.newbeg);
}

using AddTest = RosterTest;

TEST_F(AddTest, ConfirmedMemberGoesToTheFrontWithBothSnapshots) {
  Member("Old", 1);
  ConsoleCapture console("5\n" + kAnn + "y\n");
  PlayerRecord* ann = Add(0);
  ASSERT_NE(ann, nullptr);
  EXPECT_EQ(Ids(), (std::vector<int>{5, 1}));
  EXPECT_EQ(Start->next, ann);
  ExpectLinked();
  EXPECT_STREQ(ann->name, "Ann");
  EXPECT_EQ(ann->level, 10);
  EXPECT_EQ(ann->newspeed, 100);
  EXPECT_EQ(ann->newpower, 200);
  EXPECT_EQ(ann->newstren, 300);
  EXPECT_EQ(ann->newhealth, 400);
  EXPECT_EQ(ann->newintel, 500);
  EXPECT_EQ(ann->newbeg, 2.5);
  ExpectSnapshotsEqual(*ann);
  EXPECT_EQ(ann->newtotal, 0);  // derived stats wait for the next List
}

TEST_F(AddTest, EndOfInputAnywhereLinksNothing) {
  const std::string full = "5\n" + kAnn + "n\n" + kAnn;
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    ConsoleCapture console(full.substr(0, cut));
    EXPECT_EQ(Add(0), nullptr) << cut;
    EXPECT_TRUE(InputEnded()) << cut;
    EXPECT_EQ(EntryCount(), 0) << cut;
    EXPECT_EQ(Start->next, nullptr) << cut;
  }
}

TEST_F(AddTest, AGivenIdIsNotAskedFor) {
  ConsoleCapture console(kAnn + "y\n");
  PlayerRecord* ann = Add(12);
  ASSERT_NE(ann, nullptr);
  EXPECT_EQ(ann->id, 12);
  EXPECT_EQ(console.Printed().find("[ENTER ID NUMBER"), std::string::npos);
}

using DeleteTest = RosterTest;

TEST_F(DeleteTest, ConfirmedDeleteUnlinksOneMember) {
  Member("A", 1);
  Member("B", 2);
  Member("C", 3);
  ConsoleCapture console("7 2 yes");
  Delete();
  EXPECT_EQ(Ids(), (std::vector<int>{1, 3}));
  ExpectLinked();
}

TEST_F(DeleteTest, OnlyMemberLeavesAnEmptyRoster) {
  Member("A", 1);
  ConsoleCapture console("1 y");
  Delete();
  EXPECT_EQ(Start->next, nullptr);
  EXPECT_EQ(EntryCount(), 0);
}

TEST_F(DeleteTest, AnythingButYesOrTheEndOfInputKeepsTheMember) {
  Member("A", 1);
  for (const char* input : {"1 x", "1 No", "0 1 y", "1", "5 "}) {
    ConsoleCapture console(input);
    Delete();
    EXPECT_EQ(Ids(), std::vector<int>{1}) << input;
  }
}

using SnapTest = RosterTest;

TEST_F(SnapTest, OldStatsTakeTheNewOnesAndGainsVanish) {
  PlayerRecord* m = Member("M", 4);
  m->level = 30;
  m->oldspeed = 10, m->newspeed = 15;
  m->oldpower = 20, m->newpower = 0;
  m->oldstren = 30, m->newstren = 33;
  m->oldhealth = 40, m->newhealth = 44;
  m->oldintel = 50, m->newintel = 55;
  m->oldbeg = 1.5, m->newbeg = 2.25;
  m->oldtotal = 60;
  const PlayerRecord before = *m;
  {
    ConsoleCapture console("");
    Snap();
  }
  ExpectSnapshotsEqual(*m);
  EXPECT_EQ(m->newspeed, before.newspeed);
  EXPECT_EQ(m->newbeg, before.newbeg);
  EXPECT_EQ(m->level, 30);
  EXPECT_EQ(m->id, 4);
  EXPECT_EQ(m->oldtotal, 60);  // left for the next List to recompute
  ListCalc(Start->next);
  EXPECT_EQ(m->totalgain, 0);
  EXPECT_EQ(m->speedgain, 0);
  EXPECT_EQ(m->beggain, 0.0);
}

using EditTest = RosterTest;

TEST_F(EditTest, ValuesAreStoredAsTypedAndNothingIsRecomputed) {
  PlayerRecord* a = Member("A", 1);
  Member("B", 2);
  a->newtotal = 77;
  a->wtotal = 8.5;
  ConsoleCapture console("1 newspeed -40 id 2 newbeg x 0.125 level 9z done");
  Edit();
  EXPECT_EQ(a->newspeed, -40);
  EXPECT_EQ(a->id, 2);
  EXPECT_EQ(a->newbeg, 0.125);
  EXPECT_EQ(a->level, 9);  // "z" is then refused as a keyword
  EXPECT_EQ(a->newtotal, 77);
  EXPECT_EQ(a->wtotal, 8.5);
  EXPECT_EQ(EntryCount(), 2);
  EXPECT_EQ(Search(2), a);  // the first of the two in roster order
  EXPECT_FALSE(InputEnded());
}

TEST_F(EditTest, EndOfInputLeavesTheMemberAsItWas) {
  PlayerRecord* a = Member("Al", 1);
  a->oldintel = 3;
  for (const char* input : {"1 oldintel", "1 oldintel x", "1 name", "1 name\n\n", "4", ""}) {
    ConsoleCapture console(input);
    Edit();
    EXPECT_TRUE(InputEnded()) << input;
    EXPECT_EQ(a->oldintel, 3) << input;
    EXPECT_STREQ(a->name, "Al") << input;
  }
}

// At the console a short answer must be taken from its own line: reading
// ahead into the next line would leave the user waiting at the prompt.
TEST(ConsoleAnswers, AShortNumberIsTakenWithoutReadingTheNextLine) {
  ConsoleCapture console("0\n7\n12.5\nrest\n");
  double beg = 1.0;
  ASSERT_TRUE(Getdouble(beg));
  EXPECT_EQ(beg, 0.0);
  EXPECT_EQ(std::ftell(console.in), 2);
  int level = 0;
  ASSERT_TRUE(Getint(level));
  EXPECT_EQ(std::ftell(console.in), 4);
  ASSERT_TRUE(Getdouble(beg));
  EXPECT_EQ(beg, 12.5);
  EXPECT_EQ(std::ftell(console.in), 9);
}

using FindTest = RosterTest;

// Only A-Z and a-z fold: every other byte, those of UTF-8 letters among them,
// matches only itself.
TEST_F(FindTest, OnlyAToZFoldTheirCase) {
  Member("Zo\xC3\xAB", 1);  // "Zoë"
  Member("ZO\xC3\x8B", 2);  // "ZOË"
  Member("Joe", 3);
  ConsoleCapture console("zO\xC3\xAB\n");
  Find();
  const std::string printed = console.Printed();
  EXPECT_NE(printed.find(":      1 :"), std::string::npos);
  EXPECT_EQ(printed.find(":      2 :"), std::string::npos);
  EXPECT_NE(printed.find("   [1 FOUND]\n"), std::string::npos);
}

}  // namespace
