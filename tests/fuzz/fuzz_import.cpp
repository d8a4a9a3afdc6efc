// Fuzzes the stat-table import: any bytes as a table.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterPrivateFolder();
  fuzz::WriteFile("table", fuzz::Bytes(data, size));
  fuzz::QuietConsole console("");
  fuzz::FreshRoster();
  {
    TextStream in = TextStream::File(OpenForReading("table"));
    Initialise(in);
  }
  // Every member read must be reachable and counted.
  int count = 0;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) ++count;
  if (count != EntryCount()) std::abort();
  ReleaseAll();
  return 0;
}
