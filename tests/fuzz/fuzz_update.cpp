// Fuzzes UPDATE over a loaded roster: any bytes as the newer table.
#include <utility>
#include <vector>

#include "fuzz_support.h"

namespace korvelin {
namespace {

const char kGang[] =
    "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\nCid (3) 30 120 220 320 420\n";

using Model = std::vector<std::pair<Member, std::string>>;

// The update as a walk from the front would make it: the first member with
// a row's ID takes its name and what the row carries of the level and the
// new stats; an unknown ID goes in front.
void Apply(Model& model, const TableRow& row) {
  for (auto& [member, name] : model) {
    if (member.id != row.member.id) continue;
    name = fuzz::Kept(row.name);
    if (row.Carries(TableValue::kLevel)) member.level = row.member.level;
    if (row.Carries(TableValue::kSpeed)) member.newspeed = row.member.newspeed;
    if (row.Carries(TableValue::kPower)) member.newpower = row.member.newpower;
    if (row.Carries(TableValue::kStrength)) member.newstren = row.member.newstren;
    if (row.Carries(TableValue::kHealth)) member.newhealth = row.member.newhealth;
    if (row.Carries(TableValue::kIntel)) member.newintel = row.member.newintel;
    if (row.Carries(TableValue::kBeg)) member.newbeg = row.member.newbeg;
    return;
  }
  model.insert(model.begin(), {row.member, std::string(fuzz::Kept(row.name))});
}

}  // namespace
}  // namespace korvelin

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvelin;  // NOLINT: the entry point libFuzzer calls stands outside it
  fuzz::EnterPrivateFolder();
  const std::string newer = fuzz::Bytes(data, size);
  fuzz::WriteFile("gang", kGang);
  fuzz::WriteFile("newer", newer);
  fuzz::QuietConsole console("gang\nnewer\n");
  Session session;
  Load(console, session);
  // A second member of ID 2, as an older save file may hold: a row of ID 2
  // updates the first.
  Member twin = session.roster[1];
  twin.level = 21;
  session.roster.Append(twin, "Bob Twin ");
  Model model;
  for (const Member& member : session.roster) {
    model.emplace_back(member, std::string(session.roster.NameOf(member)));
  }
  Update(console, session);
  const Roster& roster = session.roster;
  fuzz::CheckRoster(roster);

  int skipped = 0, repeated = 0;
  for (const TableRow& row : fuzz::RowsOf(newer, skipped, repeated)) Apply(model, row);
  if (model.size() < 4 || roster.size() != model.size()) std::abort();
  for (std::size_t i = 0; i < model.size(); ++i) {
    if (!fuzz::SameStats(roster[i], model[i].first)) std::abort();
    if (roster.NameOf(roster[i]) != model[i].second) std::abort();
  }
  return 0;
}
