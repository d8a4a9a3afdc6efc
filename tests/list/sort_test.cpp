// The sort engine: order, tie-break, every option's key, NaN and the
// infinities, the fallback and the size it must cope with.
#include "list/sort.h"

#include <climits>
#include <cmath>
#include <functional>

#include "list/list.h"
#include "test_support.h"

namespace korvelin {

namespace {

constexpr SortDirection kDown = SortDirection::kDescending;
constexpr SortDirection kUp = SortDirection::kAscending;

class SortTest : public RosterTest {
 protected:
  // The members' names in the order of a sort.
  std::string Names(const MemberOrder& order) const {
    std::string names;
    for (std::uint32_t member : order) names += NameOf(roster[member]);
    return names;
  }
  std::string Sorted(int option, SortDirection direction) {
    return Names(sorter.Sort(roster, session.list.weights, OptionByNumber(option), direction));
  }
  // A member with a baseline (old speed 1), so that its derived stats count.
  Member& Measured(const char* name, int id) {
    Member& member = AddMember(name, id);
    member.oldspeed = member.newspeed = 1;
    return member;
  }

  Sorter sorter;
};

TEST_F(SortTest, LevelsAscendAndDescendWithTiesInReverseRosterOrder) {
  AddMember("A", 1).level = 2;
  AddMember("B", 2).level = 1;
  AddMember("C", 3).level = 2;
  AddMember("D", 4).level = 3;
  EXPECT_EQ(Sorted(25, kUp), "BCAD");
  EXPECT_EQ(Sorted(25, kDown), "DCAB");
}

TEST_F(SortTest, EqualKeysComeInReverseRosterOrderBothWays) {
  session.list.weights.speed = 5.5;
  for (const char* name : {"A", "B", "C"}) Measured(name, 7);  // wtotal 5.5 each
  EXPECT_EQ(Sorted(15, kDown), "CBA");
  EXPECT_EQ(Sorted(15, kUp), "CBA");
  // DEFAULT's sort: the same ID, reverse roster order.
  EXPECT_EQ(Sorted(17, kUp), "CBA");
}

// A save file's direction: 0 descends, any other number ascends.
TEST_F(SortTest, EveryDirectionButZeroAscendsForEveryOption) {
  int health = 3;  // healthp 3, 1 and 2 %
  for (auto [name, id] : {std::pair{"A", 20}, {"B", 10}, {"C", 30}}) {
    Member& member = Measured(name, id);
    member.oldhealth = 100;
    member.newhealth = 100 + health;
    health = health == 3 ? 1 : 2;
  }
  for (int direction : {1, 2, 3, -1}) {
    EXPECT_EQ(Sorted(3, SortDirectionOf(direction)), "BCA") << direction;   // a double key
    EXPECT_EQ(Sorted(17, SortDirectionOf(direction)), "BAC") << direction;  // an int key
  }
  EXPECT_EQ(Sorted(3, SortDirectionOf(0)), "ACB");
  EXPECT_EQ(Sorted(17, SortDirectionOf(0)), "CAB");
}

TEST_F(SortTest, OneMemberAndNoMember) {
  EXPECT_TRUE(sorter.Sort(roster, session.list.weights, OptionByNumber(17), kUp).empty());
  AddMember("Solo", 5);
  for (int option = 1; option <= kOptionCount; ++option) {
    for (SortDirection direction : {kDown, kUp}) {
      EXPECT_EQ(Sorted(option, direction), "Solo") << option;
    }
  }
}

// Each option number must sort by its own value.  The one stored stat
// behind each value is set by hand from the option numbering (not through
// the option table), one option at a time, to 3, -1 and 2: every other stat
// is 1 and every weight 1, so that the value follows the order of that stat.
TEST_F(SortTest, EachOptionSortsByItsOwnValue) {
  using Set = std::function<void(Member&, int)>;
  const Set fields[kOptionCount] = {
      [](Member& r, int v) { r.newbeg = v; },     // 1 beggain
      [](Member& r, int v) { r.newbeg = v; },     // 2 begp
      [](Member& r, int v) { r.newhealth = v; },  // 3 healthp
      [](Member& r, int v) { r.oldbeg = v; },     // 4 oldbeg
      [](Member& r, int v) { r.newintel = v; },   // 5 intelp
      [](Member& r, int v) { r.newbeg = v; },     // 6 newbeg
      [](Member& r, int v) { r.newpower = v; },   // 7 powerp
      [](Member& r, int v) { r.newspeed = v; },   // 8 speedp
      [](Member& r, int v) { r.newstren = v; },   // 9 strenp
      [](Member& r, int v) { r.newintel = v; },   // 10 totalp
      [](Member& r, int v) { r.newhealth = v; },  // 11 whealth
      [](Member& r, int v) { r.newpower = v; },   // 12 wpower
      [](Member& r, int v) { r.newspeed = v; },   // 13 wspeed
      [](Member& r, int v) { r.newstren = v; },   // 14 wstren
      [](Member& r, int v) { r.newhealth = v; },  // 15 wtotal
      [](Member& r, int v) { r.newhealth = v; },  // 16 healthgain
      [](Member& r, int v) { r.id = v; },         // 17 id
      [](Member& r, int v) { r.oldhealth = v; },  // 18 oldhealth
      [](Member& r, int v) { r.oldintel = v; },   // 19 oldintel
      [](Member& r, int v) { r.oldpower = v; },   // 20 oldpower
      [](Member& r, int v) { r.oldspeed = v; },   // 21 oldspeed
      [](Member& r, int v) { r.oldstren = v; },   // 22 oldstren
      [](Member& r, int v) { r.oldstren = v; },   // 23 oldtotal
      [](Member& r, int v) { r.newintel = v; },   // 24 intelgain
      [](Member& r, int v) { r.level = v; },      // 25 level
      [](Member& r, int v) { r.newhealth = v; },  // 26 newhealth
      [](Member& r, int v) { r.newintel = v; },   // 27 newintel
      [](Member& r, int v) { r.newpower = v; },   // 28 newpower
      [](Member& r, int v) { r.newspeed = v; },   // 29 newspeed
      [](Member& r, int v) { r.newstren = v; },   // 30 newstren
      [](Member& r, int v) { r.newpower = v; },   // 31 newtotal
      [](Member& r, int v) { r.newpower = v; },   // 32 powergain
      [](Member& r, int v) { r.newspeed = v; },   // 33 speedgain
      [](Member& r, int v) { r.newstren = v; },   // 34 strengain
      [](Member& r, int v) { r.newbeg = v; },     // 35 totalgain
  };
  session.list.weights = {1, 1, 1, 1};
  AddMember("A", 0);
  AddMember("B", 0);
  AddMember("C", 0);
  for (int option = 1; option <= kOptionCount; ++option) {
    for (auto [member, value] : {std::pair{0, 3}, {1, -1}, {2, 2}}) {
      Member& r = roster[member];
      r.id = r.level = 1;
      r.oldspeed = r.oldpower = r.oldstren = r.oldhealth = r.oldintel = 1;
      r.newspeed = r.newpower = r.newstren = r.newhealth = r.newintel = 1;
      r.oldbeg = r.newbeg = 1.0;
      fields[option - 1](r, value);
    }
    EXPECT_EQ(Sorted(option, kUp), "BCA") << option;
    EXPECT_EQ(Sorted(option, kDown), "ACB") << option;
  }
}

// Total %: 1, NaN (0 over 0), +inf and -inf (gains over nothing), NaN, -5.
TEST_F(SortTest, InfinitiesAreExtremesAndNaNGoesLast) {
  auto total_percent = [this](const char* name, int id, int oldspeed, int oldpower, int newspeed) {
    Member& member = AddMember(name, id);
    member.oldspeed = oldspeed;
    member.oldpower = member.newpower = oldpower;
    member.newspeed = newspeed;
  };
  total_percent("A", 1, 100, 0, 101);
  total_percent("B", 2, 1, -1, 1);
  total_percent("C", 3, 1, -1, 2);
  total_percent("D", 4, 1, -1, 0);
  total_percent("E", 5, 1, -1, 1);
  total_percent("F", 6, 100, 0, 95);
  EXPECT_EQ(Sorted(10, kDown), "CAFDEB");
  EXPECT_EQ(Sorted(10, kUp), "DFACEB");
}

TEST_F(SortTest, DerivedIntegersCompareBeyondThirtyTwoBits) {
  auto new_total = [this](const char* name, int id, int speed, int power, int strength) {
    Member& member = Measured(name, id);
    member.newspeed = speed;
    member.newpower = power;
    member.newstren = strength;
  };
  new_total("A", 1, INT_MAX, INT_MAX, 2);   // 2^32: would read as 0 if cut
  new_total("B", 2, 1, 0, 0);               // 1
  new_total("C", 3, INT_MIN, INT_MIN, -1);  // -2^32 - 1
  EXPECT_EQ(Sorted(31, kDown), "ABC");
  EXPECT_EQ(Sorted(31, kUp), "CBA");
}

// A custom sort option outside the table (from a damaged save file): the
// list comes by ascending ID after the error, and the setting stays.
TEST_F(SortTest, OptionsOutsideTheTableFallBackToAscendingIds) {
  AddMember("A", 30);
  AddMember("B", 10);
  AddMember("C", 20);
  EXPECT_EQ(CustomSortOption(1), &OptionByNumber(1));
  EXPECT_EQ(CustomSortOption(35), &OptionByNumber(35));
  for (int option : {0, 36, -1}) {
    EXPECT_EQ(CustomSortOption(option), nullptr);
    session.list.sort_option = option;
    session.list.sort_direction = kDown;
    ConsoleCapture console("list done\n");
    List(console, session);
    const std::string prompt = "\n   [KORVELIN-LIST]\n >>> ";
    EXPECT_EQ(console.Printed(), "   [ERROR, SORT FAILED]\n" + prompt +
                                     "| NAME:                        :|\n|" + std::string(31, '*') +
                                     "|\n|B                             :|\n"
                                     "|C                             :|\n"
                                     "|A                             :|\n\n" +
                                     prompt)
        << option;
    EXPECT_EQ(session.list.sort_option, option);
    EXPECT_EQ(session.list.sort_direction, kDown);
  }
}

// A large roster with long runs of equal keys: level 2 first, then 1, then
// 0, each run in reverse roster order.  (How fast it sorts is measured by
// the benchmark, not here.)
TEST_F(SortTest, LargeRostersKeepEqualKeysInReverseRosterOrder) {
  constexpr int kMembers = 200000;
  roster.Reserve(kMembers);
  for (int i = 0; i < kMembers; ++i) {
    Member member;
    member.id = i;
    member.level = i % 3;
    roster.Append(member, "");
  }
  const MemberOrder order = sorter.Sort(roster, session.list.weights, OptionByNumber(25), kDown);
  ASSERT_EQ(order.size(), static_cast<std::size_t>(kMembers));
  EXPECT_EQ(roster[order.front()].id, kMembers - 3);  // 199997, the last of level 2
  for (std::size_t i = 1; i < order.size(); ++i) {
    const Member& before = roster[order[i - 1]];
    const Member& after = roster[order[i]];
    ASSERT_TRUE(before.level > after.level || (before.level == after.level && before.id > after.id))
        << "at " << i;
  }
}

}  // namespace

}  // namespace korvelin
