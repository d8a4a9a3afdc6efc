// Settings reached through SET in the List protocol: the custom list's
// columns (OPTIONS), the four weights (WEIGHTS) and the stall bar (STALL).
#include <charconv>
#include <string>

#include "console/protocol.h"
#include "list/visit.h"
#include "roster/options.h"
#include "text/format.h"

namespace korvelin {

// ---------------------------------------------------------------------------
// Columns of the custom list
// ---------------------------------------------------------------------------

void PrintOptionList(Console& console) {
  console.Print(
      "[Player Variables:]\n: ID : LEVEL :\n[Old Stats:]\n: OLDSPEED  : OLDPOWER  : OLDSTREN  : "
      "OLDHEALTH  : OLDINTEL  : OLDBEG  : OLDTOTAL  :\n[New Stats:]\n: NEWSPEED  : NEWPOWER  : "
      "NEWSTREN  : NEWHEALTH  : NEWINTEL  : NEWBEG  : NEWTOTAL  :\n[Stat Gains:]\n: SPEEDGAIN : "
      "POWERGAIN : STRENGAIN : HEALTHGAIN : INTELGAIN : BEGGAIN : TOTALGAIN :\n[% Gains:]\n: "
      "SPEEDP    : POWERP    : STRENP    : HEALTHP    : INTELP    : BEGP    : TOTALP    "
      ":\n[Weighted Stats:]\n: WSPEED    : WPOWER    : WSTREN    : WHEALTH    : WINTEL    : WBEG   "
      " : WTOTAL    :\n\n");
}

namespace {

// The option-set prompt's state.
struct ColumnChoice {
  Console& console;
  Session& session;
};

Next LeaveColumns(ColumnChoice&) { return Next::kLeave; }

// Each word but DONE and BACK comes back to the prompt.
constexpr Then kAgain = OptionsPrompt;

// The option-set words other than the 35 column keywords, which the option
// table gives (roster/options.h).  To add one: an entry of its word in
// lower case and its handler, and a line in the help above.
const Command<Handler<ColumnChoice>> kOptionWords[] = {
    {"help",
     [](ColumnChoice& c) {
       c.console.PrintLine(
           "\n   KORVELIN HELP\n   The Option-Set Protocol\n   The Option-Set Protocol allows you "
           "to choose which options are displayed when using a custom list output.  The "
           "following commands are available:\nHELP    : Shows this Help.\nDISPLAY : Shows how "
           "the current output will appear.\nDEFAULT : Resets the display to the default output "
           "options.\nDONE    : Return to the list protocol.\nBACK    : Return to the list "
           "protocol.\n   The following options are available to be toggled:");
       PrintOptionList(c.console);
       return Next::kStay;
     },
     kAgain},
    {"display",
     [](ColumnChoice& c) {
       // The header of the custom list as it would now appear, and no row.
       const Session& s = c.session;
       WriteTable(*MakeFixedTable(c.console.Out()),
                  *OptionTable({"list", s.roster, s.list.weights, s.columns, nullptr, 0}),
                  c.console.Stop());
       return Next::kStay;
     },
     kAgain},
    {"default",
     [](ColumnChoice& c) {
       c.session.columns = kDefaultColumns;
       return Next::kStay;
     },
     kAgain},
    {"done", LeaveColumns},
    {"back", LeaveColumns},
};

// A column keyword toggles its column.
bool ToggleColumn(ColumnChoice& choice, const std::string& word, Next& next) {
  const OptionInfo* option = OptionByKeyword(word);
  if (option == nullptr) return false;
  choice.session.columns.Toggle(*option);
  next = Next::kStay;
  return true;
}

const Fallback<ColumnChoice> kColumnKeywords{ToggleColumn, OptionKeywords, kAgain};

}  // namespace

const Completion& OptionsPrompt() {
  static const Completion offered = WordsOf(kOptionWords, kColumnKeywords);
  return offered;
}

void ToggleColumns(Console& console, Session& session) {
  ColumnChoice choice{console, session};
  RunProtocol(
      console, choice,
      [](ColumnChoice& c) {
        c.console.Print("\n   [TOGGLE WHICH OPTION?]\n   [KORVELIN-LIST-SET-OPTION]\n >>> ");
      },
      kOptionWords, WordRule{}, kColumnKeywords);
}

// ---------------------------------------------------------------------------
// Weights
// ---------------------------------------------------------------------------

namespace {

// The weight prompt's state.
struct WeightChoice {
  Console& console;
  Weights& weights;
};

// The limits of the weights, each beside the message that refuses a value
// beyond it.
const char kFightingStatRange[] = "   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-15 )]";
static_assert(kMostFightingWeight == 15.0, "the message names the limit");
const char kHealthRange[] = "   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-10 )]";
static_assert(kMostHealthWeight == 10.0, "the message names the limit");

// Asks for a new value of the weight `Field` and keeps it when it lies in 0
// to its limit.
template <double Weights::*Field>
Next SetWeight(WeightChoice& choice) {
  const bool health = Field == &Weights::health;
  double value = 0.0;
  if (!choice.console.AskValue(value)) return Next::kLeave;
  if (value < 0.0 || value > (health ? kMostHealthWeight : kMostFightingWeight)) {
    choice.console.PrintLine(health ? kHealthRange : kFightingStatRange);
    return Next::kStay;
  }
  choice.weights.*Field = value + 0.0;  // a typed "-0" is kept as 0, never shown as -0
  return Next::kStay;
}

Next LeaveWeights(WeightChoice&) { return Next::kLeave; }

// A weight reads its value, and the prompt asks again.
constexpr Then kValue = AnyWordThen<WeightsPrompt>;

// The weight words, in any case.  To add one (a weight is a field of
// Weights, saved in the save file's settings line): an entry of its word and
// SetWeight of its field, with its range in the help above.
const Command<Handler<WeightChoice>> kWeightWords[] = {
    {"help",
     [](WeightChoice& c) {
       c.console.PrintLine(
           "\n   KORVELIN HELP\n   The Weight Set Protocol\n   This short protocol allows you to "
           "set the weightings on stats for War Chamber calculations.  Each new fighting stat "
           "(including health) is multiplied by a factor to get the weighted stat.  The weighted "
           "total is the sum of these weighted stats.  To set a weight choose a stat then when "
           "prompted enter the weighting to use.  Available stats for weighting:\nSPEED    : "
           "Allowed range = 0-15 (default = 2.12)\nPOWER    : Allowed range = 0-15 (default = "
           "1.24)\nSTRENGTH : Allowed range = 0-15 (default = 1.434)\nHEALTH   : Allowed range = "
           "0-10 (default = 0.667)\n");
       return Next::kStay;
     },
     WeightsPrompt},
    {"speed", SetWeight<&Weights::speed>, kValue},
    {"strength", SetWeight<&Weights::strength>, kValue},
    {"stren", SetWeight<&Weights::strength>, kValue},
    {"power", SetWeight<&Weights::power>, kValue},
    {"health", SetWeight<&Weights::health>, kValue},
    {"done", LeaveWeights},
    {"back", LeaveWeights},
};

}  // namespace

const Completion& WeightsPrompt() {
  static const Completion offered = WordsOf(kWeightWords, Fallback<WeightChoice>{});
  return offered;
}

void SetWeights(Console& console, Weights& weights) {
  WeightChoice choice{console, weights};
  RunProtocol(
      console, choice,
      [](WeightChoice& c) {
        static const Format kPrompt(
            "\n   [CURRENT WEIGHTS:]\n   SPEED: %lf\n   POWER: %lf\n   STRENGTH: %lf\n   HEALTH: "
            "%lf\n   [CHANGE WHICH WEIGHT?]\n   [KORVELIN-LIST-SET-WEIGHTS]\n >>> ");
        c.console.Print(
            kPrompt({c.weights.speed, c.weights.power, c.weights.strength, c.weights.health}));
      },
      kWeightWords);
}

// ---------------------------------------------------------------------------
// The stall bar
// ---------------------------------------------------------------------------

std::string BarText(double per_week) {
  char text[400];  // the largest double in fixed form, and its six decimals
  const char* end =
      std::to_chars(text, text + sizeof text, per_week, std::chars_format::fixed, 6).ptr;
  while (end[-1] == '0') --end;
  if (end[-1] == '.') --end;
  return std::string(static_cast<const char*>(text), end);
}

void SetStall(Console& console, StallBar& stall) {
  static const Format kWeeksPrompt(
      "\n   [CURRENT STALL BAR = %s A WEEK OVER %d WEEKS]\n   [INPUT NEW NUMBER OF WEEKS? ( 1-52 "
      ")]\n   [KORVELIN-LIST-SET-STALL]\n >>> ");
  static_assert(kFewestStallWeeks == 1 && kMostStallWeeks == 52, "the prompt names the range");
  const std::string weeks_prompt = kWeeksPrompt({BarText(stall.per_week), stall.weeks});
  int weeks = 0;
  if (!console.AskInt(weeks_prompt.c_str(), weeks, AnyWordThen<AnyWordThen<nullptr>>())) return;
  if (weeks < kFewestStallWeeks || weeks > kMostStallWeeks) {
    console.PrintLine("   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 1-52 )]");
    return;
  }
  double per_week = 0.0;
  if (!console.AskReal(
          "\n   [INPUT NEW STALL BAR A WEEK? ( 0 OR MORE )]\n   [KORVELIN-LIST-SET-STALL]\n >>> ",
          per_week, AnyWordThen<nullptr>())) {
    return;
  }
  if (per_week < 0.0) {
    console.PrintLine("   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0 OR MORE )]");
    return;
  }
  stall.weeks = weeks;
  stall.per_week = per_week + 0.0;  // a typed "-0" is kept as 0
}

}  // namespace korvelin
