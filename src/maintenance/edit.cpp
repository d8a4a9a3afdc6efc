// EDIT: one member chosen by ID, its stored fields changed one keyword at a
// time.  It is the only way to record intelligence and begging skill, which
// game stat tables do not carry.
#include <string>

#include "console/console.h"
#include "console/protocol.h"
#include "maintenance/maintenance.h"
#include "text/format.h"

namespace {

using R = PlayerRecord;

// The widths of DISPLAY's two rules: a bar row of blanks broken by ":   :",
// and an underscore row.
constexpr std::size_t kRuleBlanksBefore = 25;
constexpr std::size_t kRuleBlanksAfter = 199;
constexpr std::size_t kRuleUnderscores = 171;

// DISPLAY: the member's stored fields.
Next ShowFields(PlayerRecord& m) {
  PrintLine(("|" + std::string(kRuleBlanksBefore, ' ') +
             ":   :" + std::string(kRuleBlanksAfter, ' ') + "|\n|" +
             std::string(kRuleUnderscores, '_') + "|\n")
                .c_str());
  // A precision of 0 prints a zero stat as a blank cell.
  static const Format kBlock(
      "NAME: %-29.29s\nID_NUM : %6.0d     Level: %3.0d\n: Init_Speed  : Init_Power : Init_Stren :\n"
      ":   %6.0d    :   %6.0d   :   %6.0d   :\n: Init_Health : Init_Intel :  Init_Beg  :\n"
      ":   %7.0d   :    %4.0d    :   %6.2f   :\n:  New_Speed  :  New_Power :  New_Stren :\n"
      ":    %6.0d   :   %6.0d   :   %6.0d   :\n:  New_Health :  New_Intel :  New_Beg   :\n"
      ":   %7.0d   :    %4.0d    :   %6.2f   :\n\n\n");
  Print(kBlock({m.name, m.id, m.level, m.oldspeed, m.oldpower, m.oldstren, m.oldhealth, m.oldintel,
                m.oldbeg, m.newspeed, m.newpower, m.newstren, m.newhealth, m.newintel, m.newbeg}));
  return Next::kStay;
}

Next ShowHelp(PlayerRecord&) {
  Help_Edit();
  return Next::kStay;
}

// The new name shows in the next EDITING prompt.
Next Rename(PlayerRecord& member) {
  Getname(member.name);
  return Next::kStay;
}

Next Leave(PlayerRecord&) { return Next::kLeave; }

// A keyword that stores a typed integer in one field.  A word that is not a
// number is refused by Getint, so the field only ever receives a number.
template <int R::*Field>
Next EditInt(PlayerRecord& member) {
  int value = 0;
  if (Getint(value)) member.*Field = value;
  return Next::kStay;
}

template <double R::*Field>
Next EditReal(PlayerRecord& member) {
  double value = 0.0;
  if (Getdouble(value)) member.*Field = value;
  return Next::kStay;
}

// The keywords in the order they are compared.
const Command<Handler<PlayerRecord>> kEditCommands[] = {
    {"help", ShowHelp},
    {"display", ShowFields},
    {"name", Rename},
    {"id", EditInt<&R::id>},
    {"oldintel", EditInt<&R::oldintel>},
    {"oldpower", EditInt<&R::oldpower>},
    {"oldstren", EditInt<&R::oldstren>},
    {"oldspeed", EditInt<&R::oldspeed>},
    {"newintel", EditInt<&R::newintel>},
    {"oldhealth", EditInt<&R::oldhealth>},
    {"newhealth", EditInt<&R::newhealth>},
    {"newpower", EditInt<&R::newpower>},
    {"newstren", EditInt<&R::newstren>},
    {"newspeed", EditInt<&R::newspeed>},
    {"level", EditInt<&R::level>},
    {"oldbeg", EditReal<&R::oldbeg>},
    {"newbeg", EditReal<&R::newbeg>},
    {"done", Leave},
    {"back", Leave},
};

// Asks for IDs until one belongs to a member.  Null when the user gave 0 or
// the input ended.
PlayerRecord* ChooseMember() {
  for (;;) {
    int id = 0;
    if (!PromptInt("\n   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]\n   [KORVELIN-EDIT]\n >>> ", id) ||
        id == 0) {
      return nullptr;
    }
    if (PlayerRecord* member = Search(id)) return member;
    PrintLine("\n   [ERROR! NAME NOT FOUND!]");
  }
}

}  // namespace

void Edit() {
  PlayerRecord* member = ChooseMember();
  if (member == nullptr) return;
  RunProtocol(
      *member,
      [](PlayerRecord& m) {
        static const Format kPrompt("\n    EDITING >> %-30.30s\n   [KORVELIN-EDIT]\n >>> ");
        Print(kPrompt({m.name}));
      },
      kEditCommands);
}

void Help_Edit() {
  PrintLine(
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
      "characters.  LONGER NAMES COULD CAUSE SERIOUS ERRORS!\n");
}
