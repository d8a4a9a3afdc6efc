// Fuzzes the save-file reader through LOAD: any bytes behind the header.
// The history read is in order, one point per member and date, and each of
// its lines reads back as the point it was written from.
#include <tuple>

#include "files/history_section.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterPrivateFolder();
  fuzz::WriteFile("s", std::string(kSaveHeader) + fuzz::Bytes(data, size));
  fuzz::QuietConsole console("s\n");
  Session session;
  Load(console, session);
  fuzz::CheckRoster(session.roster);
  const History& history = session.history;
  std::string line, name;
  HistoryPoint point;
  for (std::size_t i = 0; i < history.size(); ++i) {
    if (i > 0 && !PointBefore(history[i - 1], history[i])) std::abort();
    line.clear();
    AppendHistoryLine(line, history[i], history.NameOf(history[i]));
    line.pop_back();  // the line end
    if (!ReadHistoryLine(line, point, name) || name != history.NameOf(history[i])) std::abort();
    const auto fields = [](const HistoryPoint& p) {
      return std::tie(p.day, p.id, p.level, p.speed, p.power, p.strength, p.health, p.intel, p.beg);
    };
    if (fields(point) != fields(history[i])) std::abort();
  }
  return 0;
}
