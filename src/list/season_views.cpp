// TREND and HISTORY in the List protocol: the season as the season keeps
// it, one stat of every member over the last eight snapshot dates, one
// member's points, the gang's sums by date, or every point.  Each is one
// table definition (list/table.h) and goes wherever OUTPUT sends tables.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "console/protocol.h"
#include "list/visit.h"
#include "roster/season_members.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace korvelin {

namespace {

constexpr std::size_t kTrendDates = 8;  // the snapshot dates TREND shows
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// A word beginning with a backslash leaves a prompt.
template <typename Context>
bool Cancel(Context&, const std::string& word, Next& next) {
  if (word[0] != '\\') return false;
  next = Next::kLeave;
  return true;
}

// ---------------------------------------------------------------------------
// TREND
// ---------------------------------------------------------------------------

enum class TrendStat { kTotal, kSpeed, kPower, kStrength, kHealth, kWTotal };
// The words that ask for them, in the same order.
const char* const kTrendWords[] = {"total", "speed", "power", "strength", "health", "wtotal"};

// The stat's value at a point; WTOTAL under the current weights.
double StatOf(TrendStat stat, const SeasonPoint& p, const Weights& w) {
  switch (stat) {
    case TrendStat::kTotal: return static_cast<double>(TotalOf(p));
    case TrendStat::kSpeed: return p.speed;
    case TrendStat::kPower: return p.power;
    case TrendStat::kStrength: return p.strength;
    case TrendStat::kHealth: return p.health;
    case TrendStat::kWTotal:
      return p.speed * w.speed + p.power * w.power + p.strength * w.strength + p.health * w.health;
  }
  return 0.0;
}

// A member's row: where it stands in the roster, where its values are,
// and what they come to.
struct TrendRow {
  std::uint32_t member;
  std::uint32_t values;     // the first of its values at the dates shown
  std::size_t first, last;  // the dates of its first and last point in the span
  double per_week;          // NaN for a single point
};

// The members of the roster that have a point at one of `dates`, each
// with its values there (NaN without a point) in `values`, a row of
// dates.size() values per member.
LargeVector<TrendRow> TrendRows(const Session& session, TrendStat stat,
                                const std::vector<Season::Date>& dates,
                                LargeVector<double>& values) {
  const Roster& roster = session.roster;
  const Season& season = session.season;
  const std::size_t k = dates.size();
  // The roster by ID, so that each date's points (by ID) meet it in one
  // walk, and the values are written one after another.
  const MembersById by_id = ByIdOf(roster);
  values.assign(roster.size() * k, kNone);
  for (std::size_t j = 0; j < k; ++j) {
    MeetPoints(season, dates[j], by_id, [&](std::size_t t, const SeasonPoint& point) {
      values[t * k + j] = StatOf(stat, point, session.list.weights);
    });
  }
  LargeVector<TrendRow> rows;
  for (std::uint32_t t = 0; t < by_id.size(); ++t) {
    const double* v = &values[t * k];
    std::size_t first = k, last = 0;
    for (std::size_t j = 0; j < k; ++j) {
      if (std::isnan(v[j])) continue;
      first = std::min(first, j);
      last = j;
    }
    if (first == k) continue;
    const double per_week =
        first == last ? kNone : PerWeek(v[last] - v[first], dates[last].day - dates[first].day);
    rows.push_back({by_id[t].second, t, first, last, per_week});
  }
  // Highest gain per week first, single points after the others; ties in
  // roster order.
  std::sort(rows.begin(), rows.end(), [](const TrendRow& a, const TrendRow& b) {
    const bool a_single = std::isnan(a.per_week), b_single = std::isnan(b.per_week);
    if (a_single != b_single) return b_single;
    if (!a_single && a.per_week != b.per_week) return a.per_week > b.per_week;
    return a.member < b.member;
  });
  return rows;
}

// What a TREND row reads: the member, its name, its values at the dates
// shown and what they come to.
struct TrendLine {
  const Member* member;
  std::string_view name;
  const double* values;  // one per date, NaN without a point
  const TrendRow* row;
};

// TREND of `stat`, headed "trend WORD": the rows of the roster's members
// with a point at the last eight dates, at most `entries` of them.
std::unique_ptr<Table> TrendTable(const Session& session, TrendStat stat, const char* word,
                                  int entries) {
  std::vector<Season::Date> dates = session.season.Dates();
  if (dates.size() > kTrendDates) dates.erase(dates.begin(), dates.end() - kTrendDates);
  const std::size_t k = dates.size();
  LargeVector<double> values;  // on large pages: the rows reach them all over
  LargeVector<TrendRow> rows = TrendRows(session, stat, dates, values);
  rows.resize(std::min(rows.size(), static_cast<std::size_t>(std::max(entries, 0))));

  const Roster& roster = session.roster;
  const std::size_t count = rows.size();
  auto table = std::make_unique<TableOf<TrendLine>>(
      std::string("trend ") + word, count,
      [&roster, k, rows = std::move(rows), values = std::move(values)](std::size_t i) {
        // The rows visit members and values all over memory: those of the
        // rows a little ahead are fetched meanwhile, and their names once
        // the member has come.
        constexpr std::size_t kAhead = 16;
        if (i + kAhead < rows.size()) {
          roster.Fetch(rows[i + kAhead].member);
          __builtin_prefetch(&values[rows[i + kAhead].values * k]);
        }
        if (i + kAhead / 2 < rows.size()) roster.FetchName(rows[i + kAhead / 2].member);
        const Member& member = roster[rows[i].member];
        return TrendLine{&member, roster.NameOf(member), &values[rows[i].values * k], &rows[i]};
      });
  table->Add(NameColumn(), [](const TrendLine& r) { return Cell::Text(r.name); });
  table->Add(ViewColumn("ID", 6, CellKind::kInteger, false, 0, "ID #"),
             [](const TrendLine& r) { return Cell::Integer(r.member->id); });
  // WTOTAL too is shown in whole numbers, as in WC.
  for (std::size_t j = 0; j < k; ++j) {
    const std::string heading = DateText(dates[j].day);
    Column column = StatColumn(heading.c_str(), 8, CellKind::kReal);
    column.fixed = heading.substr(5);  // "11-17"
    table->Add(std::move(column),
               [j](const TrendLine& r) { return Cell::RealOrNone(r.values[j]); });
  }
  table->Add(StatColumn("Gain", 8, CellKind::kReal), [](const TrendLine& r) {
    return Cell::Real(r.values[r.row->last] - r.values[r.row->first]);
  });
  table->Add(StatColumn("Per Week", 8, CellKind::kReal, 1),
             [](const TrendLine& r) { return Cell::RealOrNone(r.row->per_week); });
  table->Add(ViewColumn("Trend", std::max<std::size_t>(k, 5), CellKind::kSparkline),
             [k](const TrendLine& r) { return Cell::Series(r.values, k); });
  return table;
}

template <TrendStat Stat>
Next Trend(ListVisit& visit) {
  const char* word = kTrendWords[static_cast<int>(Stat)];
  ShowTable(visit, TrendTable(visit.session, Stat, word, visit.entries));
  return Next::kLeave;
}

// The stats TREND shows, as typed, in any case.  To add one: its TrendStat,
// its word in kTrendWords, its value in StatOf, an entry here and its word
// in the TREND prompt.
const Command<Handler<ListVisit>> kTrendStats[] = {
    {kTrendWords[0], Trend<TrendStat::kTotal>},  {kTrendWords[1], Trend<TrendStat::kSpeed>},
    {kTrendWords[2], Trend<TrendStat::kPower>},  {kTrendWords[3], Trend<TrendStat::kStrength>},
    {kTrendWords[4], Trend<TrendStat::kHealth>}, {kTrendWords[5], Trend<TrendStat::kWTotal>},
};

const Fallback<ListVisit> kTrendCancel{Cancel<ListVisit>, nullptr};

// ---------------------------------------------------------------------------
// HISTORY
// ---------------------------------------------------------------------------

// A point's five stats and begging skill, in this order in both HISTORY
// views: each a column of a table whose rows read a point through `point`.
template <typename Row>
void AddPointStats(TableOf<Row>& table, const SeasonPoint* Row::*point) {
  struct Stat {
    const char* heading;
    std::size_t width;
    std::int32_t SeasonPoint::*field;
  };
  static const Stat kStats[] = {
      {"Speed", 8, &SeasonPoint::speed},       {"Power", 8, &SeasonPoint::power},
      {"Strength", 8, &SeasonPoint::strength}, {"Health", 8, &SeasonPoint::health},
      {"Intel", 6, &SeasonPoint::intel},
  };
  for (const Stat& stat : kStats) {
    table.Add(StatColumn(stat.heading, stat.width), [point, field = stat.field](const Row& r) {
      return Cell::Integer((r.*point)->*field);
    });
  }
  table.Add(StatColumn("Beg", 6, CellKind::kReal, 2),
            [point](const Row& r) { return Cell::Real((r.*point)->beg); });
}

// What a row of one member's points reads: the point and the one before.
struct MemberPoint {
  const SeasonPoint* point;
  const SeasonPoint* before;  // null for the first
  std::string_view name;
};

// One member's points, oldest first, with the change of its total from the
// point before; null when it has none.
std::unique_ptr<Table> MemberTable(const Season& season, int id) {
  std::vector<const SeasonPoint*> points;
  for (const Season::Date& date : season.Dates()) {
    if (const SeasonPoint* point = season.Find(date, id)) points.push_back(point);
  }
  if (points.empty()) return nullptr;
  Chart chart{"Total of " + PlainName(season.NameOf(*points.back())) + " by date", {}, {}};
  for (const SeasonPoint* p : points) {
    chart.labels.push_back(DateText(p->day));
    chart.values.push_back(static_cast<double>(TotalOf(*p)));
  }
  const std::size_t count = points.size();
  auto table = std::make_unique<TableOf<MemberPoint>>(
      "history " + std::to_string(id), count, [&season, points = std::move(points)](std::size_t i) {
        return MemberPoint{points[i], i > 0 ? points[i - 1] : nullptr, season.NameOf(*points[i])};
      });
  table->SetChart(std::move(chart));
  table->Add(ViewColumn("Date", 10, CellKind::kDate),
             [](const MemberPoint& r) { return Cell::Date(r.point->day); });
  table->Add(NameColumn(), [](const MemberPoint& r) { return Cell::Text(r.name); });
  table->Add(ViewColumn("Level", 5, CellKind::kInteger),
             [](const MemberPoint& r) { return Cell::Integer(r.point->level); });
  AddPointStats(*table, &MemberPoint::point);
  table->Add(StatColumn("Total", 9),
             [](const MemberPoint& r) { return Cell::Integer(TotalOf(*r.point)); });
  table->Add(StatColumn("Change", 8), [](const MemberPoint& r) {
    return r.before ? Cell::Integer(TotalOf(*r.point) - TotalOf(*r.before)) : Cell::None();
  });
  table->Add(StatColumn("Per Week", 8, CellKind::kReal, 1), [](const MemberPoint& r) {
    if (!r.before) return Cell::None();
    const double change = static_cast<double>(TotalOf(*r.point) - TotalOf(*r.before));
    return Cell::Real(PerWeek(change, r.point->day - r.before->day));
  });
  return table;
}

void ShowMember(ListVisit& visit, int id) {
  std::unique_ptr<Table> table = MemberTable(visit.session.season, id);
  if (!table) {
    visit.console.PrintLine("   [NO HISTORY FOR THAT ID]");
    return;
  }
  ShowTable(visit, std::move(table));
}

// The gang's sums of one date.
struct Sums {
  int day;
  std::int64_t members;
  std::int64_t speed, power, strength, health, total;
};

// What a row of the gang's sums reads: its date's and the date's before.
struct GangDate {
  const Sums* sums;
  const Sums* before;  // null for the first
};

// The gang by date: the points of each date, the sums of their stats and
// the change of the total from the date before.
std::unique_ptr<Table> GangTable(const Season& season) {
  std::vector<Sums> sums;
  for (const Season::Date& date : season.Dates()) {
    Sums s{date.day, static_cast<std::int64_t>(date.end - date.begin), 0, 0, 0, 0, 0};
    for (std::size_t i = date.begin; i < date.end; ++i) {
      const SeasonPoint& p = season[i];
      s.speed += p.speed;
      s.power += p.power;
      s.strength += p.strength;
      s.health += p.health;
      s.total += TotalOf(p);
    }
    sums.push_back(s);
  }
  Chart chart{"Total of the gang by date", {}, {}};
  for (const Sums& s : sums) {
    chart.labels.push_back(DateText(s.day));
    chart.values.push_back(static_cast<double>(s.total));
  }
  const std::size_t count = sums.size();
  auto table = std::make_unique<TableOf<GangDate>>(
      "history gang", count, [sums = std::move(sums)](std::size_t i) {
        return GangDate{&sums[i], i > 0 ? &sums[i - 1] : nullptr};
      });
  table->SetChart(std::move(chart));
  table->Add(ViewColumn("Date", 10, CellKind::kDate),
             [](const GangDate& r) { return Cell::Date(r.sums->day); });
  struct Sum {
    const char* heading;
    std::size_t width;
    std::int64_t Sums::*field;
    bool bars;  // a sum of stats; the count of members has none
  };
  static const Sum kSums[] = {
      {"Members", 7, &Sums::members, false}, {"Speed", 10, &Sums::speed, true},
      {"Power", 10, &Sums::power, true},     {"Strength", 10, &Sums::strength, true},
      {"Health", 10, &Sums::health, true},   {"Total", 11, &Sums::total, true},
  };
  for (const Sum& sum : kSums) {
    table->Add(ViewColumn(sum.heading, sum.width, CellKind::kInteger, sum.bars),
               [field = sum.field](const GangDate& r) { return Cell::Integer(r.sums->*field); });
  }
  table->Add(StatColumn("Change", 10), [](const GangDate& r) {
    return r.before ? Cell::Integer(r.sums->total - r.before->total) : Cell::None();
  });
  return table;
}

Next ShowGang(ListVisit& visit) {
  ShowTable(visit, GangTable(visit.session.season));
  return Next::kLeave;
}

// What a row of every point reads.
struct AnyPoint {
  const SeasonPoint* point;
  std::string_view name;
};

// Every point, by date, then ID: the long table that spreadsheets pivot.
std::unique_ptr<Table> AllPointsTable(const Season& season) {
  auto table =
      std::make_unique<TableOf<AnyPoint>>("history all", season.size(), [&season](std::size_t i) {
        // The names lie wherever their members were first stored.
        constexpr std::size_t kAhead = 16;
        if (i + kAhead < season.size()) season.FetchNamePlace(season[i + kAhead]);
        if (i + kAhead / 2 < season.size()) season.FetchName(season[i + kAhead / 2]);
        return AnyPoint{&season[i], season.NameOf(season[i])};
      });
  table->Add(ViewColumn("Date", 10, CellKind::kDate),
             [](const AnyPoint& r) { return Cell::Date(r.point->day); });
  table->Add(ViewColumn("ID", 6, CellKind::kInteger, false, 0, "ID #"),
             [](const AnyPoint& r) { return Cell::Integer(r.point->id); });
  table->Add(NameColumn(), [](const AnyPoint& r) { return Cell::Text(r.name); });
  table->Add(ViewColumn("Level", 5, CellKind::kInteger),
             [](const AnyPoint& r) { return Cell::Integer(r.point->level); });
  AddPointStats(*table, &AnyPoint::point);
  return table;
}

Next ShowAll(ListVisit& visit) {
  ShowTable(visit, AllPointsTable(visit.session.season));
  return Next::kLeave;
}

// The HISTORY answers other than an ID; 0 is the gang.  To add one: an
// entry of its word in lower case and the function that shows its table,
// and the word in the HISTORY prompt.
const Command<Handler<ListVisit>> kHistoryWords[] = {
    {"0", ShowGang},
    {"all", ShowAll},
};

// An ID, written as the number prompts take it ("439,563" too), shows the
// member's points; a word beginning with a backslash leaves.
bool HistoryOfId(ListVisit& visit, const std::string& word, Next& next) {
  if (Cancel(visit, word, next)) return true;
  TextStream in = TextStream::Memory(word);
  const IntToken id = LexGroupedInt(in);
  if (id.status != IntToken::kNumber || !in.Ended()) return false;
  next = id.value == 0 ? ShowGang(visit) : (ShowMember(visit, id.value), Next::kLeave);
  return true;
}

const Fallback<ListVisit> kHistoryIds{HistoryOfId, nullptr};

}  // namespace

