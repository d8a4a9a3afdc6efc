// The List protocol: the custom list, the presets, OUTPUT, and SORT and SET
// reached from it.
#pragma once

#include "console/console.h"
#include "roster/session.h"

namespace korvelin {

// The List protocol, from the LIST command to DONE or BACK (or the end of
// the input).  Refuses an empty roster.  Changes only the session's list
// settings and custom columns.
void List(Console& console, Session& session);
// What Tab offers at the List prompt, from LIST at the main prompt on.
const Completion& ListPrompt();

}  // namespace korvelin
