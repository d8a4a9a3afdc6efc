// Times every roster operation at 100 to 1,000,000 members with Google
// Benchmark, and TREND, HISTORY 0, STALLED, CHANGES, REPORT and SAVE over a
// season of eight weekly snapshots (reporting the bytes the season adds to
// the save per snapshot).  The tables come from
// gen_tables, in the folder named by KORVELIN_BENCH_DATA (table-N.txt and newer-N.txt); what the
// commands print goes to /dev/null, as in a session whose screen is not watched, and what the
// readers and writers echo goes nowhere.
//
// From 10,000 members on, every run starts with cold processor caches (a
// buffer twice the size of the largest cache is written first, outside the
// timing).  Otherwise a roster of 100,000 members, which just fits the
// cache, would be timed from the cache and one of a million from memory,
// and the ratio of the two would measure the cache, not how the work grows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "files/files.h"
#include "files/save_file.h"
#include "files/stat_table.h"
#include "list/sort.h"
#include "list/table_writer.h"
#include "list/visit.h"
#include "maintenance/maintenance.h"
#include "roster/options.h"
#include "roster/session.h"
#include "text/dates.h"
#include "text/save_header.h"

namespace korvelin {
namespace {

NeverStop never;  // the benchmarks run to the end

std::string Data(const char* kind, int n) {
  const char* folder = std::getenv("KORVELIN_BENCH_DATA");
  return std::string(folder != nullptr ? folder : "bench-data") + "/" + kind + "-" +
         std::to_string(n) + ".txt";
}

// A table read whole into memory, as LOAD and UPDATE read it.
TextStream Table(const char* kind, int n) {
  std::string bytes;
  ReadFile(Data(kind, n), bytes);
  return TextStream::Memory(std::move(bytes));
}

// The files of a console that reads nothing and prints to /dev/null.
struct QuietFiles {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::fopen("/dev/null", "w");
  QuietFiles() {
    static char buffer[1 << 16];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
  }
  ~QuietFiles() {
    std::fclose(in);
    std::fclose(out);
  }
  QuietFiles(const QuietFiles&) = delete;
  QuietFiles& operator=(const QuietFiles&) = delete;
};
class QuietConsole : private QuietFiles, public Console {
 public:
  QuietConsole() : Console(QuietFiles::in, QuietFiles::out) {}
};

constexpr int kColdFrom = 10000;

// Pushes the roster out of every processor cache.
void Evict() {
  static std::vector<char> buffer(64 << 20);
  static char round = 0;
  ++round;
  for (std::size_t i = 0; i < buffer.size(); i += 64) buffer[i] = round;
  benchmark::DoNotOptimize(buffer.data());
}

// Starts a timed run: from cold caches for the larger rosters.
void Cold(benchmark::State& state) {
  if (state.range(0) < kColdFrom) return;
  state.PauseTiming();
  Evict();
  state.ResumeTiming();
}

// The session as LOAD of table-N leaves it.
void Loaded(Session& session, int n) {
  QuietConsole console;
  LoadFile(console, session, Data("table", n));
}

// LOAD of a stat table: its members and its snapshot, which starts a new
// history.
void LoadTable(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Roster roster;
  NullSink echo;
  for (auto _ : state) {
    Cold(state);
    TextStream in = Table("table", n);
    Snapshot snapshot{0, {}};
    ImportStatTable(in, roster, echo, never, &snapshot);
    Season season;
    season.Add(std::move(snapshot.points));
  }
}

// The custom list, in its saved order, written whole to a file.
void ListToFile(benchmark::State& state) {
  Session session;
  Loaded(session, static_cast<int>(state.range(0)));
  const ListSettings& list = session.list;
  const MemberOrder custom = Sorter().Sort(session.roster, list.weights,
                                           OptionByNumber(list.sort_option), list.sort_direction);
  const TableContent content{"list",       session.roster,
                             list.weights, session.columns,
                             &custom,      static_cast<int>(session.roster.size())};
  for (auto _ : state) {
    Cold(state);
    int error = 0;
    std::unique_ptr<TableFile> file = TableFile::Open("bench-list.txt", error);
    NeverStop never;
    WriteTable(file->writer(), *OptionTable(content), never);
    file->Finish();
  }
  std::remove("bench-list.txt");
}

// The presets as LIST runs them: columns, sort option, direction, rows.
struct Preset {
  const char* name;
  ColumnSet columns;
  const char* option;
  SortDirection direction;
  int rows;  // 0: every member
};
constexpr SortDirection kDown = SortDirection::kDescending;
const Preset kPresets[] = {
    {"default", kDefaultColumns, "id", SortDirection::kAscending, 0},
    {"percent", kPercentColumns, "totalgain", kDown, 0},
    {"wc", kWCColumns, "wtotal", kDown, 10},
    {"speed", kWCColumns, "newspeed", kDown, 15},
    {"power", kWCColumns, "newpower", kDown, 15},
    {"strength", kWCColumns, "newstren", kDown, 15},
};

void PresetCommand(benchmark::State& state) {
  const Preset& preset = kPresets[state.range(1)];
  state.SetLabel(preset.name);
  Session session;
  Loaded(session, static_cast<int>(state.range(0)));
  QuietConsole console;
  Sorter sorter;  // one visit's sorter serves all its tables
  const int rows = preset.rows == 0 ? static_cast<int>(session.roster.size()) : preset.rows;
  for (auto _ : state) {
    Cold(state);
    const MemberOrder order = sorter.Sort(session.roster, session.list.weights,
                                          *OptionByKeyword(preset.option), preset.direction);
    NeverStop never;
    WriteTable(*MakeFixedTable(console.Out()),
               *OptionTable({preset.name, session.roster, session.list.weights, preset.columns,
                             &order, rows}),
               never);
  }
}

void Sort(benchmark::State& state) {
  const OptionInfo& option = OptionByNumber(static_cast<int>(state.range(1)));
  const SortDirection direction = state.range(2) == 0 ? kDown : SortDirection::kAscending;
  state.SetLabel(std::string(option.keyword) + (state.range(2) == 0 ? " decending" : " accending"));
  Session session;
  Loaded(session, static_cast<int>(state.range(0)));
  Sorter sorter;
  for (auto _ : state) {
    Cold(state);
    const MemberOrder order = sorter.Sort(session.roster, session.list.weights, option, direction);
    benchmark::DoNotOptimize(order.data());
  }
}

void Save(benchmark::State& state) {
  Session session;
  Loaded(session, static_cast<int>(state.range(0)));
  NullSink echo;
  for (auto _ : state) {
    Cold(state);
    WriteSaveFile("bench.sav", session, echo, never);
  }
}

// LOAD of a save file: the whole file read, then its rows.
void LoadSave(benchmark::State& state) {
  Session session;
  Loaded(session, static_cast<int>(state.range(0)));
  NullSink echo;
  WriteSaveFile("bench.sav", session, echo, never);
  for (auto _ : state) {
    Cold(state);
    std::string bytes;
    ReadFile("bench.sav", bytes);
    TextStream in = TextStream::Memory(std::move(bytes));
    if (TakeSaveHeader(in)) ReadSaveFile(in, session, echo, never);
  }
  std::remove("bench.sav");
}

void Update(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  NullSink echo;
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<Session>();
    Loaded(*session, n);
    TextStream in = Table("newer", n);
    if (n >= kColdFrom) Evict();
    state.ResumeTiming();
    Snapshot snapshot{session->season.Dates().back().day + 7, {}};
    UpdateFromStatTable(in, session->roster, echo, never, &snapshot);
    session->season.Add(std::move(snapshot.points));
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}

// A season: the session as LOAD of table-N leaves it, and seven more
// weekly snapshots of every member, each a little stronger than the week
// before: eight points per member.
constexpr int kSeasonWeeks = 8;
void Seasoned(Session& session, int n) {
  Loaded(session, n);
  const int first = session.season.Dates().front().day;
  for (int week = 1; week < kSeasonWeeks; ++week) {
    Snapshot snapshot{first + 7 * week, {}};
    for (Member member : session.roster) {
      member.newspeed += member.newspeed / 50 * week;
      member.newpower += member.newpower / 40 * week;
      member.newstren += member.newstren / 60 * week;
      snapshot.Add(member, session.roster.NameOf(member));
    }
    session.season.Add(std::move(snapshot.points));
  }
}

// A season of eight weeks in which the gang lives as gangs do: every tenth
// member stops training after the fourth week (STALLED finds it), every
// seventh goes up a level each week, every fiftieth misses the third week
// (LEFT, then RETURNED), every hundredth leaves for good after the sixth,
// every twenty-fifth takes a new name in the fifth: the views' rows are
// many and of every kind.
void Eventful(Session& session, int n) {
  Loaded(session, n);
  const int first = session.season.Dates().front().day;
  std::string renamed;
  for (int week = 1; week < kSeasonWeeks; ++week) {
    Snapshot snapshot{first + 7 * week, {}};
    for (std::size_t i = 0; i < session.roster.size(); ++i) {
      if ((i % 50 == 0 && week == 2) || (i % 100 == 1 && week > 5)) continue;
      Member member = session.roster[i];
      const int weeks = i % 10 == 3 ? std::min(week, 4) : week;
      member.newspeed += member.newspeed / 50 * weeks;
      member.newpower += member.newpower / 40 * weeks;
      member.newstren += member.newstren / 60 * weeks;
      if (i % 7 == 0) member.level += week;
      renamed = session.roster.NameOf(member);
      if (i % 25 == 0 && week >= 4) renamed = "New " + renamed.substr(0, 20);
      snapshot.Add(member, renamed);
    }
    session.season.Add(std::move(snapshot.points));
  }
}

// A List command that asks for a word: `answer` typed at its prompt, the
// table (every row) printed to /dev/null, over the season `season` makes.
void SeasonView(benchmark::State& state, Next (*command)(ListVisit&), const char* answer,
                void (*season)(Session&, int) = Seasoned) {
  Session session;
  season(session, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    QuietFiles files;
    std::fputs(answer, files.in);
    std::rewind(files.in);
    Console console(files.in, files.out);
    ListVisit visit(console, session, static_cast<int>(session.roster.size()));
    if (state.range(0) >= kColdFrom) Evict();
    state.ResumeTiming();
    command(visit);
    console.Flush();
  }
}
void TrendCommand(benchmark::State& state) { SeasonView(state, ShowTrend, "total\n"); }
void GangHistory(benchmark::State& state) { SeasonView(state, ShowHistory, "0\n"); }
// STALLED, CHANGES and REPORT, each in n log n of the points.
void StalledCommand(benchmark::State& state) { SeasonView(state, ShowStalled, "", Eventful); }
void ChangesCommand(benchmark::State& state) { SeasonView(state, ShowChanges, "", Eventful); }
void ReportCommand(benchmark::State& state) { SeasonView(state, ShowReport, "", Eventful); }

// SAVE of the season, and what its season adds to the file: the bytes per
// snapshot and per point.
void SaveSeason(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Session session;
  Seasoned(session, n);
  NullSink echo;
  for (auto _ : state) {
    Cold(state);
    WriteSaveFile("bench.sav", session, echo, never);
  }
  std::string with, without;
  ReadFile("bench.sav", with);
  session.season = Season();
  WriteSaveFile("bench.sav", session, echo, never);
  ReadFile("bench.sav", without);
  std::remove("bench.sav");
  const double per_snapshot = static_cast<double>(with.size() - without.size()) / kSeasonWeeks;
  state.counters["bytes_per_snapshot"] = per_snapshot;
  state.counters["bytes_per_point"] = per_snapshot / n;
}

void SnapCommand(benchmark::State& state) {
  Session session;
  Loaded(session, static_cast<int>(state.range(0)));
  QuietConsole console;
  for (auto _ : state) {
    Cold(state);
    Snap(console, session.roster);
  }
}

// The derived values a table shows, worked out whenever it is printed or
// sorted: every option's value of every member, as a table of all 35
// columns reads them (without writing the cells).
void Derive(benchmark::State& state) {
  Session session;
  Loaded(session, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Cold(state);
    double sum = 0.0;
    for (const Member& member : session.roster) {
      for (const OptionInfo* option : OptionsInDisplayOrder()) {
        const OptionValue value = OptionRead(*option, member, session.list.weights);
        sum += value.real ? value.number : static_cast<double>(value.integer);
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int n : {100, 1000, 10000, 100000, 1000000}) b->Arg(n);
  b->Unit(benchmark::kMillisecond);
}

void PresetSizes(benchmark::internal::Benchmark* b) {
  for (int n : {100, 1000, 10000, 100000, 1000000}) {
    for (int p = 0; p < 6; ++p) b->Args({n, p});
  }
  b->Unit(benchmark::kMillisecond);
}

void SortSizes(benchmark::internal::Benchmark* b) {
  for (int n : {100, 1000, 10000, 100000, 1000000}) {
    for (int option : {17, 15, 29, 10, 25, 35}) {
      for (int direction : {0, 1}) b->Args({n, option, direction});
    }
  }
  b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(LoadTable)->Apply(Sizes);
BENCHMARK(ListToFile)->Apply(Sizes);
BENCHMARK(PresetCommand)->Apply(PresetSizes);
BENCHMARK(Sort)->Apply(SortSizes);
BENCHMARK(Save)->Apply(Sizes);
BENCHMARK(LoadSave)->Apply(Sizes);
BENCHMARK(Update)->Apply(Sizes);
BENCHMARK(SnapCommand)->Apply(Sizes);
BENCHMARK(TrendCommand)->Apply(Sizes);
BENCHMARK(GangHistory)->Apply(Sizes);
BENCHMARK(StalledCommand)->Apply(Sizes);
BENCHMARK(ChangesCommand)->Apply(Sizes);
BENCHMARK(ReportCommand)->Apply(Sizes);
BENCHMARK(SaveSeason)->Apply(Sizes);
BENCHMARK(Derive)->Apply(Sizes);

}  // namespace korvelin

BENCHMARK_MAIN();
