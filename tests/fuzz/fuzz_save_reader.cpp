// Fuzzes the save-file reader through LOAD: any bytes behind the header.
// The season read is in order, one point per member and date, and each of
// its points is written as a line that reads back as the same line.
#include "files/season_section.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvelin;  // NOLINT: the entry point libFuzzer calls stands outside it
  fuzz::EnterPrivateFolder();
  fuzz::WriteFile("s", std::string(kSaveHeader) + fuzz::Bytes(data, size));
  fuzz::QuietConsole console("s\n");
  Session session;
  Load(console, session);
  fuzz::CheckRoster(session.roster);
  const Season& season = session.season;
  std::string line, again, name;
  SeasonPoint point;
  for (std::size_t i = 0; i < season.size(); ++i) {
    if (i > 0 && !PointBefore(season[i - 1], season[i])) std::abort();
    line.clear();
    AppendSeasonLine(line, season[i], season.NameOf(season[i]));
    line.pop_back();  // the line end
    if (!ReadSeasonLine(line, point, name) || name != season.NameOf(season[i])) std::abort();
    again.clear();
    AppendSeasonLine(again, point, name);
    again.pop_back();
    if (again != line) std::abort();
  }
  return 0;
}
