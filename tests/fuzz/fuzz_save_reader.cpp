// Fuzzes the save-file reader through LOAD: any bytes behind the header.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterPrivateFolder();
  fuzz::WriteFile("s", std::string(kSaveHeader) + fuzz::Bytes(data, size));
  fuzz::QuietConsole console("s\n");
  Session session;
  Load(console, session);
  fuzz::CheckRoster(session.roster);
  return 0;
}
