// Start-up and the main protocol.
#include "shell/shell.h"

#include "console/protocol.h"
#include "files/files.h"
#include "list/list.h"
#include "maintenance/maintenance.h"
#include "roster/masks.h"
#include "roster/options.h"

namespace {

// The list settings of a new session: healthp, ascending.
constexpr int kStartUpSortOption = OptionNumber("healthp");
constexpr int kStartUpSortDirection = 3;
static_assert(kStartUpSortOption != 0, "a start-up sort option by a keyword of the table");

// Runs a command that leaves the main prompt where it is.
template <void (*Run)()>
Next Stay(Stateless&) {
  Run();
  return Next::kStay;
}

void AddById() { Add(0); }

void AboutThenBanner() {
  About();
  if (!InputEnded()) Welcome();
}

// The main protocol's commands, in the order they are compared.
const Command<Handler<Stateless>> kMainCommands[] = {
    {"help", Stay<Help_Main>},
    {"list", Stay<List>},
    {"about", Stay<AboutThenBanner>},
    {"edit", Stay<Edit>},
    {"delete", Stay<Delete>},
    {"add", Stay<AddById>},
    {"load", Stay<Load>},
    {"save", Stay<Save>},
    {"snap", Stay<Snap>},
    {"update", Stay<Updatemain>},
    {"quit", [](Stateless&) { return Quit() == 0 ? Next::kLeave : Next::kStay; }},
    {"find", Stay<Find>},
};

// The sentinel, the banner, the masks and the start-up list settings, in
// that order.
void StartUp() {
  CreateStart();
  Welcome();
  displayoptions = MakeRecord();
  MainDisplay();
  TempReset();
  ListSortDirection() = kStartUpSortDirection;
  ListSortOption() = kStartUpSortOption;
}

}  // namespace

int RunProgram(const std::optional<std::string>& file) {
  StartUp();
  if (file) LoadFile(*file);
  MainProtocol();
  Farewell();
  std::fflush(ConsoleOut());
  ReleaseAll();
  return 0;
}

void MainProtocol() {
  Stateless state;
  RunProtocol(
      state, [](Stateless&) { Print("\n   [KORVELIN-MAIN]\n >>> "); }, kMainCommands,
      WordRule{kCommandLength, true});
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
