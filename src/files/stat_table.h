// The game's stat tables, as LOAD imports them and UPDATE applies them: one
// member per line, "Name (ID) level speed power strength health".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/stop_request.h"
#include "roster/member.h"
#include "roster/roster.h"
#include "roster/season.h"
#include "text/text_sink.h"
#include "text/text_stream.h"

namespace korvelin {

// The numbers a full row carries after its ID: the level and four stats.
constexpr int kRowFields = 5;

// One row as read: the member's stats and its name.
struct TableRow {
  Member member;
  std::string name;
  int fields = 0;    // the numbers its line carried after the ID, 0 to kRowFields
  std::string echo;  // the row's echo line, kept from row to row for its memory

  int stats() const { return fields > 1 ? fields - 1 : 0; }  // speed ... health: 0 to 4
  bool complete() const { return fields == kRowFields; }
};

// Reads the next row: its name, its ID and, in order, as many of the level
// and the four stats as its own line carries; the ones after the first that
// is missing are missing too, and are 0.  A row with a stat has both
// snapshots equal, intelligence 1000 and beg 2.0; one without keeps them 0.
// A row is a line with a "(" directly followed by a digit (the ID); lines
// without one are skipped whole, and those holding more than spaces
// (tabs and Unicode spaces are spaces) are counted in `skipped`, as are rows
// of ID 0.  Tabs separate fields like spaces, numbers may group their
// digits by thousands (ReadTableInt), and LF, CR LF and a lone CR end a
// line.  False when the stream ends before a row.
bool ReadTableRow(TextStream& in, TableRow& row, int& skipped);

// Writes the row's echo line: name, ID and level, then the stats it
// carries, followed by "   [MISSING STATS]" when it lacks some of them.
void EchoTableRow(TableRow& row, TextSink& echo);

// What reading a whole table came to.  In one table only the first row of
// an ID is taken; the others are neither echoed nor used.
struct TableReport {
  int rows = 0;              // rows taken
  int skipped = 0;           // lines without an ID, and rows of ID 0
  int repeated = 0;          // rows whose ID an earlier row of the table had
  int incomplete = 0;        // rows taken without their level or one of their stats
  bool interrupted = false;  // the stop request stopped the reading
};

// Empties `roster` and fills it with the rows taken, in file order, echoing
// each, and adds each member taken to `snapshot` when one is given.  A stop
// request stops the reading after the row being read, `roster` then
// holding part of the table.
TableReport ImportStatTable(TextStream& in, Roster& roster, TextSink& echo, StopRequest& stop,
                            Snapshot* snapshot = nullptr);

// UPDATE's report: also who the table left out.
struct UpdateReport : TableReport {
  // Where the members whose ID no row carried stand in the updated roster,
  // in roster order (none when no row was taken).
  std::vector<std::size_t> absent;
};

// Applies the rows taken to `roster`: the first member with the row's ID
// takes its name, the level when the row has one, and the new stats it
// carries (the old snapshot, intelligence and beg stay: gains are measured
// against them); an unknown ID joins the roster at the front.  Echoes each,
// and adds the member as the row left it to `snapshot` when one is given.
// A stop request stops it after the row being read, `roster` then changed
// part-way.
UpdateReport UpdateFromStatTable(TextStream& in, Roster& roster, TextSink& echo, StopRequest& stop,
                                 Snapshot* snapshot = nullptr);

}  // namespace korvelin
