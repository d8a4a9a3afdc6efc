// SORT in the List protocol: choose the custom list's sort option and
// direction; both are kept in the sentinel and the custom list is rebuilt.
#include <string>

#include "list/list.h"
#include "shell/shell.h"

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

constexpr int kAskAgain = -1;

// The direction words and what each gives; "help" just asks again.
const Command<int> kDirectionWords[] = {
    {"help", kAskAgain},
    {"accending", 1},
    {"decending", 0},
};

using SortHandler = Next (*)();

// The words of the option prompt other than the 35 option keywords.
const Command<SortHandler> kSortWords[] = {
    {"help",
     [] {
       Help_Sort();
       return Next::kStay;
     }},
    {"back", [] { return Next::kLeave; }},
    {"done", [] { return Next::kLeave; }},
};

}  // namespace

bool Sort_Direction(int& direction) {
  std::string word;
  for (;;) {
    Print("\n   [ACCENDING OR DECENTING??]\n   [KORVELIN-LIST-SORT-DIRECTION]\n >>> ");
    if (!ReadCommand(word)) return false;
    const int* chosen = FindCommand(kDirectionWords, word);
    if (chosen == nullptr) {
      Error();
    } else if (*chosen != kAskAgain) {
      direction = *chosen;
      return true;
    }
  }
}

SlinkList Sort_Choose(SlinkList custom) {
  std::string word;
  for (;;) {
    Print("\n   [SORT BY WHAT?]\n   [KORVELIN-LIST-SORT-OPTION]\n >>> ");
    if (!ReadCommand(word)) return custom;
    if (const OptionInfo* option = OptionByKeyword(word)) {
      // The option is kept before the direction is asked for.
      ListSortOption() = option->number;
      int direction = 0;
      if (!Sort_Direction(direction)) return custom;
      ListSortDirection() = direction;
      return SortMain(option->number, std::move(custom), direction);
    }
    const SortHandler* run = FindCommand(kSortWords, word);
    if (run == nullptr) {
      Error();
    } else if ((*run)() == Next::kLeave || InputEnded()) {
      return custom;
    }
  }
}
