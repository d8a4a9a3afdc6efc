// Record maintenance: members entered, removed, re-baselined, edited and
// found by hand at the console.  Every command here returns at once when the
// console input ends, leaving the roster as it was.
#pragma once

#include "console/console.h"
#include "roster/roster.h"
#include "roster/session.h"

namespace korvelin {

// ADD: asks for an ID (0 cancels silently); an ID already in the roster is
// refused.  Asks the name, level and six stats (each stored in both
// snapshots) and shows them for confirmation: 'y' puts the member in at the
// front, 'c' cancels, anything else asks them all again.
void Add(Console& console, Roster& roster);

// DELETE: asks for an ID until a member has it (0 cancels) and removes that
// member once the user confirms.  The word `left` there lists the members
// who have left the gang (roster/season_members.h) and removes them all
// once the user confirms; their points stay in the season.
void Delete(Console& console, Session& session);
// What DELETE's ID prompt offers to Tab: `left`.
const Completion& DeleteWords();

// SNAP: copies every member's new stats over the old ones, echoing a line
// per member, so that gains are measured from now on.
void Snap(Console& console, Roster& roster);

// EDIT: asks for a member by ID (0 cancels), then changes its stored fields
// one keyword at a time until DONE or BACK.  Nothing is validated.
void Edit(Console& console, Roster& roster);
// What EDIT's keyword prompt offers to Tab: its keywords, each with what
// follows it on the line (a value, then the keywords again).
const Completion& EditKeywords();

// FIND: asks for a part of a name ('\' cancels) and lists, in roster order,
// every member whose name contains it (A-Z and a-z alike), with ID and level.
void Find(Console& console, const Roster& roster);

}  // namespace korvelin
