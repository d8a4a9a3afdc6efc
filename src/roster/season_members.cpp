// The roster's members met by the season's points.
#include "roster/season_members.h"

#include <algorithm>
#include <vector>

namespace korvelin {

MembersById ByIdOf(const Roster& roster) {
  MembersById by_id(roster.size());
  for (std::uint32_t i = 0; i < roster.size(); ++i) by_id[i] = {roster[i].id, i};
  std::sort(by_id.begin(), by_id.end());
  return by_id;
}

LargeVector<std::uint8_t> LeftFlags(const Roster& roster, const Season& season) {
  LargeVector<std::uint8_t> left(roster.size(), 0);
  if (season.empty()) return left;
  const MembersById by_id = ByIdOf(roster);
  // 1: a point at some date; 2: a point at the latest date too.
  LargeVector<std::uint8_t> seen(by_id.size(), 0);
  const std::vector<Season::Date> dates = season.Dates();
  for (const Season::Date& date : dates) {
    const std::uint8_t mark = &date == &dates.back() ? 2 : 1;
    MeetPoints(season, date, by_id, [&seen, mark](std::size_t t, const SeasonPoint&) {
      seen[t] = std::max(seen[t], mark);
    });
  }
  for (std::size_t t = 0; t < by_id.size(); ++t) left[by_id[t].second] = seen[t] == 1;
  return left;
}

}  // namespace korvelin
