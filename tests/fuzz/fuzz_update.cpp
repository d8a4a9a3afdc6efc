// Fuzzes UPDATE over a loaded roster: any bytes as the newer table.
#include "fuzz_support.h"

namespace {
const char kGang[] =
    "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\nCid (3) 30 120 220 320 420\n"
    "Bob Twin (2) 21 111 211 311 411\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterPrivateFolder();
  fuzz::WriteFile("gang", kGang);
  fuzz::WriteFile("newer", fuzz::Bytes(data, size));
  fuzz::QuietConsole console("gang\nnewer\n");
  fuzz::FreshRoster();
  Load();
  Updatemain();
  int count = 0;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) ++count;
  if (count != EntryCount() || count < 4) std::abort();
  ReleaseAll();
  return 0;
}
