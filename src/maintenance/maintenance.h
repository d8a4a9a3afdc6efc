// Record maintenance: members entered, removed, re-baselined and edited by
// hand at the console.  Every command here returns at once when the console
// input ends, releasing anything it had not linked into the roster.
#pragma once

#include "roster/record.h"

// ADD.  With `id` 0 the ID is asked first (0 cancels silently); a nonzero
// `id` skips that prompt.  An ID already in the roster is refused.  Asks the
// name, level and six stats (each stored in both snapshots) and shows them
// for confirmation: 'y' links the member in at the front, 'c' cancels,
// anything else asks them all again.  Returns the linked member, or null
// when nothing was added.
PlayerRecord* Add(int id);

// DELETE: asks for an ID until a member has it (0 cancels) and removes that
// member once the user confirms.
void Delete();

// SNAP: copies every member's new stats over the old ones, echoing a line per
// member, so that gains are measured from now on.
void Snap();

// EDIT: asks for a member by ID (0 cancels), then changes its stored fields
// one keyword at a time until DONE or BACK.  Nothing is validated and no
// derived stat is recomputed.
void Edit();

// FIND: asks for a part of a name ('\' cancels) and lists, in roster order,
// every member whose name contains it (A-Z and a-z alike), with ID and level.
void Find();

// Prints the help of the Edit protocol.
void Help_Edit();
