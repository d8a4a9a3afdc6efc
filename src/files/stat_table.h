// The game's stat tables, as LOAD imports them and UPDATE applies them: one
// member per line, "Name (ID) level speed power strength health".
#pragma once

#include <string>

#include "roster/member.h"
#include "roster/roster.h"
#include "text/text_sink.h"
#include "text/text_stream.h"

// One row as read: the member's stats and its name.
struct TableRow {
  Member member;
  std::string name;
  std::string echo;  // the row's echo line, kept from row to row for its memory
};

// Reads the next row, echoing it to `echo`: name, ID, level and, when the
// row carries them, the four stats (both snapshots), intelligence 1000 and
// beg 2.0.  A row is a line with a "(" directly followed by a digit (the
// ID); lines without one are skipped whole, and those holding more than
// spaces and tabs are counted in `skipped`.  Tabs separate fields like
// spaces, and numbers may group their digits by thousands with commas.
// False, with nothing echoed, when the stream ends before a row.
bool ReadTableRow(TextStream& in, TableRow& row, int& skipped, TextSink& echo);

// What reading a whole table came to.
struct TableReport {
  int rows = 0;              // rows read
  int skipped = 0;           // lines without an ID
  bool interrupted = false;  // Ctrl-C stopped the reading (console/interrupt.h)
};

// Empties `roster` and fills it with the rows of a stat table, in file
// order, echoing each.  Ctrl-C stops the reading after the row being read,
// `roster` then holding part of the table.
TableReport ImportStatTable(TextStream& in, Roster& roster, TextSink& echo);

// Applies every row of a stat table to `roster`: the first member with the
// row's ID takes its name, level and new stats (the old snapshot,
// intelligence and beg stay: gains are measured against them); an unknown ID
// joins the roster at the front.  Echoes each row.  Ctrl-C stops it after
// the row being read, `roster` then changed part-way.
TableReport UpdateFromStatTable(TextStream& in, Roster& roster, TextSink& echo);
