// The roster and its name store, and the option table.
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "test_support.h"

namespace korvelin {

namespace {

class RosterListTest : public RosterTest {
 protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Member& member : roster) names.push_back(NameOf(member));
    return names;
  }
  std::vector<int> Ids() const {
    std::vector<int> ids;
    for (const Member& member : roster) ids.push_back(member.id);
    return ids;
  }
  static Member WithId(int id) {
    Member member;
    member.id = id;
    return member;
  }
};

TEST_F(RosterListTest, EmptyRosterFindsNothing) {
  EXPECT_TRUE(roster.empty());
  EXPECT_EQ(roster.Find(1), Roster::kNotFound);
  EXPECT_EQ(roster.Find(0), Roster::kNotFound);  // 0 is no member's ID by default
  EXPECT_EQ(roster.size(), 0u);
}

TEST_F(RosterListTest, FrontInsertionOnEmptyAndFullRoster) {
  roster.InsertFront(WithId(1), "First");
  EXPECT_EQ(Ids(), (std::vector<int>{1}));
  const Member& second = roster.InsertFront(WithId(2), "Second");
  EXPECT_EQ(&second, &roster[0]);
  EXPECT_EQ(Ids(), (std::vector<int>{2, 1}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Second", "First"}));
}

TEST_F(RosterListTest, AppendingKeepsFileOrder) {
  AddMember("A", 1);
  AddMember("B", 2);
  AddMember("C", 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(roster.size(), 3u);
}

TEST_F(RosterListTest, SearchTakesTheFirstOfEqualIds) {
  AddMember("Front", 7);
  AddMember("Back", 7);
  EXPECT_EQ(roster.Find(7), 0u);
  EXPECT_EQ(roster.Find(8), Roster::kNotFound);
}

TEST_F(RosterListTest, EraseFirstMiddleLastAndOnly) {
  AddMember("A", 1);
  AddMember("B", 2);
  AddMember("C", 3);
  AddMember("D", 4);
  roster.Erase(1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "D"}));
  roster.Erase(2);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));
  roster.Erase(0);
  EXPECT_EQ(Names(), (std::vector<std::string>{"C"}));
  EXPECT_EQ(roster.Find(3), 0u);
  roster.Erase(0);
  EXPECT_TRUE(roster.empty());
  AddMember("E", 5);  // the roster is usable again
  EXPECT_EQ(Names(), (std::vector<std::string>{"E"}));
}

TEST_F(RosterListTest, ClearingReleasesEveryMember) {
  for (int i = 0; i < 100; ++i) AddMember("M", i);
  roster.Clear();
  EXPECT_TRUE(roster.empty());
  AddMember("New", 1);  // the roster is usable again
  EXPECT_EQ(Names(), (std::vector<std::string>{"New"}));
}

// As if each added member had been put in front in turn: the last first.
TEST_F(RosterListTest, InsertAllFrontPutsTheLastAddedFirst) {
  AddMember("Xavier", 8);
  AddMember("Yolanda", 9);
  Roster added;
  added.Append(WithId(1), "Ann");
  added.Append(WithId(2), "Bartholomew");
  Member& carl = added.Append(WithId(3), "Carl");
  added.Rename(carl, "Carla Longer Than Before");  // a store with room no member holds
  roster.InsertAllFront(added);
  EXPECT_EQ(Ids(), (std::vector<int>{3, 2, 1, 8, 9}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Carla Longer Than Before", "Bartholomew", "Ann",
                                               "Xavier", "Yolanda"}));
  EXPECT_EQ(added.size(), 3u);  // the added roster keeps its own
  EXPECT_EQ(added.NameOf(added[0]), "Ann");
}

TEST_F(RosterListTest, NamesEndAtTheirFirstNulAndHoldAtMostTheirBytes) {
  AddMember("", 1);
  roster.Append(WithId(2), std::string_view("Ann\0Bob", 7));
  AddMember(std::string(kNameBytes + 10, 'x').c_str(), 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"", "Ann", std::string(kNameBytes, 'x')}));
  roster.Rename(roster[0], std::string_view("Bo\0b", 4));
  roster.Rename(roster[1], std::string(kNameBytes + 1, 'y'));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bo", std::string(kNameBytes, 'y'),
                                               std::string(kNameBytes, 'x')}));
}

