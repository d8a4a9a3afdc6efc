// The List protocol's prompts as Tab follows them through a line: the words
// each takes and the prompt each leads to.  The List tables name their
// words and handlers only; these descriptions add what follows each word,
// for the prompt whose table holds exactly the same words, so that a
// change of those words can never make Tab offer what a prompt does not
// take (the prompt then offers its own words, and nothing after them).
#pragma once

#include "console/completion.h"

namespace korvelin {

// The List prompt's, from LIST at the main prompt on.
const Completion& ListPrompt();

// The description of the List protocol's prompt that offers the same words
// as `offered` (in any order), or null.
const Completion* DescribedPrompt(const Completion& offered);

}  // namespace korvelin
