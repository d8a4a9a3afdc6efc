// The List protocol: sorting, the table renderer, the presets and the
// settings reached from it.
#pragma once

#include <cstdio>

#include "roster/memory.h"
#include "roster/record.h"

// ---------------------------------------------------------------------------
// Sorting
// ---------------------------------------------------------------------------

// Releases `old`, then returns a new sort list of every member by the key of
// option 1-35: descending for direction 0, ascending for any other value,
// members with equal keys in reverse roster order, NaN keys last (also in
// reverse roster order).  Any other option prints the sort failure message
// and gives the ascending ID list.  An empty roster gives an empty list.
SlinkList SortMain(int option, SlinkList old, int direction);

// The sort protocol: asks for an option and a direction, stores both in the
// sentinel and returns the custom list rebuilt in that order; on "back" or
// "done" (or the end of the input) returns `custom` itself.
SlinkList Sort_Choose(SlinkList custom);
// Asks for a direction until "accending" (1) or "decending" (0) is typed.
// False at the end of the input.
bool Sort_Direction(int& direction);
// Prints the sort protocol's help and the option list.
void Help_Sort();

// ---------------------------------------------------------------------------
// The table
// ---------------------------------------------------------------------------

// Writes the header and separator for the columns `mask` selects, then, when
// `list` is not null, at most `rows` members in list order, and then a line
// end on the console.  For a table sent to a file (any stream other than the
// console) the file is flushed and the console told whether the table was
// saved.  Returns false when writing to the file failed; the caller must then
// stop using that file.
bool ListShow(int rows, const Slink* list, std::FILE* stream, const PlayerRecord& mask);

// ---------------------------------------------------------------------------
// The protocols
// ---------------------------------------------------------------------------

// The List protocol, from the LIST command to DONE or BACK (or the end of
// the input).  Refuses an empty roster.
void List();

// Toggles the custom list's columns (displayoptions) by keyword until "done"
// or "back".
void OptionSet();
// Prints the option-set protocol's help and the option list.
void Help_OptionSet();
// Prints the list of sort and column keywords.
void Help_Optionlist();

// Shows and changes the four weights until "done" or "back".
void WeightSet();
// Prints the weight-set protocol's help.
void Help_Weights();
