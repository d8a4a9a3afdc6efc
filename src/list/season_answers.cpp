// STALLED, CHANGES and REPORT in the List protocol: the answers a leader
// reads out of the season, who has stopped training, who joined, left,
// came back or took another name, and the week in a text for the gang's
// chat.  STALLED and CHANGES are each one table definition (list/table.h)
// and go wherever OUTPUT sends tables; REPORT is a text (list/report.h).
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "console/interrupt.h"
#include "list/visit.h"
#include "roster/derived.h"
#include "roster/season_members.h"
#include "text/dates.h"
#include "text/format.h"

namespace korvelin {

namespace {

constexpr int kNoDay = std::numeric_limits<int>::min();  // below every date
constexpr int kWeek = 7;                                 // days

// ---------------------------------------------------------------------------
// STALLED
// ---------------------------------------------------------------------------

// A stalled member's row.
struct StallRow {
  std::uint32_t member;  // its roster position
  int last_rise;         // the date of its last point above the one before; kNoDay for none
  double weeks;          // from then (or its first point) to the latest date
  std::int64_t gain;     // over the stall span
  double per_week;
};

// A member's points as the walk over the dates meets them.  Its span
// starts at its first point until a point at the span's start or before
// comes.
struct StallTrack {
  std::int64_t last_total = 0, start_total = 0;
  int first_day = kNoDay, last_rise = kNoDay, start_day = kNoDay, last_day = kNoDay;
};

// The roster's members with a point at the latest date whose total rose by
// at most the bar a week over the stall span: from the member's last point
// at least the bar's weeks before the latest date (else its first point,
// when that is at least a week before).  The least risen a week first, then
// the longest without a rise, then in roster order.  `by_id`: the roster's
// members by ID.
LargeVector<StallRow> StallRows(const Session& session, const MembersById& by_id) {
  LargeVector<StallRow> rows;
  const Season& season = session.season;
  if (season.empty()) return rows;
  const std::vector<Season::Date> dates = season.Dates();
  const int latest = dates.back().day;
  const int span_start = latest - kWeek * session.list.stall.weeks;
  LargeVector<StallTrack> tracks(by_id.size());
  for (const Season::Date& date : dates) {
    MeetPoints(season, date, by_id, [&](std::size_t t, const SeasonPoint& point) {
      StallTrack& track = tracks[t];
      const std::int64_t total = TotalOf(point);
      if (track.first_day == kNoDay) track.first_day = point.day;
      if (track.last_day != kNoDay && total > track.last_total) track.last_rise = point.day;
      if (track.start_day == kNoDay || point.day <= span_start) {
        track.start_day = point.day;
        track.start_total = total;
      }
      track.last_total = total;
      track.last_day = point.day;
    });
  }
  for (std::size_t t = 0; t < tracks.size(); ++t) {
    const StallTrack& track = tracks[t];
    if (track.last_day != latest) continue;
    // A span from the first point needs a week at least.
    if (track.start_day > span_start && track.start_day > latest - kWeek) continue;
    const std::int64_t gain = track.last_total - track.start_total;
    const double per_week = PerWeek(static_cast<double>(gain), latest - track.start_day);
    if (per_week > session.list.stall.per_week) continue;
    const int since = track.last_rise != kNoDay ? track.last_rise : track.first_day;
    rows.push_back({by_id[t].second, track.last_rise, static_cast<double>(latest - since) / kWeek,
                    gain, per_week});
  }
  std::sort(rows.begin(), rows.end(), [](const StallRow& a, const StallRow& b) {
    if (a.per_week != b.per_week) return a.per_week < b.per_week;
    if (a.weeks != b.weeks) return a.weeks > b.weeks;
    return a.member < b.member;
  });
  return rows;
}

// What a STALLED row reads.
struct StallLine {
  const Member* member;
  std::string_view name;
  const StallRow* row;
};

std::unique_ptr<Table> StalledTable(const Session& session, LargeVector<StallRow> rows) {
  const Roster& roster = session.roster;
  const std::size_t count = rows.size();
  auto table = std::make_unique<TableOf<StallLine>>(
      "stalled", count, [&roster, rows = std::move(rows)](std::size_t i) {
        const Member& member = roster[rows[i].member];
        return StallLine{&member, roster.NameOf(member), &rows[i]};
      });
  table->Add(NameColumn(), [](const StallLine& r) { return Cell::Text(r.name); });
  table->Add(ViewColumn("ID", 6, CellKind::kInteger, false, 0, "ID #"),
             [](const StallLine& r) { return Cell::Integer(r.member->id); });
  table->Add(ViewColumn("Level", 5, CellKind::kInteger),
             [](const StallLine& r) { return Cell::Integer(r.member->level); });
  table->Add(ViewColumn("Last Rise", 10, CellKind::kDate), [](const StallLine& r) {
    return r.row->last_rise == kNoDay ? Cell::None() : Cell::Date(r.row->last_rise);
  });
  table->Add(ViewColumn("Weeks", 5, CellKind::kReal, false, 1),
             [](const StallLine& r) { return Cell::Real(r.row->weeks); });
  table->Add(StatColumn("Gain", 8), [](const StallLine& r) { return Cell::Integer(r.row->gain); });
  table->Add(StatColumn("Per Week", 8, CellKind::kReal, 1),
             [](const StallLine& r) { return Cell::Real(r.row->per_week); });
  return table;
}

// ---------------------------------------------------------------------------
// CHANGES
// ---------------------------------------------------------------------------

// The changes of a date, in the order they are listed within it.
enum class ChangeKind : std::uint8_t { kJoined, kLeft, kReturned, kRenamed, kLevel };
const char* const kChangeWords[] = {"JOINED", "LEFT", "RETURNED", "RENAMED", "LEVEL"};

// One change: a member's point and the one before it (the same for JOINED;
// for LEFT, the point before at both), and for LEVEL where the two levels'
// texts lie.
struct ChangeRow {
  std::uint32_t point;
  std::uint32_t before;
  std::int32_t day;
  std::uint32_t levels;  // in the level texts: the old level's length, its digits, the new one's
  ChangeKind kind;
};

// The changes and the texts of the levels they name.
struct Changes {
  LargeVector<ChangeRow> rows;  // newest date first
  std::string levels;
};

// Every ID of the season, in order.
LargeVector<std::int32_t> SeasonIds(const Season& season, const std::vector<Season::Date>& dates) {
  LargeVector<std::int32_t> ids, merged;
  for (const Season::Date& date : dates) {
    merged.clear();
    merged.reserve(ids.size() + (date.end - date.begin));
    std::size_t i = 0;
    for (std::size_t p = date.begin; p < date.end; ++p) {
      const std::int32_t id = season[p].id;
      while (i < ids.size() && ids[i] < id) merged.push_back(ids[i++]);
      if (i < ids.size() && ids[i] == id) ++i;
      merged.push_back(id);
    }
    merged.insert(merged.end(), ids.begin() + static_cast<std::ptrdiff_t>(i), ids.end());
    ids.swap(merged);
  }
  return ids;
}

void AppendLevel(std::string& levels, std::int32_t level) {
  const std::string text = std::to_string(level);
  levels += static_cast<char>(text.size());
  levels += text;
}

constexpr std::uint32_t kNever = 0xFFFFFFFFu;  // no point before

// A date's changes, gathered by kind as the points are met in ID order,
// then added to the changes' rows by kind; then the next date's, in the
// same memory.
class DateChanges {
 public:
  DateChanges(const Season& season, Changes& changes) : season_(season), changes_(changes) {}

