// Settings reached through SET in the List protocol: the custom list's
// columns (OPTIONS) and the four weights (WEIGHTS).
#include <string>

#include "console/protocol.h"
#include "list/list.h"
#include "roster/masks.h"
#include "roster/options.h"
#include "text/format.h"

// ---------------------------------------------------------------------------
// Columns of the custom list
// ---------------------------------------------------------------------------

void Help_Optionlist() {
  Printf(
      "[Player Variables:]\n: ID : LEVEL :\n[Old Stats:]\n: OLDSPEED  : OLDPOWER  : OLDSTREN  : "
      "OLDHEALTH  : OLDINTEL  : OLDBEG  : OLDTOTAL  :\n[New Stats:]\n: NEWSPEED  : NEWPOWER  : "
      "NEWSTREN  : NEWHEALTH  : NEWINTEL  : NEWBEG  : NEWTOTAL  :\n[Stat Gains:]\n: SPEEDGAIN : "
      "POWERGAIN : STRENGAIN : HEALTHGAIN : INTELGAIN : BEGGAIN : TOTALGAIN :\n[%% Gains:]\n: "
      "SPEEDP    : POWERP    : STRENP    : HEALTHP    : INTELP    : BEGP    : TOTALP    "
      ":\n[Weighted Stats:]\n: WSPEED    : WPOWER    : WSTREN    : WHEALTH    : WINTEL    : WBEG   "
      " : WTOTAL    :\n\n");
}

void Help_OptionSet() {
  PrintLine(
      "\n   KORVELIN HELP\n   The Option-Set Protocol\n   The Option-Set Protocol allows you to "
      "choose which options are displayed when using a custom list output.  The following commands "
      "are available:\nHELP    : Shows this Help.\nDISPLAY : Shows how the current output will "
      "appear.\nDEFAULT : Resets the display to the default output options.\nDONE    : Return to "
      "the list protocol.\nBACK    : Return to the list protocol.\n   The following options are "
      "available to be toggled:");
  Help_Optionlist();
}

namespace {

Next Leave(Stateless&) { return Next::kLeave; }

// The option-set words other than the 35 column keywords.
const Command<Handler<Stateless>> kOptionWords[] = {
    {"help",
     [](Stateless&) {
       Help_OptionSet();
       return Next::kStay;
     }},
    {"display",
     [](Stateless&) {
       ListShow(0, nullptr, ConsoleOut(), *displayoptions);
       return Next::kStay;
     }},
    {"default",
     [](Stateless&) {
       DefaultDisplay();
       return Next::kStay;
     }},
    {"done", Leave},
    {"back", Leave},
};

// A column keyword toggles its column.
bool ToggleColumn(Stateless&, const std::string& word, Next& next) {
  const OptionInfo* option = OptionByKeyword(word);
  if (option == nullptr) return false;
  OptionSelect(*displayoptions, *option, !OptionSelected(*displayoptions, *option));
  next = Next::kStay;
  return true;
}

}  // namespace

void OptionSet() {
  Stateless state;
  RunProtocol(state,
              [](Stateless&) {
                Print("\n   [TOGGLE WHICH OPTION?]\n   [KORVELIN-LIST-SET-OPTION]\n >>> ");
              },
              kOptionWords, WordRule{}, {ToggleColumn, OptionKeywords});
}

// ---------------------------------------------------------------------------
// Weights
// ---------------------------------------------------------------------------

void Help_Weights() {
  PrintLine(
      "\n   KORVELIN HELP\n   The Weight Set Protocol\n   This short protocol allows you to set "
      "the weightings on stats for War Chamber calculations.  Each new fighting stat (including "
      "health) is multiplied by a factor to get the weighted stat.  The weighted total is the sum "
      "of these weighted stats.  To set a weight choose a stat then when prompted enter the "
      "weighting to use.  Available stats for weighting:\nSPEED    : Allowed range = 0-15 (default "
      "= 2.12)\nPOWER    : Allowed range = 0-15 (default = 1.24)\nSTRENGTH : Allowed range = 0-15 "
      "(default = 1.434)\nHEALTH   : Allowed range = 0-10 (default = 0.667)\n");
}

namespace {

// Asks for a new weight and keeps it when it lies in 0 to `most`.
Next SetWeight(double& weight, double most, const char* refusal) {
  double value = 0.0;
  if (!Getdouble(value)) return Next::kLeave;
  if (value < 0.0 || value > most) {
    PrintLine(refusal);
    return Next::kStay;
  }
  weight = value + 0.0;  // a typed "-0" is kept as 0, never shown as -0
  return Next::kStay;
}

// The limits of the weights, each beside the message that refuses a value
// beyond it.
const char kFightingStatRange[] = "   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-15 )]";
static_assert(kMostFightingWeight == 15.0, "the message names the limit");
const char kHealthRange[] = "   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-10 )]";
static_assert(kMostHealthWeight == 10.0, "the message names the limit");

template <double& (*Weight)()>
Next SetFightingWeight(Stateless&) {
  return SetWeight(Weight(), kMostFightingWeight, kFightingStatRange);
}

// The weight words, compared as typed (no lower-casing).
const Command<Handler<Stateless>> kWeightWords[] = {
    {"help",
     [](Stateless&) {
       Help_Weights();
       return Next::kStay;
     }},
    {"speed", SetFightingWeight<SpeedWeight>},
    {"strength", SetFightingWeight<StrengthWeight>},
    {"stren", SetFightingWeight<StrengthWeight>},
    {"power", SetFightingWeight<PowerWeight>},
    {"health",
     [](Stateless&) { return SetWeight(HealthWeight(), kMostHealthWeight, kHealthRange); }},
    {"done", Leave},
    {"back", Leave},
};

}  // namespace

void WeightSet() {
  Stateless state;
  RunProtocol(
      state,
      [](Stateless&) {
        static const Format kPrompt(
            "\n   [CURRENT WEIGHTS:]\n   SPEED: %lf\n   POWER: %lf\n   STRENGTH: %lf\n   HEALTH: "
            "%lf\n   [CHANGE WHICH WEIGHT?]\n   [KORVELIN-LIST-SET-WEIGHTS]\n >>> ");
        Print(kPrompt({SpeedWeight(), PowerWeight(), StrengthWeight(), HealthWeight()}));
      },
      kWeightWords, WordRule{kWordLength, false});
}
