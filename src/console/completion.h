// Completion: what Tab offers at the prompt being answered.  A protocol
// offers the words of its own command table (and of its fallback); a file
// prompt offers file names; every other read offers nothing.  The console
// hands what the read in progress offers to the line editor.
#pragma once

#include <string>
#include <vector>

namespace korvelin {

struct Completion {
  enum class Kind { kNothing, kWords, kFileNames };
  Kind kind = Kind::kNothing;
  std::vector<const char*> words;  // for kWords
};

// The completions of `prefix`, sorted and without repeats: the offered words
// that begin with it, or the file names that do, a name with its folder as
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
