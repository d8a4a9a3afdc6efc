// Record maintenance: members entered, removed, re-baselined and edited by
// hand at the console.  Every command here returns at once when the console
// input ends, releasing anything it had not linked into the roster.
#pragma once

#include <memory>

#include "roster/roster.h"

// ADD.  With `id` 0 the ID is asked first (0 cancels silently); a nonzero
// `id` skips that prompt.  The member is entered with EnterMember, linked in
// at the front of the roster and "[DONE!]" printed.  Returns the linked
// member, or null when nothing was added.
PlayerRecord* Add(int id);

// Enters a member with this ID: refuses an ID already in the roster, asks the
// name, the level and the six stats (each stored in both snapshots), shows
// them and asks for confirmation, asking them all again until the answer
// starts with 'y' (confirm) or 'c' (cancel).  Returns the confirmed member,
// not linked, or null on a refused ID, a cancel or the end of the input.
std::unique_ptr<PlayerRecord> EnterMember(int id);

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

// Prints the help of the Edit protocol.
void Help_Edit();

// Prints a member's stored fields as the Edit protocol's DISPLAY shows them.
void EditDisplay(const PlayerRecord& member);