  // The changes that follow are of the date `day`.
  void Begin(int day) { day_ = day; }

  // The point `here` of the date, with the member's point before it
  // (kNever for none) and whether that one is older than the date before.
  void Point(std::uint32_t here, std::uint32_t before, bool returned) {
    if (before == kNever) {
      Add(here, here, ChangeKind::kJoined);
      return;
    }
    if (returned) Add(here, before, ChangeKind::kReturned);
    const SeasonPoint &point = season_[here], &old = season_[before];
    // A name kept from the date before keeps its number in the season.
    if (old.name != point.name && season_.NameOf(old) != season_.NameOf(point)) {
      Add(here, before, ChangeKind::kRenamed);
    }
    if (old.level != point.level) {
      const std::uint32_t at = static_cast<std::uint32_t>(changes_.levels.size());
      AppendLevel(changes_.levels, old.level);
      AppendLevel(changes_.levels, point.level);
      Add(here, before, ChangeKind::kLevel, at);
    }
  }
  // The points of `before`, the date before, whose members have none at
  // `date`, this one.
  void Left(const Season::Date& before, const Season::Date& date) {
    std::size_t p = date.begin;
    for (std::size_t q = before.begin; q < before.end; ++q) {
      while (p < date.end && season_[p].id < season_[q].id) ++p;
      if (p < date.end && season_[p].id == season_[q].id) continue;
      Add(static_cast<std::uint32_t>(q), static_cast<std::uint32_t>(q), ChangeKind::kLeft);
    }
  }
  // Adds the date's rows after the changes' rows, by kind.
  void End() {
    for (LargeVector<ChangeRow>& kind : kinds_) {
      changes_.rows.insert(changes_.rows.end(), kind.begin(), kind.end());
      kind.clear();
    }
  }

