// Times every roster operation at 100 to 1,000,000 members with Google
// Benchmark.  The tables come from gen_tables, in the folder named by
// KORVELIN_BENCH_DATA (table-N.txt and newer-N.txt); console output goes to
// /dev/null, as in a session whose screen is not watched.
//
// From 10,000 members on, every run starts with cold processor caches (a
// buffer twice the size of the largest cache is written first, outside the
// timing).  Otherwise a roster of 100,000 members, which just fits the
// cache, would be timed from the cache and one of a million from memory,
// and the ratio of the two would measure the cache, not how the work grows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "console/console.h"
#include "files/files.h"
#include "list/list.h"
#include "maintenance/maintenance.h"
#include "roster/derived.h"
#include "roster/masks.h"
#include "roster/options.h"
#include "shell/shell.h"

namespace {

std::string Data(const char* kind, int n) {
  const char* folder = std::getenv("KORVELIN_BENCH_DATA");
  return std::string(folder != nullptr ? folder : "bench-data") + "/" + kind + "-" +
         std::to_string(n) + ".txt";
}

// A console that reads `typed` and prints nowhere.
class Console {
 public:
  explicit Console(const std::string& typed = "") {
    std::fwrite(typed.data(), 1, typed.size(), in_);
    std::rewind(in_);
    static char buffer[1 << 16];
    std::setvbuf(out_, buffer, _IOFBF, sizeof buffer);
    AttachConsole(in_, out_);
  }
  ~Console() {
    AttachConsole(stdin, stdout);
    std::fclose(in_);
    std::fclose(out_);
  }

 private:
  std::FILE* in_ = std::tmpfile();
  std::FILE* out_ = std::fopen("/dev/null", "w");
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

void Fresh() {
  CreateStart();
  displayoptions = MakeRecord();
  MainDisplay();
  TempReset();
}

// The roster of table-N, as LOAD builds it, with its derived stats.
void Roster(int n) {
  Console console;
  Fresh();
  TextStream in = TextStream::File(OpenForReading(Data("table", n)));
  Initialise(in);
  ListCalc(Start->next);
}

void LoadTable(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Console console;
  Fresh();
  for (auto _ : state) {
    Cold(state);
    TextStream in = TextStream::File(OpenForReading(Data("table", n)));
    Initialise(in);
  }
  ReleaseAll();
}

void ListToFile(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Roster(n);
  Console console;
  SlinkList custom = SortMain(ListSortOption(), nullptr, ListSortDirection());
  for (auto _ : state) {
    Cold(state);
    std::FILE* file = std::fopen("bench-list.txt", "w");
    ListShow(EntryCount(), custom.get(), file, *displayoptions);
    std::fclose(file);
  }
  custom.reset();
  std::remove("bench-list.txt");
  ReleaseAll();
}

// The presets as LIST runs them: columns, sort option, direction, rows.
struct Preset {
  const char* name;
  void (*mask)();
  int option, direction, rows;  // rows 0: every member
};
const Preset kPresets[] = {
    {"default", nullptr, 17, 1, 0},  {"percent", PercentOptions, 35, 0, 0},
    {"wc", WCOptions, 12, 0, 10},    {"speed", WCOptions, 29, 0, 15},
    {"power", WCOptions, 28, 0, 15}, {"strength", WCOptions, 30, 0, 15},
};

void PresetCommand(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Preset& preset = kPresets[state.range(1)];
  state.SetLabel(preset.name);
  Roster(n);
  Console console;
  for (auto _ : state) {
    Cold(state);
    if (preset.mask != nullptr) preset.mask();
    const PlayerRecord& mask = preset.mask != nullptr ? *tempoptions : *main_d_options;
    SlinkList list = SortMain(preset.option, nullptr, preset.direction);
    ListShow(preset.rows == 0 ? EntryCount() : preset.rows, list.get(), ConsoleOut(), mask);
  }
  ReleaseAll();
}

void Sort(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int option = static_cast<int>(state.range(1));
  const int direction = static_cast<int>(state.range(2));
  state.SetLabel(std::string(OptionByNumber(option).keyword) +
                 (direction == 0 ? " decending" : " accending"));
  Roster(n);
  Console console;
  for (auto _ : state) {
    Cold(state);
    SlinkList list = SortMain(option, nullptr, direction);
    benchmark::DoNotOptimize(list.get());
  }
  ReleaseAll();
}

void Save(benchmark::State& state) {
  Roster(static_cast<int>(state.range(0)));
  Console console;
  for (auto _ : state) {
    Cold(state);
    WriteSaveFile("bench.sav");
  }
  ReleaseAll();
}

void LoadSave(benchmark::State& state) {
  Roster(static_cast<int>(state.range(0)));
  {
    Console console;
    WriteSaveFile("bench.sav");
  }
  for (auto _ : state) {
    Cold(state);
    Console console("bench.sav\n");
    Load();
  }
  std::remove("bench.sav");
  ReleaseAll();
}

void Update(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    Roster(n);
    Console console;
    TextStream in = TextStream::File(OpenForReading(Data("newer", n)));
    if (n >= kColdFrom) Evict();
    state.ResumeTiming();
    Updater(in);
    state.PauseTiming();
    ReleaseAll();
    state.ResumeTiming();
  }
}

void SnapCommand(benchmark::State& state) {
  Roster(static_cast<int>(state.range(0)));
  Console console;
  for (auto _ : state) {
    Cold(state);
    Snap();
  }
  ReleaseAll();
}

void Derive(benchmark::State& state) {
  Roster(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Cold(state);
    ListCalc(Start->next);
  }
  ReleaseAll();
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
BENCHMARK(Derive)->Apply(Sizes);

BENCHMARK_MAIN();
