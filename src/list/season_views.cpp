// TREND and HISTORY in the List protocol: the season as the season keeps
// it, one stat of every member over the last eight snapshot dates, one
// member's points, the gang's sums by date, or every point.  Both are views
// (table_writer.h) and go wherever OUTPUT sends tables.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "console/interrupt.h"
#include "console/protocol.h"
#include "list/visit.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace korvelin {

namespace {

constexpr std::size_t kTrendDates = 8;  // the snapshot dates TREND shows
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// ---------------------------------------------------------------------------
// Cells
// ---------------------------------------------------------------------------

// A number as its cell shows it: with `decimals` decimals (none for whole
// numbers), never as "-0", and "nan" as every table prints it.
void SetNumber(ViewCell& cell, double value, int decimals = 0) {
  cell.value = value;
  if (std::isnan(value)) {
    cell.text = "nan";
    return;
  }
  char text[400];  // the largest double in fixed form
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
  cell.text.assign(text, end);
  if (cell.text.find_first_not_of("-0.") == std::string::npos && cell.text[0] == '-') {
    cell.text.erase(0, 1);
  }
}

// A change over the days between two points, per week of seven days, to
// one decimal.
double PerWeek(double change, int days) { return change / days * 7; }

void SetDate(ViewCell& cell, int day) {
  cell.text.clear();
  AppendDate(cell.text, day);
}

ViewColumn Column(const char* heading, std::size_t width, ViewKind kind) {
  return {heading, heading, width, kind};
}
ViewColumn NameColumn() { return {"Name", "NAME:", kNameLength, ViewKind::kName}; }

// Writes a view: its rows, `row(i, cells)` filling the cells of row i,
// until `rows` are written or Ctrl-C stops them.
template <typename FillRow>
void WriteView(TableWriter& writer, const ViewShape& view, std::size_t rows, FillRow row) {
  writer.BeginView(view);
  std::vector<ViewCell> cells(view.columns.size());
  for (std::size_t i = 0; i < rows; ++i) {
    for (ViewCell& cell : cells) {
      cell.text.clear();
      cell.value = 0.0;
    }
    row(i, cells);
    writer.ViewRow(cells);
    if (InterruptRequested()) break;
  }
  writer.EndTable();
}

// The bars of each stat column measure its largest magnitude.
void MeasureColumn(ViewColumn& column, double value) {
  if (std::isfinite(value)) column.largest = std::max(column.largest, std::fabs(value));
}

// Without a single snapshot there is nothing to show.
bool HasSeason(ListVisit& visit) {
  if (!visit.session.season.empty()) return true;
  visit.console.PrintLine("   [NO HISTORY YET.  LOAD OR UPDATE FROM A STAT TABLE]");
  return false;
}

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

// A point's total: speed, power and strength, as the roster's totals are.
std::int64_t TotalOf(const SeasonPoint& p) { return std::int64_t{p.speed} + p.power + p.strength; }

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
  LargeVector<std::pair<int, std::uint32_t>> by_id(roster.size());
  for (std::uint32_t i = 0; i < roster.size(); ++i) by_id[i] = {roster[i].id, i};
  std::sort(by_id.begin(), by_id.end());
  values.assign(roster.size() * k, kNone);
  for (std::size_t j = 0; j < k; ++j) {
    std::size_t m = 0;
    for (std::size_t p = dates[j].begin; p < dates[j].end && m < by_id.size(); ++p) {
      const SeasonPoint& point = season[p];
      while (m < by_id.size() && by_id[m].first < point.id) ++m;
      const double value = StatOf(stat, point, session.list.weights);
      // Members that share an ID share its points.
      for (std::size_t t = m; t < by_id.size() && by_id[t].first == point.id; ++t) {
        values[t * k + j] = value;
      }
    }
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

// One character per date, from the lowest block at the member's lowest
// value to the full block at its highest; a space where it has no point.
void AppendSparkline(std::string& out, const double* values, std::size_t k) {
  static const char* const kBlocks[] = {"▁", "▂", "▃", "▄", "▅", "▆", "▇", "█"};
  double low = 0, high = 0;
  bool any = false;
  for (std::size_t j = 0; j < k; ++j) {
    if (std::isnan(values[j])) continue;
    low = any ? std::min(low, values[j]) : values[j];
    high = any ? std::max(high, values[j]) : values[j];
    any = true;
  }
  for (std::size_t j = 0; j < k; ++j) {
    if (std::isnan(values[j])) {
      out += ' ';
      continue;
    }
    // A value beyond the range of a double (a weighted total under a
    // damaged save file's weights) takes the lowest block.
    const double share = (values[j] - low) / (high - low);
    out += kBlocks[std::isfinite(share) ? std::clamp(std::lround(share * 7), 0L, 7L) : 0];
  }
}

void ShowTrendOf(ListVisit& visit, TrendStat stat, const char* word) {
  const Session& session = visit.session;
  std::vector<Season::Date> dates = session.season.Dates();
  if (dates.size() > kTrendDates) dates.erase(dates.begin(), dates.end() - kTrendDates);
  const std::size_t k = dates.size();
  LargeVector<double> values;  // on large pages: the rows reach them all over
  LargeVector<TrendRow> rows = TrendRows(session, stat, dates, values);
  rows.resize(std::min(rows.size(), static_cast<std::size_t>(std::max(visit.entries, 0))));

  const int decimals = 0;  // WTOTAL too is shown in whole numbers, as in WC
  ViewShape view{
      std::string("trend ") + word, {NameColumn(), {"ID", "ID #", 6, ViewKind::kNumber}}, {}};
  for (const Season::Date& date : dates) {
    const std::string heading = DateText(date.day);
    view.columns.push_back({heading, heading.substr(5), 8, ViewKind::kStat});
  }
  view.columns.push_back(Column("Gain", 8, ViewKind::kStat));
  view.columns.push_back(Column("Per Week", 8, ViewKind::kStat));
  view.columns.push_back(Column("Trend", std::max<std::size_t>(k, 5), ViewKind::kSparkline));
  for (const TrendRow& row : rows) {
    const double* v = &values[row.values * k];
    for (std::size_t j = 0; j < k; ++j) MeasureColumn(view.columns[2 + j], v[j]);
    MeasureColumn(view.columns[2 + k], v[row.last] - v[row.first]);
    MeasureColumn(view.columns[3 + k], row.per_week);
  }

  const Roster& roster = session.roster;
  ShowTable(visit, [&](TableWriter& writer) {
    WriteView(writer, view, rows.size(), [&](std::size_t i, std::vector<ViewCell>& cells) {
      // The rows visit members and values all over memory: those of the
      // rows a little ahead are fetched meanwhile, and their names once
      // the member has come.
      constexpr std::size_t kAhead = 16;
      if (i + kAhead < rows.size()) {
        roster.Fetch(rows[i + kAhead].member);
        __builtin_prefetch(&values[rows[i + kAhead].values * k]);
      }
      if (i + kAhead / 2 < rows.size()) roster.FetchName(rows[i + kAhead / 2].member);
      const TrendRow& row = rows[i];
      const Member& member = roster[row.member];
      const double* v = &values[row.values * k];
      cells[0].text = roster.NameOf(member);
      SetNumber(cells[1], member.id);
      for (std::size_t j = 0; j < k; ++j) {
        if (!std::isnan(v[j])) SetNumber(cells[2 + j], v[j], decimals);
      }
      SetNumber(cells[2 + k], v[row.last] - v[row.first], decimals);
      if (!std::isnan(row.per_week)) SetNumber(cells[3 + k], row.per_week, 1);
      ViewCell& trend = cells[4 + k];
      AppendSparkline(trend.text, v, k);
      trend.series.assign(v, v + k);
    });
  });
}

template <TrendStat Stat>
Next Trend(ListVisit& visit) {
  ShowTrendOf(visit, Stat, kTrendWords[static_cast<int>(Stat)]);
  return Next::kLeave;
}

// The stats TREND shows, as typed, in any case.
const Command<Handler<ListVisit>> kTrendStats[] = {
    {kTrendWords[0], Trend<TrendStat::kTotal>},  {kTrendWords[1], Trend<TrendStat::kSpeed>},
    {kTrendWords[2], Trend<TrendStat::kPower>},  {kTrendWords[3], Trend<TrendStat::kStrength>},
    {kTrendWords[4], Trend<TrendStat::kHealth>}, {kTrendWords[5], Trend<TrendStat::kWTotal>},
};

// ---------------------------------------------------------------------------
// HISTORY
// ---------------------------------------------------------------------------

// A point's five stats and begging skill fill six columns from `first` on,
// in this order in both HISTORY views.
constexpr int kPointStats = 6;
std::array<double, kPointStats> StatsOf(const SeasonPoint& p) {
  return {double(p.speed),  double(p.power), double(p.strength),
          double(p.health), double(p.intel), p.beg};
}
void MeasureStats(ViewShape& view, std::size_t first, const SeasonPoint& p) {
  const auto stats = StatsOf(p);
  for (int s = 0; s < kPointStats; ++s) MeasureColumn(view.columns[first + s], stats[s]);
}
void SetStats(std::vector<ViewCell>& cells, std::size_t first, const SeasonPoint& p) {
  const auto stats = StatsOf(p);
  for (int s = 0; s < kPointStats; ++s) {
    SetNumber(cells[first + s], stats[s], s == kPointStats - 1 ? 2 : 0);  // the beg: 2 decimals
  }
}

// One member's points, oldest first, with the change of its total from the
// point before.
void ShowMember(ListVisit& visit, int id) {
  const Season& season = visit.session.season;
  std::vector<const SeasonPoint*> points;
  for (const Season::Date& date : season.Dates()) {
    if (const SeasonPoint* point = season.Find(date, id)) points.push_back(point);
  }
  if (points.empty()) {
    visit.console.PrintLine("   [NO HISTORY FOR THAT ID]");
    return;
  }
  ViewShape view{"history " + std::to_string(id),
                 {Column("Date", 10, ViewKind::kText), NameColumn(),
                  Column("Level", 5, ViewKind::kNumber), Column("Speed", 8, ViewKind::kStat),
                  Column("Power", 8, ViewKind::kStat), Column("Strength", 8, ViewKind::kStat),
                  Column("Health", 8, ViewKind::kStat), Column("Intel", 6, ViewKind::kStat),
                  Column("Beg", 6, ViewKind::kStat), Column("Total", 9, ViewKind::kStat),
                  Column("Change", 8, ViewKind::kStat), Column("Per Week", 8, ViewKind::kStat)},
                 {}};
  view.chart.title = "Total of " + PlainName(season.NameOf(*points.back())) + " by date";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const SeasonPoint& p = *points[i];
    view.chart.labels.push_back(DateText(p.day));
    view.chart.values.push_back(static_cast<double>(TotalOf(p)));
    MeasureStats(view, 3, p);
    MeasureColumn(view.columns[9], static_cast<double>(TotalOf(p)));
    if (i == 0) continue;
    const double change = static_cast<double>(TotalOf(p) - TotalOf(*points[i - 1]));
    MeasureColumn(view.columns[10], change);
    MeasureColumn(view.columns[11], PerWeek(change, p.day - points[i - 1]->day));
  }
  ShowTable(visit, [&](TableWriter& writer) {
    WriteView(writer, view, points.size(), [&](std::size_t i, std::vector<ViewCell>& cells) {
      const SeasonPoint& p = *points[i];
      SetDate(cells[0], p.day);
      cells[1].text = season.NameOf(p);
      SetNumber(cells[2], p.level);
      SetStats(cells, 3, p);
      SetNumber(cells[9], static_cast<double>(TotalOf(p)));
      if (i == 0) return;
      const double change = static_cast<double>(TotalOf(p) - TotalOf(*points[i - 1]));
      SetNumber(cells[10], change);
      SetNumber(cells[11], PerWeek(change, p.day - points[i - 1]->day), 1);
    });
  });
}

// The gang by date: the points of each date, the sums of their stats and
// the change of the total from the date before.
Next ShowGang(ListVisit& visit) {
  const Season& season = visit.session.season;
  struct Sums {
    int day;
    std::size_t members;
    std::int64_t stats[5];  // speed, power, strength, health, total
  };
  std::vector<Sums> sums;
  for (const Season::Date& date : season.Dates()) {
    Sums s{date.day, date.end - date.begin, {0, 0, 0, 0, 0}};
    for (std::size_t i = date.begin; i < date.end; ++i) {
      const SeasonPoint& p = season[i];
      s.stats[0] += p.speed;
      s.stats[1] += p.power;
      s.stats[2] += p.strength;
      s.stats[3] += p.health;
      s.stats[4] += TotalOf(p);
    }
    sums.push_back(s);
  }
  ViewShape view{"history gang",
                 {Column("Date", 10, ViewKind::kText), Column("Members", 7, ViewKind::kNumber),
                  Column("Speed", 10, ViewKind::kStat), Column("Power", 10, ViewKind::kStat),
                  Column("Strength", 10, ViewKind::kStat), Column("Health", 10, ViewKind::kStat),
                  Column("Total", 11, ViewKind::kStat), Column("Change", 10, ViewKind::kStat)},
                 {"Total of the gang by date", {}, {}}};
  for (std::size_t i = 0; i < sums.size(); ++i) {
    view.chart.labels.push_back(DateText(sums[i].day));
    view.chart.values.push_back(static_cast<double>(sums[i].stats[4]));
    for (int s = 0; s < 5; ++s) {
      MeasureColumn(view.columns[2 + s], static_cast<double>(sums[i].stats[s]));
    }
    if (i > 0) {
      MeasureColumn(view.columns[7], static_cast<double>(sums[i].stats[4] - sums[i - 1].stats[4]));
    }
  }
  ShowTable(visit, [&](TableWriter& writer) {
    WriteView(writer, view, sums.size(), [&](std::size_t i, std::vector<ViewCell>& cells) {
      SetDate(cells[0], sums[i].day);
      SetNumber(cells[1], static_cast<double>(sums[i].members));
      for (int s = 0; s < 5; ++s) SetNumber(cells[2 + s], static_cast<double>(sums[i].stats[s]));
      if (i > 0) SetNumber(cells[7], static_cast<double>(sums[i].stats[4] - sums[i - 1].stats[4]));
    });
  });
  return Next::kLeave;
}

// Every point, by date, then ID: the long table that spreadsheets pivot.
Next ShowAll(ListVisit& visit) {
  const Season& season = visit.session.season;
  ViewShape view{"history all",
                 {Column("Date", 10, ViewKind::kText),
                  {"ID", "ID #", 6, ViewKind::kNumber},
                  NameColumn(),
                  Column("Level", 5, ViewKind::kNumber),
                  Column("Speed", 8, ViewKind::kStat),
                  Column("Power", 8, ViewKind::kStat),
                  Column("Strength", 8, ViewKind::kStat),
                  Column("Health", 8, ViewKind::kStat),
                  Column("Intel", 6, ViewKind::kStat),
                  Column("Beg", 6, ViewKind::kStat)},
                 {}};
  for (const SeasonPoint& p : season) {
    MeasureStats(view, 4, p);
  }
  ShowTable(visit, [&](TableWriter& writer) {
    WriteView(writer, view, season.size(), [&](std::size_t i, std::vector<ViewCell>& cells) {
      const SeasonPoint& p = season[i];
      SetDate(cells[0], p.day);
      SetNumber(cells[1], p.id);
      cells[2].text = season.NameOf(p);
      SetNumber(cells[3], p.level);
      SetStats(cells, 4, p);
    });
  });
  return Next::kLeave;
}

// The HISTORY answers other than an ID; 0 is the gang.
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

}  // namespace

Next ShowTrend(ListVisit& visit) {
  if (!HasSeason(visit)) return Next::kStay;
  RunProtocol(visit.console, visit,
              [](ListVisit& v) {
                v.console.Print(
                    "\n   [TREND OF WHAT? TOTAL, SPEED, POWER, STRENGTH, HEALTH OR WTOTAL]\n"
                    "   [KORVELIN-LIST-TREND]\n >>> ");
              },
              kTrendStats, WordRule{}, {Cancel<ListVisit>, nullptr});
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
      kHistoryWords, WordRule{}, {HistoryOfId, nullptr});
  return Next::kStay;
}

}  // namespace korvelin
