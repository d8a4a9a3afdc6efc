// The List protocol's prompts, described by their words in the order of
// their tables.
#include "console/list_prompts.h"

#include <algorithm>
#include <string_view>

#include "roster/options.h"

namespace korvelin {

namespace {

const Completion& DirectionPrompt();
const Completion& OptionsPrompt();
const Completion& WeightsPrompt();
const Completion& SetPrompt();

// The option prompt of SORT: an option keyword asks for a direction.
const Completion& SortPrompt() {
  static const Completion offered = [] {
    Completion c{Completion::Kind::kWords, {"help", "back", "done"}, nullptr};
    c.words.front().then = SortPrompt;
    for (const char* keyword : OptionKeywords()) c.words.emplace_back(keyword, DirectionPrompt);
    return c;
  }();
  return offered;
}

const Completion& DirectionPrompt() {
  static const Completion offered{Completion::Kind::kWords,
                                  {{"help", DirectionPrompt},
                                   "accending",
                                   "decending",
                                   "ascending",
                                   "asc",
                                   "descending",
                                   "desc"},
                                  nullptr};
  return offered;
}

// SET OPTIONS: each keyword toggles a column and the prompt asks again.
const Completion& OptionsPrompt() {
  static const Completion offered = [] {
    Completion c{Completion::Kind::kWords,
                 {{"help", OptionsPrompt},
                  {"display", OptionsPrompt},
                  {"default", OptionsPrompt},
                  "done",
                  "back"},
                 nullptr};
    for (const char* keyword : OptionKeywords()) c.words.emplace_back(keyword, OptionsPrompt);
    return c;
  }();
  return offered;
}

// SET WEIGHTS: each weight reads a value and the prompt asks again.
const Completion& WeightsPrompt() {
  constexpr Then kValue = AnyWordThen<WeightsPrompt>;
  static const Completion offered{Completion::Kind::kWords,
                                  {{"help", WeightsPrompt},
                                   {"speed", kValue},
                                   {"strength", kValue},
                                   {"stren", kValue},
                                   {"power", kValue},
                                   {"health", kValue},
                                   "done",
                                   "back"},
                                  nullptr};
  return offered;
}

const Completion& SetPrompt() {
  static const Completion offered{Completion::Kind::kWords,
                                  {{"entries", AnyWordThen<nullptr>},
                                   {"weights", WeightsPrompt},
                                   {"options", OptionsPrompt},
                                   {"stall", AnyWordThen<AnyWordThen<nullptr>>},
                                   {"help", SetPrompt},
                                   "\\"},
                                  nullptr};
  return offered;
}

const Completion& TrendPrompt() {
  static const Completion offered{Completion::Kind::kWords,
                                  {"total", "speed", "power", "strength", "health", "wtotal"},
                                  nullptr};
  return offered;
}

// HISTORY: 0, ALL or an ID, and nothing after.
const Completion& HistoryPrompt() {
  static const Completion offered{Completion::Kind::kWords, {"0", "all"}, nullptr};
  return offered;
}

// The words of `offered`, sorted.
std::vector<std::string_view> WordsIn(const Completion& offered) {
  std::vector<std::string_view> words;
  for (const OfferedWord& word : offered.words) words.emplace_back(word.word);
  std::sort(words.begin(), words.end());
  return words;
}

}  // namespace

const Completion& ListPrompt() {
  static const Completion offered{Completion::Kind::kWords,
                                  {"help",
                                   "list",
                                   "default",
                                   "percent",
                                   "wc",
                                   "speed",
                                   "power",
                                   "strength",
                                   {"trend", TrendPrompt},
                                   {"history", HistoryPrompt},
                                   "stalled",
                                   "changes",
                                   "report",
                                   {"sort", SortPrompt},
                                   {"output", FileNames},
                                   {"set", SetPrompt},
                                   "back",
                                   "done"},
                                  nullptr};
  return offered;
}

const Completion* DescribedPrompt(const Completion& offered) {
  static const Then kPrompts[] = {ListPrompt,    SortPrompt, DirectionPrompt, OptionsPrompt,
                                  WeightsPrompt, SetPrompt,  TrendPrompt,     HistoryPrompt};
  if (offered.kind != Completion::Kind::kWords) return nullptr;
  const std::vector<std::string_view> words = WordsIn(offered);
  for (Then prompt : kPrompts) {
    if (WordsIn(prompt()) == words) return &prompt();
  }
  return nullptr;
}

}  // namespace korvelin
