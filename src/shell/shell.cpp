// Start-up and the main protocol.
#include "shell/shell.h"

#include "console/protocol.h"
#include "files/files.h"
#include "list/list.h"
#include "maintenance/maintenance.h"

namespace {

// What the main protocol's commands work on.
struct Main {
  Console& console;
  Session& session;
};

// Runs a command that leaves the main prompt where it is.
template <void (*Run)(Console&, Session&)>
Next Stay(Main& main) {
  Run(main.console, main.session);
  return Next::kStay;
}
template <void (*Run)(Console&, Roster&)>
Next OnRoster(Main& main) {
  Run(main.console, main.session.roster);
  return Next::kStay;
}

// The main protocol's commands, in the order they are compared.
const Command<Handler<Main>> kMainCommands[] = {
    {"help",
     [](Main& m) {
       PrintMainHelp(m.console);
       return Next::kStay;
     }},
    {"list", Stay<List>},
    {"about",
     [](Main& m) {
       ShowAbout(m.console);
       if (!m.console.Ended()) PrintBanner(m.console);
       return Next::kStay;
     }},
    {"edit", OnRoster<Edit>},
    {"delete", OnRoster<Delete>},
    {"add", OnRoster<Add>},
    {"load", Stay<Load>},
    {"save",
     [](Main& m) {
       Save(m.console, m.session);
       return Next::kStay;
     }},
    {"snap", OnRoster<Snap>},
    {"update", Stay<Update>},
    {"quit", [](Main& m) { return Quit(m.console, m.session) ? Next::kLeave : Next::kStay; }},
    {"find",
     [](Main& m) {
       Find(m.console, m.session.roster);
       return Next::kStay;
     }},
};

}  // namespace

int RunProgram(Console& console, Session& session, const std::optional<std::string>& file) {
  PrintBanner(console);
  if (file) LoadFile(console, session, *file);
  Main main{console, session};
  RunProtocol(
      console, main, [](Main& m) { m.console.Print("\n   [KORVELIN-MAIN]\n >>> "); }, kMainCommands,
      WordRule{kCommandLength, true});
  console.Farewell();
  console.Flush();
  return 0;
}

void PrintBanner(Console& console) {
  console.PrintLine("\n\n\n\n                       ****************************************");
  console.PrintLine("                       =/\\=***The Scrapton Rankulatorium***=/\\=");
  console.PrintLine("                       ****************************************");
  console.PrintLine("                       V6.14                       RELEASE V1.2");
  console.PrintLine("By Threllingworth");
  console.PrintLine("-Brackenhollowindustrie");
  console.PrintLine("Type 'help' at any time for a list of available commands");
}
