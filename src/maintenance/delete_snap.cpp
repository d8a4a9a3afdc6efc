// DELETE removes one member after confirmation; SNAP makes every member's new
// stats the baseline that gains are measured from.
#include "maintenance/maintenance.h"
#include "text/format.h"

namespace korvelin {

void Delete(Console& console, Roster& roster) {
  for (;;) {
    console.PrintLine("   [ENTER ID NUMBER.  '0' TO CANCEL]");
    int id = 0;
    if (!console.AskValue(id) || id == 0) return;
    const std::size_t found = roster.Find(id);
    if (found == Roster::kNotFound) {
      // No line end: the ID prompt follows on the same line.
      console.Print("   [ERROR, ID NOT FOUND]");
      continue;
    }
    static const Format kConfirm(
        "ENTRY: %-29.29s\n   [CONFIRM DELETE?(Y/N)]\n   [KORVELIN-DELETE-CONFIRM]\n >>> ");
    console.Print(kConfirm({roster.NameOf(roster[found])}));
    bool yes = false;
    if (!console.ReadYes(yes)) return;
    if (yes) {
      roster.Erase(found);
    } else {
      console.PrintLine("   [DELETE ABORTED!]");
    }
    return;
  }
}

namespace {

using M = Member;

// The integer stats copied after the begging skill, in this order.
constexpr struct {
  int M::*old_field;
  int M::*new_field;
} kSnapStats[] = {
    {&M::oldhealth, &M::newhealth}, {&M::oldintel, &M::newintel}, {&M::oldpower, &M::newpower},
    {&M::oldspeed, &M::newspeed},   {&M::oldstren, &M::newstren},
};

}  // namespace

void Snap(Console& console, Roster& roster) {
  // The name, then a dot for each of the six values copied.
  static const Format kEcho("UPDATING %29.29s : . . . . . .\n");
  std::string line;
  for (Member& m : roster) {
    m.oldbeg = m.newbeg;
    for (const auto& stat : kSnapStats) m.*stat.old_field = m.*stat.new_field;
    line.clear();
    kEcho.AppendTo(line, {roster.NameOf(m)});
    console.Print(line);
  }
  console.PrintLine("   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]\n");
}

}  // namespace korvelin
