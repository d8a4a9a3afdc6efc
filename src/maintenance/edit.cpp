// EDIT: one member chosen by ID, its stored fields changed one keyword at a
// time.  It is the only way to record intelligence and begging skill, which
// game stat tables do not carry.
#include <string>

#include "console/protocol.h"
#include "maintenance/maintenance.h"
#include "text/format.h"

namespace korvelin {

namespace {

using M = Member;

// What Tab offers for a value or an ID on a line typed ahead: nothing, then
// the keywords again.
constexpr Then kValue = AnyWordThen<EditKeywords>;

// The member being edited.
struct Editing {
  Console& console;
  Roster& roster;
  std::size_t index;
  Member& member() { return roster[index]; }
};

// The widths of DISPLAY's two rules: a bar row of blanks broken by ":   :",
// and an underscore row.
constexpr std::size_t kRuleBlanksBefore = 25;
constexpr std::size_t kRuleBlanksAfter = 199;
constexpr std::size_t kRuleUnderscores = 171;

// DISPLAY: the member's stored fields.
Next ShowFields(Editing& e) {
  e.console.PrintLine("|" + std::string(kRuleBlanksBefore, ' ') +
                      ":   :" + std::string(kRuleBlanksAfter, ' ') + "|\n|" +
                      std::string(kRuleUnderscores, '_') + "|\n");
  // A precision of 0 prints a zero stat as a blank cell.
  static const Format kBlock(
      "NAME: %-29.29s\nID_NUM : %6.0d     Level: %3.0d\n: Init_Speed  : Init_Power : Init_Stren :\n"
      ":   %6.0d    :   %6.0d   :   %6.0d   :\n: Init_Health : Init_Intel :  Init_Beg  :\n"
      ":   %7.0d   :    %4.0d    :   %6.2f   :\n:  New_Speed  :  New_Power :  New_Stren :\n"
      ":    %6.0d   :   %6.0d   :   %6.0d   :\n:  New_Health :  New_Intel :  New_Beg   :\n"
      ":   %7.0d   :    %4.0d    :   %6.2f   :\n\n\n");
  const Member& m = e.member();
  e.console.Print(kBlock({e.roster.NameOf(m), m.id, m.level, m.oldspeed, m.oldpower, m.oldstren,
                          m.oldhealth, m.oldintel, m.oldbeg, m.newspeed, m.newpower, m.newstren,
                          m.newhealth, m.newintel, m.newbeg}));
  return Next::kStay;
}

// The Edit protocol's help, beside its commands.
const char kEditHelp[] =
    "   KORVELIN HELP\n"
    "   Edit Protocol Help:\n"
    "   The Edit Protocol allows you to manually edit the database records for a player of "
    "given ID number.  This particularly allows you to keep track of Intelligence and of Beg "
    "stats which can't be tracked otherwise.\n"
    "   Available Commands:\n"
    "DISPLAY : Shows the current database records for the player.\n"
    "DONE   : Return to the main protocol.\n"
    "BACK   : Return to the main protocol.\n"
    "   Available variables for editing:\n"
    "[Player Variables:]\n"
    ": NAME : ID : LEVEL :\n"
    "[Old Stats:]\n"
    ": OLDSPEED : OLDPOWER : OLDSTREN : OLDHEALTH : OLDINTEL : OLDBEG :\n"
    "[New Stats:]\n"
    ": NEWSPEED : NEWPOWER : NEWSTREN : NEWHEALTH : NEWINTEL : NEWBEG :\n"
    "\n"
    "   Note that for all stats apart from beg stats only integers are read.  For beg stat "
    "decimals can be read, but only 2dp will be displayed.  The limit on name length is 29 "
    "characters.  LONGER NAMES COULD CAUSE SERIOUS ERRORS!\n";

Next ShowHelp(Editing& e) {
  e.console.PrintLine(kEditHelp);
  return Next::kStay;
}

// The new name shows in the next EDITING prompt.
Next Rename(Editing& e) {
  std::string name;
  if (e.console.AskName(name)) e.roster.Rename(e.member(), name);
  return Next::kStay;
}

Next Leave(Editing&) { return Next::kLeave; }

// A keyword that stores a typed number in one field.  A word that is not a
// number is refused by the read, so the field only ever receives a number.
template <typename Value, Value M::*Field>
Next EditField(Editing& e) {
  Value value{};
  if (e.console.AskValue(value, kValue())) e.member().*Field = value;
  return Next::kStay;
}
template <int M::*Field>
constexpr Handler<Editing> EditInt = EditField<int, Field>;

// ID 0 is refused: it cancels the ID prompts of EDIT and DELETE, so a
// member with it could never be chosen again.
Next EditId(Editing& e) {
  int id = 0;
  if (!e.console.AskValue(id, kValue())) return Next::kStay;
  if (id == 0) {
    e.console.InvalidInput();
  } else {
    e.member().id = id;
  }
  return Next::kStay;
}
template <double M::*Field>
constexpr Handler<Editing> EditReal = EditField<double, Field>;

// The keywords in the order they are compared, with what follows each on a
// line typed ahead (a name takes the rest of the line).  To add one: an
// entry of its word in lower case, its handler (EditInt or EditReal of a
// member's field, which a save then writes: the save file's rows have a
// fixed set of fields, docs/save-format.md) and what follows it, and its
// word in kEditHelp above.
const Command<Handler<Editing>> kEditCommands[] = {
    {"help", ShowHelp, EditKeywords},
    {"display", ShowFields, EditKeywords},
    {"name", Rename},
    {"id", EditId, kValue},
    {"oldintel", EditInt<&M::oldintel>, kValue},
    {"oldpower", EditInt<&M::oldpower>, kValue},
    {"oldstren", EditInt<&M::oldstren>, kValue},
    {"oldspeed", EditInt<&M::oldspeed>, kValue},
    {"newintel", EditInt<&M::newintel>, kValue},
    {"oldhealth", EditInt<&M::oldhealth>, kValue},
    {"newhealth", EditInt<&M::newhealth>, kValue},
    {"newpower", EditInt<&M::newpower>, kValue},
    {"newstren", EditInt<&M::newstren>, kValue},
    {"newspeed", EditInt<&M::newspeed>, kValue},
    {"level", EditInt<&M::level>, kValue},
    {"oldbeg", EditReal<&M::oldbeg>, kValue},
    {"newbeg", EditReal<&M::newbeg>, kValue},
    {"done", Leave},
    {"back", Leave},
};

// Asks for IDs until one belongs to a member.  kNotFound when the user gave
// 0 or the input ended.
std::size_t ChooseMember(Console& console, const Roster& roster) {
  for (;;) {
    int id = 0;
    if (!console.AskInt("\n   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]\n   [KORVELIN-EDIT]\n >>> ",
                        id, kValue()) ||
        id == 0) {
      return Roster::kNotFound;
    }
    const std::size_t found = roster.Find(id);
    if (found != Roster::kNotFound) return found;
    console.PrintLine("\n   [ERROR! NAME NOT FOUND!]");
  }
}

}  // namespace

const Completion& EditKeywords() {
  static const Completion offered = WordsOf(kEditCommands, Fallback<Editing>{});
  return offered;
}

void Edit(Console& console, Roster& roster) {
  const std::size_t found = ChooseMember(console, roster);
  if (found == Roster::kNotFound) return;
  Editing editing{console, roster, found};
  RunProtocol(
      console, editing,
      [](Editing& e) {
        static const Format kPrompt("\n    EDITING >> %-30.30s\n   [KORVELIN-EDIT]\n >>> ");
        e.console.Print(kPrompt({e.roster.NameOf(e.member())}));
      },
      kEditCommands);
}

}  // namespace korvelin
