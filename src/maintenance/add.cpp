// ADD: a member entered by hand, shown back and confirmed before it joins the
// roster.
#include <memory>
#include <string>

#include "console/console.h"
#include "maintenance/maintenance.h"
#include "text/format.h"

namespace {

using R = PlayerRecord;

// The integer stats in the order they are asked; each answer is the member's
// old and new value alike.
struct StatPrompt {
  const char* prompt;
  int R::*old_field;
  int R::*new_field;
};

constexpr StatPrompt kStatPrompts[] = {
    {"\n\n   [ENTER SPEED]", &R::oldspeed, &R::newspeed},
    {"\n\n   [ENTER POWER]", &R::oldpower, &R::newpower},
    {"\n\n   [ENTER STRENGTH]", &R::oldstren, &R::newstren},
    {"\n\n   [ENTER HEALTH]", &R::oldhealth, &R::newhealth},
    {"\n\n   [ENTER INTEL]", &R::oldintel, &R::newintel},
};

// Asks the name, level and stats into `member`.  False when the input ended.
bool AskValues(PlayerRecord& member) {
  Print("\n\n   [ENTER NAME]");
  if (!Getname(member.name)) return false;
  Print("\n\n   [ENTER LEVEL]");
  if (!Getint(member.level)) return false;
  for (const StatPrompt& stat : kStatPrompts) {
    Print(stat.prompt);
    int value = 0;
    if (!Getint(value)) return false;
    member.*stat.old_field = value;
    member.*stat.new_field = value;
  }
  Print(" \n\n  [ENTER BEG]");
  double beg = 0.0;
  if (!Getdouble(beg)) return false;
  member.oldbeg = beg;
  member.newbeg = beg;
  return true;
}

// The entry as typed, under a heading, and the confirmation prompt.
void ShowForConfirmation(const PlayerRecord& m) {
  static const Format kConfirm(
      "   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]\n| Name                          : ID_NUM : Level : "
      "Speed : Power : Stren : Health : Intel :   Beg  :|\n| %-29.29s : %6d :  %3d  : %5d : %5d : "
      "%5d : %6d :  %4d : %6.2f :|\n   [KORVELIN-ADD-CONFIRM]\n >>> ");
  Print(kConfirm({m.name, m.id, m.level, m.newspeed, m.newpower, m.newstren, m.newhealth,
                  m.newintel, m.newbeg}));
}

// Enters a member with this ID, asking again until the answer to the
// confirmation starts with 'y' or 'c'.  Returns the confirmed member, not
// linked, or null on a taken ID, a cancel or the end of the input.
std::unique_ptr<PlayerRecord> EnterMember(int id) {
  if (Search(id) != nullptr) {
    PrintLine("   [ERROR! ID ALREADY EXISTS!]");
    return nullptr;
  }
  // Each round starts from a fresh record, so only the values confirmed last
  // are kept.
  for (;;) {
    std::unique_ptr<PlayerRecord> member = MakeRecord();
    member->id = id;
    if (!AskValues(*member)) return nullptr;
    ShowForConfirmation(*member);
    std::string answer;
    if (!ReadCommand(answer)) return nullptr;
    if (answer[0] == 'c') return nullptr;
    if (answer[0] == 'y') return member;
  }
}

}  // namespace

PlayerRecord* Add(int id) {
  if (id == 0) {
    PrintLine("   [ENTER ID NUMBER.  '0' TO CANCEL]");
    if (!Getint(id) || id == 0) return nullptr;
  }
  std::unique_ptr<PlayerRecord> member = EnterMember(id);
  if (!member) return nullptr;
  PlayerRecord* linked = InsertFront(std::move(member));
  PrintLine("   [DONE!]");
  return linked;
}
