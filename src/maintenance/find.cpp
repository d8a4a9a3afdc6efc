// FIND: the members whose name contains a typed part, so that a member can be
// reached by name as well as by ID.
#include <string>

#include "maintenance/maintenance.h"
#include "text/ascii.h"
#include "text/format.h"

namespace korvelin {

void Find(Console& console, const Roster& roster) {
  console.Print("\n   [NAME OR PART OF A NAME? '\\' TO CANCEL]\n   [KORVELIN-FIND]\n >>> ");
  std::string part;
  if (!console.ReadName(part) || part[0] == '\\') return;
  static const Format kRow("| %-29.29s : %6d :  %3d  :|\n");
  std::string row;
  int found = 0;
  for (const Member& m : roster) {
    // A-Z and a-z alike, every other byte as it is.
    const std::string_view name = roster.NameOf(m);
    if (FindFolded(name, part) == std::string_view::npos) continue;
    if (found++ == 0) console.Print("| Name                          : ID_NUM : Level :|\n");
    row.clear();
    kRow.AppendTo(row, {name, m.id, m.level});
    console.Print(row);
    // Ctrl-C stops a long list after the row printed.
    if (console.ReportInterrupt()) return;
  }
  if (found == 0) {
    console.PrintLine("   [NO MEMBER FOUND]");
    return;
  }
  static const Format kFound("   [%d FOUND]\n");
  console.Print(kFound({found}));
}

}  // namespace korvelin
