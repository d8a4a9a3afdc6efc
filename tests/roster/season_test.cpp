// The season's points in order, a date's correction, and names kept once
// while a member keeps its name.
#include "roster/season.h"

#include "test_support.h"

namespace korvelin {

namespace {

PointBatch Week(int day, std::initializer_list<std::pair<int, const char*>> members) {
  PointBatch batch;
  for (const auto& [id, name] : members) {
    Member member;
    member.id = id;
    member.newspeed = day;
    batch.Add(PointOf(day, member), name);
  }
  return batch;
}

TEST(Season, PointsByDateAndIdNamesStoredOnlyWhenTheyChange) {
  Season season;
  season.Add(Week(14, {{3, "Cid "}, {1, "Ann"}}));
  const std::size_t first = season.CopyBytes();
  season.Add(Week(7, {{1, "Ann"}, {2, "Bob"}}));      // an earlier week, read later
  season.Add(Week(21, {{1, "Ann"}, {3, "Cid"}}));     // both as they were
  season.Add(Week(14, {{3, "Cid"}, {3, "Cidney"}}));  // a correction: the last row wins
  ASSERT_EQ(season.size(), 6u);
  const int order[][2] = {{7, 1}, {7, 2}, {14, 1}, {14, 3}, {21, 1}, {21, 3}};
  for (std::size_t i = 0; i < season.size(); ++i) {
    EXPECT_EQ(season[i].day, order[i][0]) << i;
    EXPECT_EQ(season[i].id, order[i][1]) << i;
  }
  EXPECT_EQ(season.NameOf(season[3]), "Cidney");
  EXPECT_EQ(season.NameOf(season[5]), "Cid");  // the padding's spaces are not kept
  // Week 21 stored no name: Ann and Cid were named so the week before or
  // in the first table.  Weeks 7 and 14's later tables stored Bob's and
  // Cidney's (and week 7's Ann, which had no week before it).
  const std::size_t points = sizeof(SeasonPoint);
  EXPECT_EQ(season.CopyBytes() - first, 4 * points + (3 + 3 + 6) + 3 * sizeof(NameRef));
}

}  // namespace

}  // namespace korvelin
