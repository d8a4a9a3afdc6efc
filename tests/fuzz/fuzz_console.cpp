// Fuzzes the whole program: any bytes typed at the console, through the main
// protocol and every protocol under it.  A "/" typed is read as "_", so every
// file a command names stays inside the private folder.
#include <algorithm>
#include <cstdlib>

#include "fuzz_support.h"

namespace korvelin {
namespace {

const char kTable[] =
    "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\nCid (3) 30 0 220 320 420\n"
    "Dee (4) 5\n";

// Files left by earlier inputs are removed, except the two that inputs load.
void Tidy() {
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    const std::string name = entry.path().filename().string();
    if (name != "t" && name != "s") std::filesystem::remove_all(entry.path());
  }
}

}  // namespace
}  // namespace korvelin

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvelin;  // NOLINT: the entry point libFuzzer calls stands outside it
  fuzz::EnterPrivateFolder();
  static bool prepared = false;
  if (!prepared) {
    prepared = true;
    // `clipboard` and COPY find no clipboard program: a run never reaches
    // the clipboard of the machine it runs on.
    setenv("PATH", "/nonexistent", 1);
    fuzz::WriteFile("t", kTable);
    fuzz::QuietConsole console("load t save s quit y \\\n");
    Session session;
    RunProgram(console, session);
  }
  std::string typed = fuzz::Bytes(data, size);
  std::replace(typed.begin(), typed.end(), '/', '_');
  {
    fuzz::QuietConsole console(typed);
    Session session;
    RunProgram(console, session);
    fuzz::CheckRoster(session.roster);
  }
  Tidy();
  return 0;
}
