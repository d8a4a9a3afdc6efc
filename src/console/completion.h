// Completion: what Tab offers at the prompt being answered, and at each
// prompt that the words typed before it on the line will answer.  A
// protocol offers the words of its own command table (and of its fallback),
// each with what the prompt it leads to offers; a file prompt offers file
// names; a number or a name offers nothing, and may say what follows it.
// The console hands what the read in progress offers to the line editor,
// which follows the line from there to the word under the cursor.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin {

struct Completion;

// What the read after a word offers, made once; null: nothing (the line is
// not followed further).
using Then = const Completion& (*)();

// A word a prompt takes.
struct OfferedWord {
  OfferedWord(const char* word, Then then = nullptr) : word(word), then(then) {}
  const char* word;
  Then then;  // what the read after it offers
};

struct Completion {
  enum class Kind { kNothing, kWords, kFileNames };
  Kind kind = Kind::kNothing;
  std::vector<OfferedWord> words;  // for kWords; kFileNames offers them beside the names
  Then then = nullptr;             // what follows any other word (a file name, a number)
};

// A file prompt's: file names, and nothing after them.
const Completion& FileNames();

// A prompt that reads one number: nothing, then what `Next` offers.
template <Then Next>
const Completion& AnyWordThen() {
  static const Completion offered{Completion::Kind::kNothing, {}, Next};
  return offered;
}

// The word under completion in a line typed up to the cursor.
struct WordAtCursor {
  const Completion* offered = nullptr;  // what its prompt offers; null: nothing
  std::size_t start = 0;                // its first byte in the line (an opening quote's)
  std::string prefix;                   // what is typed of it, without quotes
  bool quoted = false;                  // it opened with a double quote
};

// Follows `line`, the text before the cursor, from `first` (what the read in
// progress offers) to the word the cursor ends: each whole word before it
// is read as its prompt reads it, and the prompt after it is what the word
// (or, for a word none of the prompt's, the prompt) says follows.  Words
// are parted by spaces and tabs; at a file prompt a word that opens with a
// double quote runs to the closing one, spaces included.  Words compare as
// the protocols compare them, A-Z and a-z alike.
WordAtCursor FollowLine(const Completion& first, std::string_view line);

// The completions of `prefix`, sorted and without repeats: the offered words
// that begin with it, and the file names that do, a name with its folder as
// typed ("examples/gang.txt") and a folder ending in "/" (names beginning
// with a dot only for a prefix that does).  A-Z and a-z compare alike.
std::vector<std::string> Complete(const Completion& completion, const std::string& prefix);

// The longest beginning that every one of `matches` shares (compared as
// Complete compares), as the first of them spells it.
std::string SharedStart(const std::vector<std::string>& matches);

// What Tab puts in place of the word before the cursor, given its
// completions: the one completion followed by a space (a folder by nothing,
// so that its entries can follow), or the start that several share.  File
// names go in double quotes, as the file prompts read a name with spaces,
// when the word was typed after an open quote (`quoted`) or a completion
// needs them (it holds a space or a tab, or begins with a quote or with
// the backslash that would cancel the prompt); the closing quote comes
// with the one completion that is not a folder.
std::string CompletionText(const Completion& completion, const std::vector<std::string>& matches,
                           bool quoted);

}  // namespace korvelin