 private:
  void Add(std::uint32_t point, std::uint32_t before, ChangeKind kind, std::uint32_t levels = 0) {
    kinds_[static_cast<int>(kind)].push_back({point, before, day_, levels, kind});
  }

  const Season& season_;
  Changes& changes_;
  int day_ = 0;
  LargeVector<ChangeRow> kinds_[std::size(kChangeWords)];  // each in ID order
};

// What changed at each date after the first from the date before: within
// a date JOINED, LEFT, RETURNED, RENAMED and LEVEL, each by ID.
Changes ChangesOf(const Season& season) {
  Changes changes;
  const std::vector<Season::Date> dates = season.Dates();
  const LargeVector<std::int32_t> ids = SeasonIds(season, dates);
  LargeVector<std::uint32_t> last(ids.size(), kNever);      // each ID's latest point so far
  LargeVector<std::uint32_t> last_date(ids.size(), 0);      // and the index of its date
  std::vector<std::pair<std::size_t, std::size_t>> blocks;  // each date's rows
  DateChanges changed(season, changes);
  for (std::uint32_t j = 0; j < dates.size(); ++j) {
    const Season::Date& date = dates[j];
    changed.Begin(date.day);
    std::size_t u = 0;
    for (std::size_t p = date.begin; p < date.end; ++p) {
      while (ids[u] < season[p].id) ++u;
      const std::uint32_t before = last[u], was_at = last_date[u];
      last[u] = static_cast<std::uint32_t>(p);
      last_date[u] = j;
      if (j > 0) changed.Point(static_cast<std::uint32_t>(p), before, was_at != j - 1);
    }
    if (j == 0) continue;
    changed.Left(dates[j - 1], date);
    const std::size_t start = changes.rows.size();
    changed.End();
    blocks.emplace_back(start, changes.rows.size());
  }
  // Newest date first: the whole turned round, then each date's rows back
  // in their order.
  LargeVector<ChangeRow>& rows = changes.rows;
  std::reverse(rows.begin(), rows.end());
  for (const auto& [begin, end] : blocks) {
    std::reverse(rows.end() - static_cast<std::ptrdiff_t>(end),
                 rows.end() - static_cast<std::ptrdiff_t>(begin));
  }
  return changes;
}

// The changes of the latest date alone, as ChangesOf finds them: each of
// its points meets the member's point before it walking back a date at a
// time, only as far as some have none yet (most find theirs at the date
// before).
Changes LatestChangesOf(const Season& season) {
  Changes changes;
  const std::vector<Season::Date> dates = season.Dates();
  if (dates.size() < 2) return changes;
  const Season::Date& latest = dates.back();
  const std::size_t count = latest.end - latest.begin;
  LargeVector<std::uint32_t> before(count, kNever), open(count), still;
  LargeVector<std::uint8_t> returned(count, 0);
  for (std::uint32_t i = 0; i < count; ++i) open[i] = i;
  for (std::size_t k = dates.size() - 1; k-- > 0 && !open.empty();) {
    still.clear();
    std::size_t q = dates[k].begin;
    for (std::uint32_t i : open) {
      const std::int32_t id = season[latest.begin + i].id;
      while (q < dates[k].end && season[q].id < id) ++q;
      if (q < dates[k].end && season[q].id == id) {
        before[i] = static_cast<std::uint32_t>(q);
        returned[i] = k + 2 != dates.size();
      } else {
        still.push_back(i);
      }
    }
    open.swap(still);
  }
  DateChanges changed(season, changes);
  changed.Begin(latest.day);
  for (std::uint32_t i = 0; i < count; ++i) {
    changed.Point(static_cast<std::uint32_t>(latest.begin + i), before[i], returned[i] != 0);
  }
  changed.Left(dates[dates.size() - 2], latest);
  changed.End();
  return changes;
}

// A level's text in the level texts: its length, then its digits.
std::string_view LevelAt(const std::string& levels, std::size_t at) {
  return std::string_view(levels).substr(at + 1, static_cast<unsigned char>(levels[at]));
}
// The old level's and the new level's texts of a LEVEL row.
std::pair<std::string_view, std::string_view> LevelsOf(const std::string& levels,
                                                       const ChangeRow& row) {
  const std::string_view was = LevelAt(levels, row.levels);
  return {was, LevelAt(levels, row.levels + 1 + was.size())};
}

// What a CHANGES row reads.
struct ChangeLine {
  const ChangeRow* row;
  const SeasonPoint* point;
  std::string_view name;
  std::string_view was, now;  // the old and new name or level; empty for the others
};

ChangeLine LineOf(const Season& season, const Changes& changes, const ChangeRow& row) {
  const SeasonPoint& point = season[row.point];
  ChangeLine line{&row, &point, season.NameOf(point), {}, {}};
  if (row.kind == ChangeKind::kRenamed) {
    line.was = season.NameOf(season[row.before]);
    line.now = line.name;
  } else if (row.kind == ChangeKind::kLevel) {
    std::tie(line.was, line.now) = LevelsOf(changes.levels, row);
  }
  return line;
}

std::unique_ptr<Table> ChangesTable(const Season& season) {
  auto changes = std::make_shared<Changes>(ChangesOf(season));
  const std::size_t count = changes->rows.size();
  auto table = std::make_unique<TableOf<ChangeLine>>(
      "changes", count, [&season, changes = std::move(changes)](std::size_t i) {
        // The names lie wherever their members were first stored.
        constexpr std::size_t kAhead = 16;
        const LargeVector<ChangeRow>& rows = changes->rows;
        if (i + kAhead < rows.size()) season.FetchNamePlace(season[rows[i + kAhead].point]);
        if (i + kAhead / 2 < rows.size()) season.FetchName(season[rows[i + kAhead / 2].point]);
        return LineOf(season, *changes, rows[i]);
      });
  table->Add(ViewColumn("Date", 10, CellKind::kDate),
             [](const ChangeLine& r) { return Cell::Date(r.row->day); });
  table->Add(ViewColumn("Change", 8, CellKind::kText), [](const ChangeLine& r) {
    return Cell::Text(kChangeWords[static_cast<int>(r.row->kind)]);
  });
  table->Add(ViewColumn("ID", 6, CellKind::kInteger, false, 0, "ID #"),
             [](const ChangeLine& r) { return Cell::Integer(r.point->id); });
  table->Add(NameColumn(), [](const ChangeLine& r) { return Cell::Text(r.name); });
  table->Add(ViewColumn("Was", kNameLength, CellKind::kName),
             [](const ChangeLine& r) { return r.was.empty() ? Cell::None() : Cell::Text(r.was); });
  table->Add(ViewColumn("Now", kNameLength, CellKind::kName),
             [](const ChangeLine& r) { return r.now.empty() ? Cell::None() : Cell::Text(r.now); });
  return table;
}

// ---------------------------------------------------------------------------
// REPORT
// ---------------------------------------------------------------------------

constexpr std::size_t kBestGains = 5;  // the gains a report names

// `value` with `decimals` decimals, never "-0.0".
std::string Decimal(double value, int decimals) {
  Column column = ViewColumn("", 0, CellKind::kReal, false, decimals);
  std::string text;
  AppendPlain(text, column, Cell::Real(value));
  return text;
}

ReportSection GangTotal(const Season& season, const Season::Date& latest,
                        const Season::Date& before) {
  std::int64_t now = 0, then = 0;
  for (std::size_t p = latest.begin; p < latest.end; ++p) now += TotalOf(season[p]);
  for (std::size_t p = before.begin; p < before.end; ++p) then += TotalOf(season[p]);
  static const Format kMembers("Total of %d members");
  const std::int64_t change = now - then;
  return {"GANG TOTAL",
          true,
          {{kMembers({static_cast<long long>(latest.end - latest.begin)}), std::to_string(now)},
           {"Change", (change > 0 ? "+" : "") + std::to_string(change)}}};
}

// The roster's members with a point at both dates, the most risen a week
// first.
ReportSection BestGains(const Session& session, const MembersById& by_id,
                        const Season::Date& latest, const Season::Date& before) {
  const Season& season = session.season;
  // The best so far, best first: a gain a week and a roster position.
  using Gain = std::pair<double, std::uint32_t>;
  std::vector<Gain> best;
  const auto better = [](const Gain& a, const Gain& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  };
  // The two dates' points and the members, all by ID, in one walk.
  std::size_t b = before.begin, m = 0;
  for (std::size_t p = latest.begin; p < latest.end; ++p) {
    const SeasonPoint& point = season[p];
    while (b < before.end && season[b].id < point.id) ++b;
    if (b == before.end || season[b].id != point.id) continue;
    while (m < by_id.size() && by_id[m].first < point.id) ++m;
    const double gain = static_cast<double>(TotalOf(point) - TotalOf(season[b]));
    for (std::size_t t = m; t < by_id.size() && by_id[t].first == point.id; ++t) {
      const Gain candidate{PerWeek(gain, latest.day - before.day), by_id[t].second};
      if (best.size() == kBestGains && !better(candidate, best.back())) continue;
      if (best.size() == kBestGains) best.pop_back();
      best.insert(std::upper_bound(best.begin(), best.end(), candidate, better), candidate);
    }
  }
  ReportSection section{"BEST GAINS PER WEEK", true, {}};
  for (const Gain& gain : best) {
    const Member& member = session.roster[gain.second];
    section.lines.push_back({PlainName(session.roster.NameOf(member)), Decimal(gain.first, 1)});
  }
  return section;
}

ReportSection Stalled(const Session& session, const MembersById& by_id) {
  ReportSection section{"STALLED", false, {}};
  const LargeVector<StallRow> rows = StallRows(session, by_id);
  section.lines.reserve(rows.size());
  for (const StallRow& row : rows) {
    const Member& member = session.roster[row.member];
    section.lines.push_back(
        {PlainName(session.roster.NameOf(member)), Decimal(row.weeks, 1) + " WEEKS"});
  }
  return section;
}

// The changes of the latest date.
ReportSection LatestChanges(const Season& season) {
  const Changes changes = LatestChangesOf(season);
  ReportSection section{"CHANGES", false, {}};
  section.lines.reserve(changes.rows.size());
  for (const ChangeRow& row : changes.rows) {
    const ChangeLine line = LineOf(season, changes, row);
    std::string value = kChangeWords[static_cast<int>(row.kind)];
    if (row.kind == ChangeKind::kRenamed) value += " FROM " + PlainName(line.was);
    if (row.kind == ChangeKind::kLevel) {
      value += ' ';
      value.append(line.was);
      value += " -> ";
      value.append(line.now);
    }
    section.lines.push_back({PlainName(line.name), std::move(value)});
  }
  return section;
}

ReportSection WarChamber(ListVisit& visit) {
  const Roster& roster = visit.session.roster;
  ReportSection section{"WAR CHAMBER", true, {}};
  for (std::uint32_t position : WarChamberTeam(visit)) {
    const Member& member = roster[position];
    section.lines.push_back(
        {PlainName(roster.NameOf(member)),
         Decimal(derived::WeightedTotal(member, visit.session.list.weights), 0)});
  }
  return section;
}

// The week from the date before the latest to the latest.
Report ReportOf(ListVisit& visit, const Season::Date& latest, const Season::Date& before) {
  const Session& session = visit.session;
  Report report{"GANG REPORT " + DateText(latest.day) + " (SINCE " + DateText(before.day) + ")",
                {}};
  report.sections.push_back(GangTotal(session.season, latest, before));
  const MembersById by_id = ByIdOf(session.roster);
  report.sections.push_back(BestGains(session, by_id, latest, before));
  report.sections.push_back(Stalled(session, by_id));
  report.sections.push_back(LatestChanges(session.season));
  report.sections.push_back(WarChamber(visit));
  for (ReportSection& section : report.sections) {
    if (section.lines.empty()) section.lines.push_back({"NONE", ""});
  }
  return report;
}

}  // namespace

Next ShowStalled(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  // Until the season spans a week, no member has a span to be measured
  // over: nobody stalled would say that everybody rose.
  const std::vector<Season::Date> dates = visit.session.season.Dates();
  if (dates.back().day - dates.front().day < kWeek) {
    visit.console.PrintLine(
        "   [STALLED NEEDS SNAPSHOTS A WEEK APART.  UPDATE FROM A NEWER STAT TABLE]");
    return Next::kStay;
  }
  LargeVector<StallRow> rows = StallRows(visit.session, ByIdOf(visit.session.roster));
  if (rows.empty()) {
    static const Format kNobody(
        "   [NOBODY STALLED: EVERY MEMBER ROSE BY MORE THAN %s A WEEK OVER %d WEEKS]\n");
    const StallBar& stall = visit.session.list.stall;
    visit.console.Print(kNobody({BarText(stall.per_week), stall.weeks}));
    return Next::kStay;
  }
  rows.resize(std::min(rows.size(), static_cast<std::size_t>(std::max(visit.entries, 0))));
  ShowTable(visit, StalledTable(visit.session, std::move(rows)));
  return Next::kStay;
}

Next ShowChanges(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  ShowTable(visit, ChangesTable(visit.session.season));
  return Next::kStay;
}

Next ShowReport(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  const std::vector<Season::Date> dates = visit.session.season.Dates();
  if (dates.size() < 2) {
    visit.console.PrintLine(
        "   [A REPORT NEEDS TWO SNAPSHOT DATES.  UPDATE FROM A NEWER STAT TABLE]");
    return Next::kStay;
  }
  const Report report = ReportOf(visit, dates.back(), dates[dates.size() - 2]);
  std::string text = ScreenText(report);
  if (!visit.file ||
      !WriteToFile(visit, [&](TableWriter& writer) { return writer.WriteReport(report); })) {
    if (visit.file) visit.console.PrintLine("   [NO REPORT IN A CSV, TSV OR JSON FILE]");
    visit.console.Print(text);
    visit.console.Print("\n");
  }
  visit.last_text = std::move(text);
  return Next::kStay;
}

}  // namespace korvelin
