// The roster list, sort-list release and the option table.
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) names.push_back(r->name);
  return names;
}

// The links agree in both directions and the count matches the members.
void ExpectConsistent() {
  int count = 0;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) {
    EXPECT_EQ(r->prev->next, r);
    if (r->next != nullptr) {
      EXPECT_EQ(r->next->prev, r);
    }
    ++count;
  }
  EXPECT_EQ(count, EntryCount());
}

class RosterListTest : public RosterTest {};

TEST_F(RosterListTest, EmptyRosterFindsNothing) {
  EXPECT_EQ(Start->next, nullptr);
  EXPECT_EQ(Search(1), nullptr);
  EXPECT_EQ(Search(0), nullptr);  // the sentinel (id = count 0) is never a member
  EXPECT_EQ(EntryCount(), 0);
}

TEST_F(RosterListTest, FrontInsertionOnEmptyAndFullRoster) {
  std::unique_ptr<PlayerRecord> a = MakeRecord();
  a->id = 1;
  PlayerRecord* first = InsertFront(std::move(a));
  EXPECT_EQ(first->next, nullptr);
  EXPECT_EQ(first->prev, Start.get());
  std::unique_ptr<PlayerRecord> b = MakeRecord();
  b->id = 2;
  InsertFront(std::move(b));
  EXPECT_EQ(Start->next->id, 2);
  EXPECT_EQ(Start->next->next, first);
  EXPECT_EQ(first->prev, Start->next);
  ExpectConsistent();
}

TEST_F(RosterListTest, AppendingKeepsFileOrder) {
  Member("A", 1);
  Member("B", 2);
  Member("C", 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(EntryCount(), 3);
  ExpectConsistent();
}

TEST_F(RosterListTest, SearchTakesTheFirstOfEqualIds) {
  PlayerRecord* front = Member("Front", 7);
  Member("Back", 7);
  EXPECT_EQ(Search(7), front);
}

TEST_F(RosterListTest, UnlinkFirstMiddleLastAndOnly) {
  PlayerRecord* a = Member("A", 1);
  PlayerRecord* b = Member("B", 2);
  PlayerRecord* c = Member("C", 3);
  PlayerRecord* d = Member("D", 4);
  Unlink(b);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "D"}));
  Unlink(d);
  EXPECT_EQ(c->next, nullptr);
  Unlink(a);
  EXPECT_EQ(Start->next, c);
  EXPECT_EQ(c->prev, Start.get());
  Unlink(c);
  EXPECT_EQ(Start->next, nullptr);
  EXPECT_EQ(EntryCount(), 0);
}

TEST_F(RosterListTest, EmptyingReleasesEveryMember) {
  for (int i = 0; i < 100; ++i) Member("M", i);
  EmptyRoster();
  EXPECT_EQ(Start->next, nullptr);
  EXPECT_EQ(EntryCount(), 0);
  Member("New", 1);  // the roster is usable again
  ExpectConsistent();
}

TEST(SlinkList, NodesChainedInOrderAndReleasedWhole) {
  EXPECT_EQ(NewSlinkList(0), nullptr);
  Slink_Clear(nullptr);
  SlinkList one = NewSlinkList(1);
  EXPECT_EQ(one->next, nullptr);
  EXPECT_EQ(one->prev, nullptr);
  SlinkList three = NewSlinkList(3);
  Slink* second = three->next;
  EXPECT_EQ(second->prev, three.get());
  EXPECT_EQ(second->next->prev, second);
  EXPECT_EQ(second->next->next, nullptr);
  EXPECT_EQ(second->record, nullptr);
  Slink_Clear(three.release());  // the sanitizer build reports anything left behind
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

// Each cell format's conversion must match the type of its field, or the
// printed value is garbage.
TEST(OptionTable, CellConversionsMatchFieldTypes) {
  for (int n = 1; n <= kOptionCount; ++n) {
    const OptionInfo& o = OptionByNumber(n);
    const std::string cell = o.cell;
    switch (o.kind) {
      case OptionKind::kInt:
        EXPECT_NE(cell.find("d"), std::string::npos) << o.keyword;
        EXPECT_EQ(cell.find("ll"), std::string::npos) << o.keyword;
        EXPECT_NE(o.int_field, nullptr);
        break;
      case OptionKind::kWide:
        EXPECT_NE(cell.find("lld"), std::string::npos) << o.keyword;
        EXPECT_NE(o.wide_field, nullptr);
        break;
      case OptionKind::kReal:
        EXPECT_NE(cell.find("f"), std::string::npos) << o.keyword;
        EXPECT_NE(o.real_field, nullptr);
        break;
    }
  }
}

TEST(OptionTable, HeadingWidthsAndCellWidths) {
  PlayerRecord r{};
  for (int n = 1; n <= kOptionCount; ++n) {
    const OptionInfo& o = OptionByNumber(n);
    const std::string key = o.keyword;
    const std::size_t header = OptionHeader(o).size();
    const std::size_t cell = OptionCell(o, r).size();
    // Total % is one wider than its heading; every other cell fits exactly.
    EXPECT_EQ(cell, header + (key == "totalp" ? 1 : 0)) << key;
  }
  EXPECT_EQ(OptionHeader(*OptionByKeyword("begp")), "  Beg %  :");
  EXPECT_EQ(OptionHeader(*OptionByKeyword("healthp")), " Health% :");
}

TEST(OptionTable, ZeroStatsPrintAsBlanksButZeroGainsAsDigits) {
  PlayerRecord r{};
  EXPECT_EQ(OptionCell(*OptionByKeyword("id"), r), "        :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("oldintel"), r), "           :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("oldtotal"), r), "           :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("intelgain"), r), "        0   :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("oldbeg"), r), "    0.00 :");
  r.level = 45;
  r.speedgain = -12;
  r.wtotal = 5461.4;
  r.oldtotal = 6442450941LL;  // beyond 32 bits: the cell widens, nothing wraps
  EXPECT_EQ(OptionCell(*OptionByKeyword("level"), r), "   45  :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("speedgain"), r), "      -12   :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("wtotal"), r), "     5461  :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("oldtotal"), r), "  6442450941  :");
}

TEST(OptionTable, NonFiniteRealsPrintAsWordsInTheirWidth) {
  PlayerRecord r{};
  r.speedp = INFINITY;
  r.powerp = -INFINITY;
  r.strenp = -NAN;
  r.wtotal = NAN;
  EXPECT_EQ(OptionCell(*OptionByKeyword("speedp"), r), "     inf :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("powerp"), r), "    -inf :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("strenp"), r), "     nan :");
  EXPECT_EQ(OptionCell(*OptionByKeyword("wtotal"), r), "      nan  :");
}

TEST(OptionTable, MasksSelectAnyNonzeroValue) {
  PlayerRecord mask{};
  const OptionInfo& id = *OptionByKeyword("id");
  const OptionInfo& wtotal = *OptionByKeyword("wtotal");
  const OptionInfo& gain = *OptionByKeyword("totalgain");
  EXPECT_FALSE(OptionSelected(mask, id));
  mask.id = 7;
  mask.wtotal = 0.25;
  mask.totalgain = -1;
  EXPECT_TRUE(OptionSelected(mask, id));
  EXPECT_TRUE(OptionSelected(mask, wtotal));
  EXPECT_TRUE(OptionSelected(mask, gain));
  OptionSelect(mask, wtotal, false);
  EXPECT_EQ(mask.wtotal, 0.0);
  OptionSelect(mask, wtotal, true);
  EXPECT_EQ(mask.wtotal, 1.0);
}

}  // namespace
