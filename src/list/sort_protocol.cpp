// SORT in the List protocol: choose the custom list's sort option and
// direction; both are kept in the session and the custom list is rebuilt.
#include <string>

#include "console/protocol.h"
#include "list/visit.h"
#include "roster/options.h"

namespace korvelin {

namespace {

// The direction prompt's state: the direction chosen, or the prompt
// cancelled.
struct DirectionChoice {
  Console& console;
  SortDirection direction = SortDirection::kDescending;
  bool chosen = false;
};

template <SortDirection Direction>
Next Choose(DirectionChoice& choice) {
  choice.direction = Direction;
  choice.chosen = true;
  return Next::kLeave;
}

const Completion& DirectionPrompt();

// The direction words, in any case; "help" just asks again.  The first two
// are the prompt's own spellings, kept beside the usual ones.  To add one:
// an entry of its word in lower case and Choose of its direction.
const Command<Handler<DirectionChoice>> kDirectionWords[] = {
    {"help", [](DirectionChoice&) { return Next::kStay; }, DirectionPrompt},
    {"accending", Choose<SortDirection::kAscending>},
    {"decending", Choose<SortDirection::kDescending>},
    {"ascending", Choose<SortDirection::kAscending>},
    {"asc", Choose<SortDirection::kAscending>},
    {"descending", Choose<SortDirection::kDescending>},
    {"desc", Choose<SortDirection::kDescending>},
};

// A word beginning with a backslash leaves the prompt without a direction.
bool CancelDirection(DirectionChoice&, const std::string& word, Next& next) {
  if (word[0] != '\\') return false;
  next = Next::kLeave;
  return true;
}

const Fallback<DirectionChoice> kCancelDirection{CancelDirection, nullptr};

const Completion& DirectionPrompt() {
  static const Completion offered = WordsOf(kDirectionWords, kCancelDirection);
  return offered;
}

// Asks for a direction until one is typed.  False when the prompt was
// cancelled or the input ended.
bool AskSortDirection(Console& console, SortDirection& direction) {
  DirectionChoice choice{console};
  RunProtocol(
      console, choice,
      [](DirectionChoice& c) {
        c.console.Print(
            "\n   [ACCENDING OR DECENTING??]\n   [KORVELIN-LIST-SORT-DIRECTION]\n >>> ");
      },
      kDirectionWords, WordRule{}, kCancelDirection);
  if (choice.chosen) direction = choice.direction;
  return choice.chosen;
}

Next Leave(ListVisit&) { return Next::kLeave; }

// The words of the option prompt other than the 35 option keywords, which
// the option table gives (roster/options.h).  To add one: an entry of its
// word in lower case and its handler, and a line in the help below.
const Command<Handler<ListVisit>> kSortWords[] = {
    {"help",
     [](ListVisit& v) {
       v.console.PrintLine(
           "   KORVELIN HELP\n   The Sort Protocol\n   The sort protocol allows you to choose "
           "which "
           "of the options the database is to be sorted by for custom list protocol outputs.  The "
           "following commands are available:\nHELP : Displays this help.\nDONE : Return to the "
           "list protocol without sorting.\nBACK : return to the list protocol without "
           "sorting.\n   The options available for sorting are:");
       PrintOptionList(v.console);
       return Next::kStay;
     },
     SortPrompt},
    {"back", Leave},
    {"done", Leave},
};

// An option keyword asks for a direction; once one is chosen both are kept
// and the list is rebuilt.  A cancelled direction changes neither.
bool SortByKeyword(ListVisit& visit, const std::string& word, Next& next) {
  const OptionInfo* option = OptionByKeyword(word);
  if (option == nullptr) return false;
  ListSettings& list = visit.session.list;
  SortDirection direction = SortDirection::kDescending;
  if (AskSortDirection(visit.console, direction)) {
    // Sorted first: a sort abandoned for want of memory changes nothing.
    visit.custom = visit.sorter.Sort(visit.session.roster, list.weights, *option, direction);
    list.sort_option = option->number;
    list.sort_direction = direction;
  }
  next = Next::kLeave;
  return true;
}

// An option keyword, then a direction.
const Fallback<ListVisit> kSortKeywords{SortByKeyword, OptionKeywords, DirectionPrompt};

}  // namespace

const Completion& SortPrompt() {
  static const Completion offered = WordsOf(kSortWords, kSortKeywords);
  return offered;
}

void ChooseSort(ListVisit& visit) {
  RunProtocol(
      visit.console, visit,
      [](ListVisit& v) {
        v.console.Print("\n   [SORT BY WHAT?]\n   [KORVELIN-LIST-SORT-OPTION]\n >>> ");
      },
      kSortWords, WordRule{}, kSortKeywords);
}

}  // namespace korvelin
