// The roster's members as the season sees them: by ID, so that each date's
// points (by ID) meet them in one walk, and who of them has left the gang.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/large_memory.h"
#include "roster/roster.h"
#include "roster/season.h"

namespace korvelin {

// The roster's members as (ID, roster position), by ID, members that share
// an ID in roster order.
using MembersById = LargeVector<std::pair<int, std::uint32_t>>;
MembersById ByIdOf(const Roster& roster);

// Calls `meet(t, point)` for the point of `date` of each member by_id[t]
// that has one there: one walk of the date's points beside the members.
template <typename Meet>
void MeetPoints(const Season& season, const Season::Date& date, const MembersById& by_id,
                Meet&& meet) {
  std::size_t m = 0;
  for (std::size_t p = date.begin; p < date.end && m < by_id.size(); ++p) {
    const SeasonPoint& point = season[p];
    while (m < by_id.size() && by_id[m].first < point.id) ++m;
    // Members that share an ID share its points.
    for (std::size_t t = m; t < by_id.size() && by_id[t].first == point.id; ++t) meet(t, point);
  }
}

// One flag a roster member, in roster order: 1 for a member who has left
// the gang, with a point in the season but none at its latest date (a
// member added by hand, with no point at all, has not).  All 0 without a
// season.  WC and the stat presets pass over them; DELETE's `left` removes
// them.
LargeVector<std::uint8_t> LeftFlags(const Roster& roster, const Season& season);

// Whether the member `id` has left the gang, as LeftFlags says: a point at
// one of `dates` (the season's) but none at the latest.  A lookup a date,
// for a few members (a team of ten) out of many.
bool HasLeft(const Season& season, const std::vector<Season::Date>& dates, int id);

}  // namespace korvelin
