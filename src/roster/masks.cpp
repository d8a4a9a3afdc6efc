// The column sets of the custom list, the DEFAULT preset and the other
// presets.
#include "roster/masks.h"

#include <initializer_list>

#include "roster/options.h"

namespace {

// A mask selecting the columns of the given keywords.
PlayerRecord MaskOf(std::initializer_list<const char*> keywords) {
  PlayerRecord mask{};
  for (const char* keyword : keywords) OptionSelect(mask, *OptionByKeyword(keyword), true);
  return mask;
}

// Each set is worked out once: a stat-table import puts the default columns
// back after every row it reads.
const PlayerRecord& DefaultColumns() {
  static const PlayerRecord mask = MaskOf(
      {"id", "level", "oldspeed", "oldpower", "oldstren", "oldhealth", "oldintel", "oldbeg"});
  return mask;
}

const PlayerRecord& WCColumns() {
  static const PlayerRecord mask =
      MaskOf({"id", "level", "newspeed", "newpower", "newstren", "newhealth", "wtotal"});
  return mask;
}

const PlayerRecord& PercentColumns() {
  static const PlayerRecord mask =
      MaskOf({"id", "totalgain", "speedgain", "powergain", "strengain", "intelgain", "beggain",
              "totalp", "speedp", "powerp", "strenp", "intelp", "begp"});
  return mask;
}

std::unique_ptr<PlayerRecord> Fresh(const PlayerRecord& columns) {
  return std::make_unique<PlayerRecord>(columns);
}

}  // namespace

void TempReset() { tempoptions = MakeRecord(); }

void DefaultDisplay() { displayoptions = Fresh(DefaultColumns()); }

void MainDisplay() { main_d_options = Fresh(DefaultColumns()); }

void WCOptions() { tempoptions = Fresh(WCColumns()); }

void PercentOptions() { tempoptions = Fresh(PercentColumns()); }
