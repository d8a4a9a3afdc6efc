// ADD: a member entered by hand, shown back and confirmed before it joins the
// roster.
#include <string>

#include "maintenance/maintenance.h"
#include "text/format.h"

namespace korvelin {

namespace {

using M = Member;

// The integer stats in the order they are asked; each answer is the member's
// old and new value alike.
struct StatPrompt {
  const char* prompt;
  int M::*old_field;
  int M::*new_field;
};

constexpr StatPrompt kStatPrompts[] = {
    {"\n\n   [ENTER SPEED]", &M::oldspeed, &M::newspeed},
    {"\n\n   [ENTER POWER]", &M::oldpower, &M::newpower},
    {"\n\n   [ENTER STRENGTH]", &M::oldstren, &M::newstren},
    {"\n\n   [ENTER HEALTH]", &M::oldhealth, &M::newhealth},
    {"\n\n   [ENTER INTEL]", &M::oldintel, &M::newintel},
};

// Asks the name, level and stats.  False when the input ended.
bool AskValues(Console& console, Member& member, std::string& name) {
  console.Print("\n\n   [ENTER NAME]");
  if (!console.AskName(name)) return false;
  console.Print("\n\n   [ENTER LEVEL]");
  if (!console.AskValue(member.level)) return false;
  for (const StatPrompt& stat : kStatPrompts) {
    console.Print(stat.prompt);
    int value = 0;
    if (!console.AskValue(value)) return false;
    member.*stat.old_field = value;
    member.*stat.new_field = value;
  }
  console.Print(" \n\n  [ENTER BEG]");
  double beg = 0.0;
  if (!console.AskValue(beg)) return false;
  member.oldbeg = beg;
  member.newbeg = beg;
  return true;
}

// The entry as typed, under a heading, and the confirmation prompt.
void ShowForConfirmation(Console& console, const Member& m, const std::string& name) {
  static const Format kConfirm(
      "   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]\n| Name                          : ID_NUM : Level : "
      "Speed : Power : Stren : Health : Intel :   Beg  :|\n| %-29.29s : %6d :  %3d  : %5d : %5d : "
      "%5d : %6d :  %4d : %6.2f :|\n   [KORVELIN-ADD-CONFIRM]\n >>> ");
  console.Print(kConfirm({name, m.id, m.level, m.newspeed, m.newpower, m.newstren, m.newhealth,
                          m.newintel, m.newbeg}));
}

}  // namespace

void Add(Console& console, Roster& roster) {
  console.PrintLine("   [ENTER ID NUMBER.  '0' TO CANCEL]");
  int id = 0;
  if (!console.AskValue(id) || id == 0) return;
  if (roster.Find(id) != Roster::kNotFound) {
    console.PrintLine("   [ERROR! ID ALREADY EXISTS!]");
    return;
  }
  // Each round starts afresh, so only the values confirmed last are kept.
  for (;;) {
    Member member;
    member.id = id;
    std::string name;
    if (!AskValues(console, member, name)) return;
    ShowForConfirmation(console, member, name);
    std::string answer;
    if (!console.ReadCommand(answer)) return;
    if (answer[0] == 'c') return;
    if (answer[0] == 'y') {
      roster.InsertFront(member, name);
      console.PrintLine("   [DONE!]");
      return;
    }
  }
}

}  // namespace korvelin
