// The sort engine: order, tie-break, every option's key field, NaN and the
// infinities, the fallback and the size it must cope with.
#include <chrono>
#include <cmath>
#include <functional>

#include "list/list.h"
#include "test_support.h"

namespace {

class SortTest : public RosterTest {
 protected:
  // The members' names in list order, checking the back links on the way.
  static std::string Names(const SlinkList& list) {
    std::string names;
    const Slink* before = nullptr;
    for (const Slink* node = list.get(); node != nullptr; node = node->next) {
      EXPECT_EQ(node->prev, before);
      names += node->record->name;
      before = node;
    }
    return names;
  }
  std::string Sorted(int option, int direction) {
    return Names(SortMain(option, nullptr, direction));
  }
};

TEST_F(SortTest, LevelsAscendAndDescendWithTiesInReverseRosterOrder) {
  Member("A", 1)->level = 2;
  Member("B", 2)->level = 1;
  Member("C", 3)->level = 2;
  Member("D", 4)->level = 3;
  EXPECT_EQ(Sorted(25, 1), "BCAD");
  EXPECT_EQ(Sorted(25, 0), "DCAB");
}

TEST_F(SortTest, EqualKeysComeInReverseRosterOrderBothWays) {
  for (const char* name : {"A", "B", "C"}) Member(name, 7)->wtotal = 5.5;
  EXPECT_EQ(Sorted(15, 0), "CBA");
  EXPECT_EQ(Sorted(15, 1), "CBA");
  // DEFAULT's sort: the same ID, reverse roster order.
  EXPECT_EQ(Sorted(17, 1), "CBA");
}

TEST_F(SortTest, EveryDirectionButZeroAscendsForEveryOption) {
  Member("A", 20)->healthp = 3.0;
  Member("B", 10)->healthp = 1.0;
  Member("C", 30)->healthp = 2.0;
  for (int direction : {1, 2, 3, -1}) {
    EXPECT_EQ(Sorted(3, direction), "BCA") << direction;   // a double key
    EXPECT_EQ(Sorted(17, direction), "BAC") << direction;  // an int key
  }
  EXPECT_EQ(Sorted(3, 0), "ACB");
  EXPECT_EQ(Sorted(17, 0), "CAB");
}

TEST_F(SortTest, OneMemberAndNoMember) {
  EXPECT_EQ(SortMain(17, nullptr, 1), nullptr);
  Member("Solo", 5);
  for (int option = 1; option <= kOptionCount; ++option) {
    for (int direction : {0, 1}) {
      const SlinkList list = SortMain(option, nullptr, direction);
      ASSERT_NE(list, nullptr);
      EXPECT_STREQ(list->record->name, "Solo");
      EXPECT_EQ(list->next, nullptr);
      EXPECT_EQ(list->prev, nullptr);
    }
  }
}

// Each option number must sort by its own field.  The fields are set by
// hand from the option numbering (not through the option table), one option
// at a time, everything else left 0: a sort by any other field would see
// three equal keys and give reverse roster order, C B A.
TEST_F(SortTest, EachOptionSortsByItsOwnField) {
  using Set = std::function<void(PlayerRecord&, int)>;
  const Set fields[kOptionCount] = {
      [](PlayerRecord& r, int v) { r.beggain = v; },     // 1
      [](PlayerRecord& r, int v) { r.begp = v; },        // 2
      [](PlayerRecord& r, int v) { r.healthp = v; },     // 3
      [](PlayerRecord& r, int v) { r.oldbeg = v; },      // 4
      [](PlayerRecord& r, int v) { r.intelp = v; },      // 5
      [](PlayerRecord& r, int v) { r.newbeg = v; },      // 6
      [](PlayerRecord& r, int v) { r.powerp = v; },      // 7
      [](PlayerRecord& r, int v) { r.speedp = v; },      // 8
      [](PlayerRecord& r, int v) { r.strenp = v; },      // 9
      [](PlayerRecord& r, int v) { r.totalp = v; },      // 10
      [](PlayerRecord& r, int v) { r.whealth = v; },     // 11
      [](PlayerRecord& r, int v) { r.wpower = v; },      // 12
      [](PlayerRecord& r, int v) { r.wspeed = v; },      // 13
      [](PlayerRecord& r, int v) { r.wstren = v; },      // 14
      [](PlayerRecord& r, int v) { r.wtotal = v; },      // 15
      [](PlayerRecord& r, int v) { r.healthgain = v; },  // 16
      [](PlayerRecord& r, int v) { r.id = v; },          // 17
      [](PlayerRecord& r, int v) { r.oldhealth = v; },   // 18
      [](PlayerRecord& r, int v) { r.oldintel = v; },    // 19
      [](PlayerRecord& r, int v) { r.oldpower = v; },    // 20
      [](PlayerRecord& r, int v) { r.oldspeed = v; },    // 21
      [](PlayerRecord& r, int v) { r.oldstren = v; },    // 22
      [](PlayerRecord& r, int v) { r.oldtotal = v; },    // 23
      [](PlayerRecord& r, int v) { r.intelgain = v; },   // 24
      [](PlayerRecord& r, int v) { r.level = v; },       // 25
      [](PlayerRecord& r, int v) { r.newhealth = v; },   // 26
      [](PlayerRecord& r, int v) { r.newintel = v; },    // 27
      [](PlayerRecord& r, int v) { r.newpower = v; },    // 28
      [](PlayerRecord& r, int v) { r.newspeed = v; },    // 29
      [](PlayerRecord& r, int v) { r.newstren = v; },    // 30
      [](PlayerRecord& r, int v) { r.newtotal = v; },    // 31
      [](PlayerRecord& r, int v) { r.powergain = v; },   // 32
      [](PlayerRecord& r, int v) { r.speedgain = v; },   // 33
      [](PlayerRecord& r, int v) { r.strengain = v; },   // 34
      [](PlayerRecord& r, int v) { r.totalgain = v; },   // 35
  };
  PlayerRecord* a = Member("A", 0);
  PlayerRecord* b = Member("B", 0);
  PlayerRecord* c = Member("C", 0);
  for (int option = 1; option <= kOptionCount; ++option) {
    for (PlayerRecord* r : {a, b, c}) {
      PlayerRecord* next = r->next;
      PlayerRecord* prev = r->prev;
      const std::string name = r->name;
      *r = PlayerRecord{};
      r->next = next;
      r->prev = prev;
      std::strcpy(r->name, name.c_str());
    }
    fields[option - 1](*a, 3);
    fields[option - 1](*b, -1);
    fields[option - 1](*c, 2);
    EXPECT_EQ(Sorted(option, 1), "BCA") << option;
    EXPECT_EQ(Sorted(option, 0), "ACB") << option;
  }
}

TEST_F(SortTest, InfinitiesAreExtremesAndNaNGoesLast) {
  Member("A", 1)->totalp = 1.0;
  Member("B", 2)->totalp = NAN;
  Member("C", 3)->totalp = INFINITY;
  Member("D", 4)->totalp = -INFINITY;
  Member("E", 5)->totalp = NAN;
  Member("F", 6)->totalp = -5.0;
  EXPECT_EQ(Sorted(10, 0), "CAFDEB");
  EXPECT_EQ(Sorted(10, 1), "DFACEB");
}

TEST_F(SortTest, DerivedIntegersCompareBeyondThirtyTwoBits) {
  Member("A", 1)->newtotal = 4294967296LL;  // 2^32: would read as 0 if cut
  Member("B", 2)->newtotal = 1;
  Member("C", 3)->newtotal = -4294967297LL;
  EXPECT_EQ(Sorted(31, 0), "ABC");
  EXPECT_EQ(Sorted(31, 1), "CBA");
}

TEST_F(SortTest, OptionsOutsideTheTableFallBackToAscendingIds) {
  Member("A", 30);
  Member("B", 10);
  Member("C", 20);
  for (int option : {0, 36, -1}) {
    ConsoleCapture console("");
    // The old list goes too; the sanitizer build reports it if it leaks.
    SlinkList old = SortMain(17, nullptr, 0);
    EXPECT_EQ(Names(SortMain(option, std::move(old), 0)), "BCA") << option;
    EXPECT_EQ(console.Printed(), "   [ERROR, SORT FAILED]\n");
  }
  // The stored settings are left alone.
  EXPECT_EQ(ListSortOption(), 0);
  EXPECT_EQ(ListSortDirection(), 0);
}

// A quadratic sort would take minutes here; a stable n log n sort takes a
// fraction of a second even in a sanitizer build.
TEST_F(SortTest, LargeRostersSortQuickly) {
  constexpr int kMembers = 200000;
  PlayerRecord* tail = Start.get();
  for (int i = 0; i < kMembers; ++i) {
    std::unique_ptr<PlayerRecord> r = MakeRecord();
    r->id = i;
    r->level = i % 3;  // long runs of equal keys
    tail = Append(tail, std::move(r));
  }
  const auto start = std::chrono::steady_clock::now();
  const SlinkList list = SortMain(25, nullptr, 0);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 5.0);
  // Level 2 first, each run in reverse roster order.
  EXPECT_EQ(list->record->id, kMembers - 3);  // 199997, the last of level 2
  int count = 0;
  const Slink* last = nullptr;
  for (const Slink* node = list.get(); node != nullptr; node = node->next, ++count) last = node;
  EXPECT_EQ(count, kMembers);
  EXPECT_EQ(last->record->id, 0);
}

}  // namespace
