// What one visit to the List protocol holds, and the protocols reached from
// it (SORT, SET OPTIONS, SET WEIGHTS).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "console/console.h"
#include "console/protocol.h"
#include "list/sort.h"
#include "list/table_writer.h"
#include "roster/session.h"

namespace korvelin {

// One visit to the List protocol; all of it but the session ends with the
// visit.
struct ListVisit {
  // A visit whose LIST and PERCENT show `entries` rows.
  ListVisit(Console& console, Session& session, int entries)
      : console(console), session(session), entries(entries) {}

  Console& console;
  Session& session;
  Sorter sorter;                    // its arrays serve every sort of the visit
  MemberOrder custom;               // the whole roster in the user's chosen order
  int entries = 0;                  // the row limit of LIST and PERCENT
  std::unique_ptr<TableFile> file;  // the list output when it is a file; null for the screen
  std::string file_name;            // its name, as OUTPUT was given it
  // What was shown last, for COPY: a text (REPORT's) when `last_text` is
  // not empty, else the last table shown (null before the first).
  std::shared_ptr<const Table> last_table;
  std::string last_text;

  // Keeps `table` as the last thing shown.
  const Table& Keep(std::shared_ptr<const Table> table) {
    last_table = std::move(table);
    last_text.clear();
    return *last_table;
  }
};

// Prints `table` to the list output, then a line end on the screen, and
// keeps it for COPY.  A table sent to a file is flushed and the screen told
// whether it was saved; a file that could not be written stops being the
// list output.  A table that Ctrl-C stopped is reported so instead.
void ShowTable(ListVisit& visit, std::shared_ptr<const Table> shown);

// Writes to the list output's file with `write`, flushes it and reports as
// ShowTable does.  False, with nothing printed, when `write` declines (a
// format that takes no such text) and the file is whole: the caller then
// shows it on the screen instead.
bool WriteToFile(ListVisit& visit, const std::function<bool(TableWriter&)>& write);

// COPY: puts what was shown last on the clipboard: the text, or the table
// as TSV with its header row; says how many rows (a text's lines) it put
// there, or that there was nothing to copy or no clipboard.
Next CopyShown(ListVisit& visit);
// At a terminal with the viewer on (SET VIEW), shows a table that the
// screen is the output of and that is too large for the window in the
// console's viewer, then says how many rows and columns it had.  False
// when the table is to be printed instead.
bool ShowInViewer(ListVisit& visit, const Table& table);

// Whether there is a season to show; without one, says so.
bool HasSeason(ListVisit& visit);

// TREND: asks for a stat and shows it for every member over the last eight
// snapshot dates.
Next ShowTrend(ListVisit& visit);
// HISTORY: asks for an ID, 0 or ALL and shows a member's points, the gang's
// sums by date or every point.
Next ShowHistory(ListVisit& visit);

// STALLED: the members whose total rose by no more than the stall bar a
// week over its weeks, the least risen first.
Next ShowStalled(ListVisit& visit);
// CHANGES: who joined, left, returned, was renamed or changed level at
// each snapshot date after the first, newest first.
Next ShowChanges(ListVisit& visit);
// REPORT: the week's report for the gang's chat, on the screen or into the
// list output's file in its format; kept in `last_text`.
Next ShowReport(ListVisit& visit);

// WC's members: by weighted total, highest first, passing over those who
// have left the gang (roster/season_members.h); at most ten.
MemberOrder WarChamberTeam(ListVisit& visit);

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
// SET STALL: asks for the stall bar's weeks, then its bar a week, and keeps
// both only when both lie in their ranges.
void SetStall(Console& console, StallBar& stall);
// The stall bar a week as the texts show it: up to six decimals, without
// the zeros that end them ("0", "500", "2.5").
std::string BarText(double per_week);
// Prints the list of sort and column keywords.
void PrintOptionList(Console& console);

// What Tab offers at the prompts of TREND, HISTORY, SORT, SET OPTIONS and
// SET WEIGHTS: each prompt's words (console/protocol.h WordsOf), each with
// what the read after it offers.
const Completion& TrendPrompt();
const Completion& HistoryPrompt();
const Completion& SortPrompt();
const Completion& OptionsPrompt();
const Completion& WeightsPrompt();

}  // namespace korvelin
