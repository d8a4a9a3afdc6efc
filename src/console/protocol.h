// Protocols: a prompt, a word read, a command table looked up, a command
// run, until a command leaves or the input ends.  Every command loop of the
// program is one table and a call of RunProtocol.
//
// A command that runs out of memory (std::bad_alloc) is abandoned where it
// is: its loop says so and shows its prompt again.  What the command had
// changed is put back on the way out (the main protocol's steps, and LOAD
// and UPDATE, which read aside and replace only once whole); the rest of
// the program changes nothing that it cannot finish.
#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <vector>

#include "console/completion.h"
#include "console/console.h"

namespace korvelin {

// What a command tells the loop that ran it.
enum class Next { kStay, kLeave };

// A command: its word, what it does, and what the read after its word
// offers to Tab when the command goes on to a prompt (a file name, a number
// followed by keywords, another protocol's words), so that Tab can complete
// the words of a whole line typed ahead.
template <typename Handler>
struct Command {
  const char* word;
  Handler run;
  Then then = nullptr;
};

// The handler of the command whose word equals `word`, or null.
template <typename Handler, std::size_t N>
const Handler* FindCommand(const Command<Handler> (&table)[N], const std::string& word) {
  for (const Command<Handler>& command : table) {
    if (word == command.word) return &command.run;
  }
  return nullptr;
}

// How a protocol reads its word.
struct WordRule {
  std::size_t limit = kWordLength;
  bool fold_case = true;  // false: compared as typed
};

namespace protocol_detail {
template <typename T>
struct Same {
  using type = T;
};
}  // namespace protocol_detail

// A command of a protocol over the state `Context` it works on.
template <typename Context>
using Handler = Next (*)(Context&);
// Offered a word that is not in the table: `take` tells whether it took the
// word, and sets `next` when it did; `words` lists the words it takes, which
// Tab offers beside the table's, and `then` what the read after one offers.
template <typename Context>
struct Fallback {
  bool (*take)(Context&, const std::string& word, Next& next) = nullptr;
  const std::vector<const char*>& (*words)() = nullptr;
  Then then = nullptr;
};
// Prints the protocol's prompt.
template <typename Context>
using Prompt = void (*)(Context&);

// The words of a command table and of its fallback, with what follows each.
template <typename Handler, std::size_t N, typename Context>
Completion WordsOf(const Command<Handler> (&table)[N], const Fallback<Context>& fallback) {
  Completion words{Completion::Kind::kWords, {}, nullptr};
  for (const Command<Handler>& command : table)
    words.words.emplace_back(command.word, command.then);
  if (fallback.words != nullptr) {
    for (const char* word : fallback.words()) words.words.emplace_back(word, fallback.then);
  }
  return words;
}

// Runs `command()`; when it runs out of memory, abandons it with the
// console's message (Console::AbandonCommand) and returns false.
template <typename Run>
bool RunCommand(Console& console, Run command) {
  try {
    command();
    return true;
  } catch (const std::bad_alloc&) {
    console.AbandonCommand();
    return false;
  }
}

// The one command loop: prints the prompt, reads a word from `console`,
// runs the command the table (or else the fallback) has for it, and repeats
// until a command returns kLeave or the input ends.  A word that nothing
// takes gets the invalid-input message; a command that runs out of memory
// is abandoned and the prompt shown again.  The context is what the
// commands work on (holding the console too, where they print).
template <typename Context, std::size_t N>
void RunProtocol(Console& console, Context& context,
                 Prompt<typename protocol_detail::Same<Context>::type> prompt,
                 const Command<Handler<Context>> (&commands)[N], WordRule rule = {},
                 Fallback<typename protocol_detail::Same<Context>::type> fallback = {}) {
  const Completion offered = WordsOf(commands, fallback);
  std::string word;
  for (;;) {
    prompt(context);
    const bool read = rule.fold_case ? console.ReadCommand(word, rule.limit, offered)
                                     : console.ReadWord(word, rule.limit, offered);
    if (!read) return;
    Next next = Next::kStay;
    bool taken = true;
    const bool ran = RunCommand(console, [&] {
      if (const Handler<Context>* run = FindCommand(commands, word)) {
        next = (*run)(context);
      } else {
        taken = fallback.take != nullptr && fallback.take(context, word, next);
      }
    });
    if (!ran) continue;
    if (!taken) {
      console.InvalidInput();
      continue;
    }
    if (next == Next::kLeave || console.Ended()) return;
  }
}

}  // namespace korvelin