const Completion& TrendPrompt() {
  static const Completion offered = WordsOf(kTrendStats, kTrendCancel);
  return offered;
}

const Completion& HistoryPrompt() {
  static const Completion offered = WordsOf(kHistoryWords, kHistoryIds);
  return offered;
}

bool HasSeason(ListVisit& visit) {
  if (!visit.session.season.empty()) return true;
  visit.console.PrintLine("   [NO HISTORY YET.  LOAD OR UPDATE FROM A STAT TABLE]");
  return false;
}

Next ShowTrend(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  RunProtocol(
      visit.console, visit,
      [](ListVisit& v) {
        v.console.Print(
            "\n   [TREND OF WHAT? TOTAL, SPEED, POWER, STRENGTH, HEALTH OR WTOTAL]\n"
            "   [KORVELIN-LIST-TREND]\n >>> ");
      },
      kTrendStats, WordRule{}, kTrendCancel);
  return Next::kStay;
}

Next ShowHistory(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  RunProtocol(
      visit.console, visit,
      [](ListVisit& v) {
        v.console.Print(
            "\n   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]\n   [KORVELIN-LIST-HISTORY]\n"
            " >>> ");
      },
      kHistoryWords, WordRule{}, kHistoryIds);
  return Next::kStay;
}

}  // namespace korvelin
