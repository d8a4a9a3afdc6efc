// What one visit to the List protocol holds, and the protocols reached from
// it (SORT, SET OPTIONS, SET WEIGHTS).
#pragma once

#include <memory>
#include <string>

#include "console/console.h"
#include "list/sort.h"
#include "list/table_writer.h"
#include "roster/session.h"

// One visit to the List protocol; all of it but the session ends with the
// visit.
struct ListVisit {
  Console& console;
  Session& session;
  Sorter sorter;                    // its arrays serve every sort of the visit
  MemberOrder custom;               // the whole roster in the user's chosen order
  int entries = 0;                  // the row limit of LIST and PERCENT
  std::unique_ptr<TableFile> file;  // the list output when it is a file; null for the screen
  std::string file_name;            // its name, as OUTPUT was given it
};

// SORT: asks for an option and a direction, keeps both in the session's
// list settings and rebuilds the custom list in that order; "back" or "done"
// at the option prompt, a word beginning with "\" at the direction prompt
// (or the end of the input) leave it as it was.
void ChooseSort(ListVisit& visit);

// SET OPTIONS: toggles the custom list's columns by keyword until "done" or
// "back".
void ToggleColumns(Console& console, Session& session);
// SET WEIGHTS: shows and changes the four weights until "done" or "back".
void SetWeights(Console& console, Weights& weights);
// Prints the list of sort and column keywords.
void PrintOptionList(Console& console);
