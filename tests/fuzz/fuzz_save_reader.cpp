// Fuzzes the save-file reader through LOAD: any bytes behind the header.
// The history read is in order, one point per member and date, and each of
// its points is written as a line that reads back as the same line.
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
  std::string line, again, name;
  HistoryPoint point;
  for (std::size_t i = 0; i < history.size(); ++i) {
    if (i > 0 && !PointBefore(history[i - 1], history[i])) std::abort();
    line.clear();
    AppendHistoryLine(line, history[i], history.NameOf(history[i]));
    line.pop_back();  // the line end
    if (!ReadHistoryLine(line, point, name) || name != history.NameOf(history[i])) std::abort();
    again.clear();
    AppendHistoryLine(again, point, name);
    again.pop_back();
    if (again != line) std::abort();
  }
  return 0;
}
