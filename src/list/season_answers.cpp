// STALLED, CHANGES and REPORT in the List protocol: the answers a leader
// reads out of the season, who has stopped training, who joined, left,
// came back or took another name, and the week in a text for the gang's
// chat.  STALLED and CHANGES are each one table definition (list/table.h)
// and go wherever OUTPUT sends tables; REPORT is a text (list/report.h).
#include <algorithm>
#include <cstdint>
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

constexpr int kNoDay = -2147483647 - 1;  // below every date
constexpr int kWeek = 7;                 // days

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

// A member's points as the walk over the dates meets them.
struct StallTrack {
  std::int64_t first_total = 0, last_total = 0, start_total = 0;
  int first_day = kNoDay, last_rise = kNoDay, start_day = kNoDay;
  bool at_latest = false;
};

// The roster's members with a point at the latest date whose total rose by
// at most the bar a week over the stall span: from the member's last point
// at least the bar's weeks before the latest date (else its first point,
// when that is at least a week before).  The least risen a week first, then
// the longest without a rise, then in roster order.
LargeVector<StallRow> StallRows(const Session& session) {
  LargeVector<StallRow> rows;
  const Season& season = session.season;
  if (season.empty()) return rows;
  const std::vector<Season::Date> dates = season.Dates();
  const int latest = dates.back().day;
  const int span_start = latest - kWeek * session.list.stall.weeks;
  const MembersById by_id = ByIdOf(session.roster);
  LargeVector<StallTrack> tracks(by_id.size());
  for (const Season::Date& date : dates) {
    MeetPoints(season, date, by_id, [&](std::size_t t, const SeasonPoint& point) {
      StallTrack& track = tracks[t];
      const std::int64_t total = TotalOf(point);
      if (track.first_day == kNoDay) {
        track.first_day = point.day;
        track.first_total = total;
      } else if (total > track.last_total) {
        track.last_rise = point.day;
      }
      track.last_total = total;
      if (point.day <= span_start) {
        track.start_day = point.day;
        track.start_total = total;
      }
      track.at_latest = point.day == latest;
    });
  }
  for (std::size_t t = 0; t < tracks.size(); ++t) {
    StallTrack& track = tracks[t];
    if (!track.at_latest) continue;
    if (track.start_day == kNoDay) {
      if (track.first_day > latest - kWeek) continue;  // too new to have stalled
      track.start_day = track.first_day;
      track.start_total = track.first_total;
    }
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
  LargeVector<std::int32_t> ids, merged, date_ids;
  for (const Season::Date& date : dates) {
    date_ids.resize(date.end - date.begin);
    for (std::size_t p = date.begin; p < date.end; ++p) date_ids[p - date.begin] = season[p].id;
    merged.resize(ids.size() + date_ids.size());
    merged.erase(
        std::set_union(ids.begin(), ids.end(), date_ids.begin(), date_ids.end(), merged.begin()),
        merged.end());
    ids.swap(merged);
  }
  return ids;
}

void AppendLevel(std::string& levels, std::int32_t level) {
  const std::string text = std::to_string(level);
  levels += static_cast<char>(text.size());
  levels += text;
}

// What changed at each date after the first from the date before: within
// a date JOINED, LEFT, RETURNED, RENAMED and LEVEL, each by ID.
Changes ChangesOf(const Season& season) {
  Changes changes;
  const std::vector<Season::Date> dates = season.Dates();
  const LargeVector<std::int32_t> ids = SeasonIds(season, dates);
  constexpr std::uint32_t kNever = 0xFFFFFFFFu;
  LargeVector<std::uint32_t> last(ids.size(), kNever);  // each ID's latest point so far
  LargeVector<std::uint32_t> last_date(ids.size(), 0);  // and the index of its date
  LargeVector<ChangeRow> rows;                          // oldest date first
  std::vector<std::size_t> starts;                      // where each date's rows begin
  for (std::uint32_t j = 0; j < dates.size(); ++j) {
    const Season::Date& date = dates[j];
    const std::size_t start = rows.size();
    starts.push_back(start);
    std::size_t u = 0;
    for (std::size_t p = date.begin; p < date.end; ++p) {
      const SeasonPoint& point = season[p];
      while (ids[u] < point.id) ++u;
      const std::uint32_t here = static_cast<std::uint32_t>(p), before = last[u];
      last[u] = here;
      const std::uint32_t was_at = last_date[u];
      last_date[u] = j;
      if (j == 0) continue;
      if (before == kNever) {
        rows.push_back({here, here, date.day, 0, ChangeKind::kJoined});
        continue;
      }
      if (was_at != j - 1) rows.push_back({here, before, date.day, 0, ChangeKind::kReturned});
      const SeasonPoint& old = season[before];
      if (season.NameOf(old) != season.NameOf(point)) {
        rows.push_back({here, before, date.day, 0, ChangeKind::kRenamed});
      }
      if (old.level != point.level) {
        const std::uint32_t at = static_cast<std::uint32_t>(changes.levels.size());
        AppendLevel(changes.levels, old.level);
        AppendLevel(changes.levels, point.level);
        rows.push_back({here, before, date.day, at, ChangeKind::kLevel});
      }
    }
    if (j == 0) continue;
    // Who had a point at the date before and none at this one.
    std::size_t p = date.begin;
    for (std::size_t q = dates[j - 1].begin; q < dates[j - 1].end; ++q) {
      while (p < date.end && season[p].id < season[q].id) ++p;
      if (p < date.end && season[p].id == season[q].id) continue;
      const std::uint32_t gone = static_cast<std::uint32_t>(q);
      rows.push_back({gone, gone, date.day, 0, ChangeKind::kLeft});
    }
    std::sort(rows.begin() + static_cast<std::ptrdiff_t>(start), rows.end(),
              [&season](const ChangeRow& a, const ChangeRow& b) {
                if (a.kind != b.kind) return a.kind < b.kind;
                return season[a.point].id < season[b.point].id;
              });
  }
  // Newest date first.
  changes.rows.reserve(rows.size());
  std::size_t end = rows.size();
  for (std::size_t k = starts.size(); k-- > 0;) {
    changes.rows.insert(changes.rows.end(), rows.begin() + static_cast<std::ptrdiff_t>(starts[k]),
                        rows.begin() + static_cast<std::ptrdiff_t>(end));
    end = starts[k];
  }
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
        return LineOf(season, *changes, changes->rows[i]);
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
ReportSection BestGains(const Session& session, const Season::Date& latest,
                        const Season::Date& before) {
  const MembersById by_id = ByIdOf(session.roster);
  LargeVector<std::int64_t> then(by_id.size(), 0);
  LargeVector<std::uint8_t> had(by_id.size(), 0);
  MeetPoints(session.season, before, by_id, [&](std::size_t t, const SeasonPoint& point) {
    then[t] = TotalOf(point);
    had[t] = 1;
  });
  std::vector<std::pair<double, std::uint32_t>> gains;  // per week, roster position
  MeetPoints(session.season, latest, by_id, [&](std::size_t t, const SeasonPoint& point) {
    if (!had[t]) return;
    const double gain = static_cast<double>(TotalOf(point) - then[t]);
    gains.emplace_back(PerWeek(gain, latest.day - before.day), by_id[t].second);
  });
  const std::size_t shown = std::min(gains.size(), kBestGains);
  std::partial_sort(gains.begin(), gains.begin() + static_cast<std::ptrdiff_t>(shown), gains.end(),
                    [](const auto& a, const auto& b) {
                      return a.first != b.first ? a.first > b.first : a.second < b.second;
                    });
  ReportSection section{"BEST GAINS PER WEEK", true, {}};
  for (std::size_t i = 0; i < shown; ++i) {
    const Member& member = session.roster[gains[i].second];
    section.lines.push_back({PlainName(session.roster.NameOf(member)), Decimal(gains[i].first, 1)});
  }
  return section;
}

ReportSection Stalled(const Session& session) {
  ReportSection section{"STALLED", false, {}};
  for (const StallRow& row : StallRows(session)) {
    const Member& member = session.roster[row.member];
    section.lines.push_back(
        {PlainName(session.roster.NameOf(member)), Decimal(row.weeks, 1) + " WEEKS"});
  }
  return section;
}

// The changes of the latest date.
ReportSection LatestChanges(const Season& season, int latest) {
  const Changes changes = ChangesOf(season);
  ReportSection section{"CHANGES", false, {}};
  for (const ChangeRow& row : changes.rows) {
    if (row.day != latest) break;
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
  report.sections.push_back(BestGains(session, latest, before));
  report.sections.push_back(Stalled(session));
  report.sections.push_back(LatestChanges(session.season, latest.day));
  report.sections.push_back(WarChamber(visit));
  for (ReportSection& section : report.sections) {
    if (section.lines.empty()) section.lines.push_back({"NONE", ""});
  }
  return report;
}

// Sends the report to the list output's file, as ShowTable sends a table.
// False when the file's format takes no report, which then is shown on
// the screen instead.
bool ReportToFile(ListVisit& visit, const Report& report) {
  Console& console = visit.console;
  bool taken = false, saved = false;
  {
    InterruptibleWait wait(console);  // a FIFO that no one reads
    taken = visit.file->writer().WriteReport(report);
    saved = visit.file->Flush();
    if (!saved) visit.file.reset();
  }
  if (!taken && saved) return false;
  console.Print("\n");
  const bool interrupted = console.ReportInterrupt();
  if (!saved) {
    console.PrintLine("   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]");
  } else if (!interrupted) {
    console.PrintLine("   [DATA SAVED SUCESSFULLY]\n");
  }
  return true;
}

}  // namespace

Next ShowStalled(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  LargeVector<StallRow> rows = StallRows(visit.session);
  if (rows.empty()) {
    static const Format kNobody(
        "   [NOBODY STALLED: EVERY MEMBER ROSE BY MORE THAN %s A WEEK OVER %d WEEKS]\n");
    const StallBar& stall = visit.session.list.stall;
    visit.console.Print(kNobody({BarText(stall.per_week), stall.weeks}));
    return Next::kStay;
  }
  rows.resize(std::min(rows.size(), static_cast<std::size_t>(std::max(visit.entries, 0))));
  ShowTable(visit, *StalledTable(visit.session, std::move(rows)));
  return Next::kStay;
}

Next ShowChanges(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  ShowTable(visit, *ChangesTable(visit.session.season));
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
  if (!visit.file || !ReportToFile(visit, report)) {
    if (visit.file) visit.console.PrintLine("   [NO REPORT IN A CSV, TSV OR JSON FILE]");
    visit.console.Print(text);
    visit.console.Print("\n");
  }
  visit.last_text = std::move(text);
  return Next::kStay;
}

}  // namespace korvelin
