// Start-up and the main protocol.
#include "shell/shell.h"

#include "files/files.h"
#include "list/list.h"
#include "maintenance/maintenance.h"

namespace {

using MainHandler = Next (*)();

// The main protocol's commands, in the order they are compared.
const Command<MainHandler> kMainCommands[] = {
    {"help", [] { Help_Main(); return Next::kStay; }},
    {"list", [] { List(); return Next::kStay; }},
    {"about", [] {
       About();
       if (!InputEnded()) Welcome();
       return Next::kStay;
     }},
    {"edit", [] { Edit(); return Next::kStay; }},
    {"delete", [] { Delete(); return Next::kStay; }},
    {"add", [] { Add(0); return Next::kStay; }},
    {"load", [] { Load(); return Next::kStay; }},
    {"save", [] { Save(); return Next::kStay; }},
    {"snap", [] { Snap(); return Next::kStay; }},
    {"update", [] { Updatemain(); return Next::kStay; }},
    {"quit", [] { return Quit() == 0 ? Next::kLeave : Next::kStay; }},
};

// The sentinel, the banner, the masks and the start-up list settings, in
// that order.
void StartUp() {
  CreateStart();
  Welcome();
  displayoptions = MakeRecord();
  MainDisplay();
  TempReset();
  ListSortDirection() = 3;
  ListSortOption() = 3;
}

}  // namespace

int RunProgram() {
  StartUp();
  MainProtocol();
  Farewell();
  std::fflush(ConsoleOut());
  ReleaseAll();
  return 0;
}

void MainProtocol() {
  std::string word;
  for (;;) {
    Print("\n   [KORVELIN-MAIN]\n >>> ");
    if (!ReadCommand(word, kCommandLength)) return;
    const MainHandler* run = FindCommand(kMainCommands, word);
    if (run == nullptr) {
      Error();
      continue;
    }
    if ((*run)() == Next::kLeave || InputEnded()) return;
  }
}

void Welcome() {
  PrintLine("\n\n\n\n                       ****************************************");
  PrintLine("                       =/\\=***The Scrapton Rankulatorium***=/\\=");
  PrintLine("                       ****************************************");
  PrintLine("                       V6.14                       RELEASE V1.2");
  PrintLine("By Threllingworth");
  PrintLine("-Brackenhollowindustrie");
  PrintLine("Type 'help' at any time for a list of available commands");
}
