// Settings reached through SET in the List protocol: the custom list's
// columns (OPTIONS) and the four weights (WEIGHTS).
#include <string>

#include "list/list.h"
#include "shell/shell.h"

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

using OptionHandler = Next (*)();

// The option-set words other than the 35 column keywords.
const Command<OptionHandler> kOptionWords[] = {
    {"help",
     [] {
       Help_OptionSet();
       return Next::kStay;
     }},
    {"display",
     [] {
       ListShow(0, nullptr, ConsoleOut(), *displayoptions);
       return Next::kStay;
     }},
    {"default",
     [] {
       DefaultDisplay();
       return Next::kStay;
     }},
    {"done", [] { return Next::kLeave; }},
    {"back", [] { return Next::kLeave; }},
};

}  // namespace

void OptionSet() {
  std::string word;
  for (;;) {
    Print("\n   [TOGGLE WHICH OPTION?]\n   [KORVELIN-LIST-SET-OPTION]\n >>> ");
    if (!ReadCommand(word)) return;
    if (const OptionInfo* option = OptionByKeyword(word)) {
      OptionSelect(*displayoptions, *option, !OptionSelected(*displayoptions, *option));
      continue;
    }
    const OptionHandler* run = FindCommand(kOptionWords, word);
    if (run == nullptr) {
      Error();
    } else if ((*run)() == Next::kLeave || InputEnded()) {
      return;
    }
  }
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

const char kFightingStatRange[] = "   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-15 )]";
const char kHealthRange[] = "   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-10 )]";

using WeightHandler = Next (*)();

// The weight words, compared as typed (no lower-casing).
const Command<WeightHandler> kWeightWords[] = {
    {"help",
     [] {
       Help_Weights();
       return Next::kStay;
     }},
    {"speed", [] { return SetWeight(SpeedWeight(), 15.0, kFightingStatRange); }},
    {"strength", [] { return SetWeight(StrengthWeight(), 15.0, kFightingStatRange); }},
    {"stren", [] { return SetWeight(StrengthWeight(), 15.0, kFightingStatRange); }},
    {"power", [] { return SetWeight(PowerWeight(), 15.0, kFightingStatRange); }},
    {"health", [] { return SetWeight(HealthWeight(), 10.0, kHealthRange); }},
    {"done", [] { return Next::kLeave; }},
    {"back", [] { return Next::kLeave; }},
};

}  // namespace

void WeightSet() {
  std::string word;
  for (;;) {
    static const Format kPrompt(
        "\n   [CURRENT WEIGHTS:]\n   SPEED: %lf\n   POWER: %lf\n   STRENGTH: %lf\n   HEALTH: %lf\n "
        "  [CHANGE WHICH WEIGHT?]\n   [KORVELIN-LIST-SET-WEIGHTS]\n >>> ");
    Print(kPrompt({SpeedWeight(), PowerWeight(), StrengthWeight(), HealthWeight()}));
    if (!ReadWord(word, kWordLength)) return;
    const WeightHandler* run = FindCommand(kWeightWords, word);
    if (run == nullptr) {
      Error();
    } else if ((*run)() == Next::kLeave || InputEnded()) {
      return;
    }
  }
}