// A shorter name takes the old one's place; a longer one goes to the end
// of the store.  Either way no other member's name changes.
TEST_F(RosterListTest, RenameInPlaceAndGrowing) {
  AddMember("Annabelle", 1);
  AddMember("Bob", 2);
  Member& ann = roster[0];
  const auto offset = ann.name.offset;
  roster.Rename(ann, "Ann");
  EXPECT_EQ(ann.name.offset, offset);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Ann", "Bob"}));
  roster.Rename(roster[1], "Bobby Tables The Third");
  roster.Rename(ann, "Ann");  // the same name: nothing changes
  EXPECT_EQ(Names(), (std::vector<std::string>{"Ann", "Bobby Tables The Third"}));
  roster.Rename(ann, "Annabelle-Marie");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Annabelle-Marie", "Bobby Tables The Third"}));
}

// Names renamed over and over, longer and shorter in turn: the store is
// compacted now and then, so that it never holds much more than the names
// themselves (twice their bytes or 4096 bytes more, and one name), and
// every name survives each compaction.
TEST_F(RosterListTest, CompactionKeepsEveryName) {
  constexpr int kMembers = 10;
  for (int i = 0; i < kMembers; ++i) AddMember("M", i);
  std::vector<std::string> names(kMembers);
  std::uint64_t highest_end = 0;
  for (int round = 0; round < 300; ++round) {
    for (int i = 0; i < kMembers; ++i) {
      names[i] = std::string(1 + (round * 7 + i) % 100, static_cast<char>('a' + i));
      roster.Rename(roster[i], names[i]);
      for (const Member& member : roster) {
        highest_end = std::max<std::uint64_t>(highest_end, member.name.offset + member.name.length);
      }
    }
    ASSERT_EQ(Names(), names) << round;
  }
  // Without compaction the store would have grown past 100,000 bytes.
  EXPECT_LE(highest_end, 2 * kMembers * 100 + 4096 + kNameBytes);
}

TEST(OptionTable, NumbersKeywordsAndPositionsAreEachUsedOnce) {
  std::set<std::string> keywords;
  std::set<int> positions;
  for (int n = 1; n <= kOptionCount; ++n) {
    const OptionInfo& o = OptionByNumber(n);
    EXPECT_EQ(o.number, n);
    keywords.insert(o.keyword);
    positions.insert(o.position);
    EXPECT_EQ(OptionByKeyword(o.keyword), &o);
  }
  EXPECT_EQ(keywords.size(), 35u);
  EXPECT_EQ(*positions.begin(), 1);
  EXPECT_EQ(*positions.rbegin(), 35);
  EXPECT_EQ(positions.size(), 35u);
  EXPECT_EQ(OptionByKeyword("wintel"), nullptr);
  EXPECT_EQ(OptionByKeyword("wbeg"), nullptr);
  EXPECT_EQ(OptionByKeyword("ID"), nullptr);  // callers lower-case first
}

TEST(OptionTable, SortNumberingFollowsTheSortFunctionNames) {
  // Double keys 1-15, then int keys 16-35, as the save files number them.
  const char* expected[] = {
      "beggain",  "begp",       "healthp",   "oldbeg",    "intelp",    "newbeg",    "powerp",
      "speedp",   "strenp",     "totalp",    "whealth",   "wpower",    "wspeed",    "wstren",
      "wtotal",   "healthgain", "id",        "oldhealth", "oldintel",  "oldpower",  "oldspeed",
      "oldstren", "oldtotal",   "intelgain", "level",     "newhealth", "newintel",  "newpower",
      "newspeed", "newstren",   "newtotal",  "powergain", "speedgain", "strengain", "totalgain"};
  for (int n = 1; n <= kOptionCount; ++n) {
    EXPECT_STREQ(OptionByNumber(n).keyword, expected[n - 1]) << n;
    EXPECT_EQ(OptionByNumber(n).kind == OptionKind::kReal, n <= 15) << n;
  }
}

