// The column sets of the custom list, the DEFAULT preset and the other
// presets.
#include <initializer_list>

#include "list/list.h"

namespace {

// A fresh mask selecting the columns of the given keywords.
std::unique_ptr<PlayerRecord> Mask(std::initializer_list<const char*> keywords) {
  std::unique_ptr<PlayerRecord> mask = MakeRecord();
  for (const char* keyword : keywords) OptionSelect(*mask, *OptionByKeyword(keyword), true);
  return mask;
}

std::unique_ptr<PlayerRecord> DefaultMask() {
  return Mask({"id", "level", "oldspeed", "oldpower", "oldstren", "oldhealth", "oldintel",
               "oldbeg"});
}

}  // namespace

void TempReset() { tempoptions = MakeRecord(); }

void DefaultDisplay() { displayoptions = DefaultMask(); }

void MainDisplay() { main_d_options = DefaultMask(); }

void WCOptions() {
  tempoptions = Mask({"id", "level", "newspeed", "newpower", "newstren", "newhealth", "wtotal"});
}

void PercentOptions() {
  tempoptions = Mask({"id", "totalgain", "speedgain", "powergain", "strengain", "intelgain",
                      "beggain", "totalp", "speedp", "powerp", "strenp", "intelp", "begp"});
}
