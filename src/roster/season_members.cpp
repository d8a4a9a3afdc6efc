// The roster's members met by the season's points.
#include "roster/season_members.h"

#include <algorithm>
#include <vector>

#include "base/radix_sort.h"

namespace korvelin {

MembersById ByIdOf(const Roster& roster) {
  MembersById by_id(roster.size()), scratch;
  for (std::uint32_t i = 0; i < roster.size(); ++i) by_id[i] = {roster[i].id, i};
  // In roster order, sorted by ID alone: the radix sort keeps the order of
  // equal IDs.
  RadixSortBy(by_id, scratch, [](const std::pair<int, std::uint32_t>& member) {
    return std::uint64_t{static_cast<std::uint32_t>(member.first) ^ 0x80000000u};
  });
  return by_id;
}

LargeVector<std::uint8_t> LeftFlags(const Roster& roster, const Season& season) {
  LargeVector<std::uint8_t> left(roster.size(), 0);
  if (season.empty()) return left;
  const MembersById by_id = ByIdOf(roster);
  // 2: a point at the latest date; 1: at an earlier one only.  The dates are
  // walked newest first, and only until every member has been met.
  LargeVector<std::uint8_t> seen(by_id.size(), 0);
  std::size_t unmet = by_id.size();
  const std::vector<Season::Date> dates = season.Dates();
  for (std::size_t k = dates.size(); k-- > 0 && unmet != 0;) {
    const std::uint8_t mark = k + 1 == dates.size() ? 2 : 1;
    MeetPoints(season, dates[k], by_id, [&seen, &unmet, mark](std::size_t t, const SeasonPoint&) {
      if (seen[t] != 0) return;
      seen[t] = mark;
      --unmet;
    });
  }
  for (std::size_t t = 0; t < by_id.size(); ++t) left[by_id[t].second] = seen[t] == 1;
  return left;
}

bool HasLeft(const Season& season, const std::vector<Season::Date>& dates, int id) {
  if (dates.empty() || season.Find(dates.back(), id) != nullptr) return false;
  return std::any_of(dates.begin(), dates.end() - 1,
                     [&](const Season::Date& date) { return season.Find(date, id) != nullptr; });
}

}  // namespace korvelin
