// SORT in the List protocol: choose the custom list's sort option and
// direction; both are kept in the sentinel and the custom list is rebuilt.
#include <string>

#include "console/protocol.h"
#include "list/list.h"
#include "roster/options.h"

void Help_Sort() {
  PrintLine(
      "   KORVELIN HELP\n   The Sort Protocol\n   The sort protocol allows you to choose which of "
      "the options the database is to be sorted by for custom list protocol outputs.  The "
      "following commands are available:\nHELP : Displays this help.\nDONE : Return to the list "
      "protocol without sorting.\nBACK : return to the list protocol without sorting.\n   The "
      "options available for sorting are:");
  Help_Optionlist();
}

namespace {

// The direction prompt's state: the direction chosen.
struct DirectionChoice {
  int direction = kDescending;
  bool chosen = false;
};

template <int Direction>
Next Choose(DirectionChoice& choice) {
  choice.direction = Direction;
  choice.chosen = true;
  return Next::kLeave;
}

// The direction words; "help" just asks again.
const Command<Handler<DirectionChoice>> kDirectionWords[] = {
    {"help", [](DirectionChoice&) { return Next::kStay; }},
    {"accending", Choose<kAscending>},
    {"decending", Choose<kDescending>},
};

// The sort prompt's state: the custom list, rebuilt once an option and a
// direction are chosen.
struct SortChoice {
  SlinkList custom;
};

Next Leave(SortChoice&) { return Next::kLeave; }

// The words of the option prompt other than the 35 option keywords.
const Command<Handler<SortChoice>> kSortWords[] = {
    {"help",
     [](SortChoice&) {
       Help_Sort();
       return Next::kStay;
     }},
    {"back", Leave},
    {"done", Leave},
};

// An option keyword is kept as the sort option before the direction is
// asked for; with a direction the list is rebuilt.
bool SortByKeyword(SortChoice& choice, const std::string& word, Next& next) {
  const OptionInfo* option = OptionByKeyword(word);
  if (option == nullptr) return false;
  ListSortOption() = option->number;
  int direction = kDescending;
  if (Sort_Direction(direction)) {
    ListSortDirection() = direction;
    choice.custom = SortMain(option->number, std::move(choice.custom), direction);
  }
  next = Next::kLeave;
  return true;
}

}  // namespace

bool Sort_Direction(int& direction) {
  DirectionChoice choice;
  RunProtocol(
      choice,
      [](DirectionChoice&) {
        Print("\n   [ACCENDING OR DECENTING??]\n   [KORVELIN-LIST-SORT-DIRECTION]\n >>> ");
      },
      kDirectionWords);
  if (choice.chosen) direction = choice.direction;
  return choice.chosen;
}

SlinkList Sort_Choose(SlinkList custom) {
  SortChoice choice{std::move(custom)};
  RunProtocol(
      choice,
      [](SortChoice&) { Print("\n   [SORT BY WHAT?]\n   [KORVELIN-LIST-SORT-OPTION]\n >>> "); },
      kSortWords, WordRule{}, {SortByKeyword, OptionKeywords});
  return std::move(choice.custom);
}