TEST(OptionTable, ColumnsPrintInRecordFieldOrder) {
  const char* expected[] = {
      "id",        "level",   "oldtotal",  "oldspeed",  "oldpower",  "oldstren",  "oldhealth",
      "oldintel",  "oldbeg",  "newtotal",  "newspeed",  "newpower",  "newstren",  "newhealth",
      "newintel",  "newbeg",  "totalgain", "speedgain", "powergain", "strengain", "healthgain",
      "intelgain", "beggain", "totalp",    "speedp",    "powerp",    "strenp",    "healthp",
      "intelp",    "begp",    "wtotal",    "wspeed",    "wpower",    "wstren",    "whealth"};
  const auto& order = OptionsInDisplayOrder();
  ASSERT_EQ(order.size(), 35u);
  for (int i = 0; i < 35; ++i) EXPECT_STREQ(order[i]->keyword, expected[i]) << i;
}

// Each cell format's conversion must match the kind of its value, or the
// printed value is garbage.
TEST(OptionTable, CellConversionsMatchValueKinds) {
  for (int n = 1; n <= kOptionCount; ++n) {
    const OptionInfo& o = OptionByNumber(n);
    const std::string cell = o.cell;
    switch (o.kind) {
      case OptionKind::kInteger:
        EXPECT_NE(cell.find("d"), std::string::npos) << o.keyword;
        EXPECT_NE(o.integer, nullptr);
        break;
      case OptionKind::kReal:
        EXPECT_NE(cell.find("f"), std::string::npos) << o.keyword;
        EXPECT_NE(o.real, nullptr);
        break;
    }
  }
}

// The cell of option `keyword` for `member` (every weight 0).
std::string Cell(const char* keyword, const Member& member) {
  std::string line;
  const OptionInfo& option = *OptionByKeyword(keyword);
  OptionAppendCell(line, option, OptionRead(option, member, Weights{}));
  return line;
}
// The cell of option `keyword` showing `value`.
std::string Cell(const char* keyword, double value) {
  std::string line;
  const OptionInfo& option = *OptionByKeyword(keyword);
  const bool real = option.kind == OptionKind::kReal;
  OptionAppendCell(line, option, {real, real ? 0 : static_cast<std::int64_t>(value), value});
  return line;
}

TEST(OptionTable, HeadingWidthsAndCellWidths) {
  for (int n = 1; n <= kOptionCount; ++n) {
    const OptionInfo& o = OptionByNumber(n);
    const std::string key = o.keyword;
    const std::size_t header = OptionHeader(o).size();
    const std::size_t cell = Cell(o.keyword, Member{}).size();
    // Total % is one wider than its heading; every other cell fits exactly.
    EXPECT_EQ(cell, header + (key == "totalp" ? 1 : 0)) << key;
  }
  EXPECT_EQ(OptionHeader(*OptionByKeyword("begp")), "  Beg %  :");
  EXPECT_EQ(OptionHeader(*OptionByKeyword("healthp")), " Health% :");
}

TEST(OptionTable, ZeroStatsPrintAsBlanksButZeroGainsAsDigits) {
  const Member zero;
  EXPECT_EQ(Cell("id", zero), "        :");
  EXPECT_EQ(Cell("oldintel", zero), "           :");
  EXPECT_EQ(Cell("oldtotal", zero), "           :");
  EXPECT_EQ(Cell("intelgain", zero), "        0   :");
  EXPECT_EQ(Cell("oldbeg", zero), "    0.00 :");
  EXPECT_EQ(Cell("level", 45), "   45  :");
  EXPECT_EQ(Cell("speedgain", -12), "      -12   :");
  EXPECT_EQ(Cell("wtotal", 5461.4), "     5461  :");
  // Beyond 32 bits: the cell widens, nothing wraps.
  EXPECT_EQ(Cell("oldtotal", 6442450941.0), "  6442450941  :");
}

TEST(OptionTable, NonFiniteRealsPrintAsWordsInTheirWidth) {
  EXPECT_EQ(Cell("speedp", INFINITY), "     inf :");
  EXPECT_EQ(Cell("powerp", -INFINITY), "    -inf :");
  EXPECT_EQ(Cell("strenp", -NAN), "     nan :");
  EXPECT_EQ(Cell("wtotal", NAN), "      nan  :");
}

}  // namespace

}  // namespace korvelin
