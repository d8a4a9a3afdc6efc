// DELETE removes one member, or every member who has left the gang, after
// confirmation; SNAP makes every member's new stats the baseline that gains
// are measured from.
#include <string>

#include "maintenance/maintenance.h"
#include "roster/season_members.h"
#include "text/format.h"

namespace korvelin {

namespace {

// The word of DELETE's ID prompt that asks for the members who have left.
const char kLeftWord[] = "left";

// Lists the members who have left and removes them all once confirmed.
void DeleteLeft(Console& console, Roster& roster, const Season& season) {
  const LargeVector<std::uint8_t> left = LeftFlags(roster, season);
  long long count = 0;
  for (std::size_t i = 0; i < roster.size(); ++i) {
    if (!left[i]) continue;
    ++count;
    console.PrintMember(roster.NameOf(roster[i]), roster[i].id);
  }
  if (count == 0) {
    console.PrintLine("   [NO MEMBER HAS LEFT THE GANG]");
    return;
  }
  static const Format kConfirm("   [DELETE THESE %d MEMBERS? 'Y' TO CONFIRM]\n >>> ");
  console.Print(kConfirm({count}));
  bool yes = false;
  if (!console.ReadYes(yes)) return;
  if (!yes) {
    console.PrintLine("   [DELETE ABORTED!]");
    return;
  }
  roster.EraseFlagged(left);
}

}  // namespace

const Completion& DeleteWords() {
  static const Completion offered{Completion::Kind::kWords, {kLeftWord}, nullptr};
  return offered;
}

void Delete(Console& console, Session& session) {
  Roster& roster = session.roster;
  for (;;) {
    console.PrintLine("   [ENTER ID NUMBER.  '0' TO CANCEL]");
    int id = 0;
    bool left = false;
    if (!console.AskIntOrWord(kValuePrompt, kLeftWord, id, left, DeleteWords())) return;
    if (left) {
      DeleteLeft(console, roster, session.season);
      return;
    }
    if (id == 0) return;
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
