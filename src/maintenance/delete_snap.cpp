// DELETE removes one member after confirmation; SNAP makes every member's new
// stats the baseline that gains are measured from.
#include "console/console.h"
#include "maintenance/maintenance.h"
#include "text/format.h"

void Delete() {
  for (;;) {
    PrintLine("   [ENTER ID NUMBER.  '0' TO CANCEL]");
    int id = 0;
    if (!Getint(id) || id == 0) return;
    PlayerRecord* member = Search(id);
    if (member == nullptr) {
      // No line end: the ID prompt follows on the same line.
      Print("   [ERROR, ID NOT FOUND]");
      continue;
    }
    static const Format kConfirm(
        "ENTRY: %-29.29s\n   [CONFIRM DELETE?(Y/N)]\n   [KORVELIN-DELETE-CONFIRM]\n >>> ");
    Print(kConfirm({member->name}));
    bool yes = false;
    if (!ReadYes(yes)) return;
    if (yes) {
      Unlink(member);
    } else {
      PrintLine("   [DELETE ABORTED!]");
    }
    return;
  }
}

namespace {

using R = PlayerRecord;

// The integer stats copied after the begging skill, in this order.
constexpr struct {
  int R::*old_field;
  int R::*new_field;
} kSnapStats[] = {
    {&R::oldhealth, &R::newhealth}, {&R::oldintel, &R::newintel}, {&R::oldpower, &R::newpower},
    {&R::oldspeed, &R::newspeed},   {&R::oldstren, &R::newstren},
};

}  // namespace

void Snap() {
  for (PlayerRecord* m = Start->next; m != nullptr; m = m->next) {
    m->oldbeg = m->newbeg;
    for (const auto& stat : kSnapStats) m->*stat.old_field = m->*stat.new_field;
    // The name, then a dot for each of the six values copied.
    static const Format kEcho("UPDATING %29.29s : . . . . . .\n");
    Print(kEcho({m->name}));
  }
  PrintLine("   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]\n");
}
