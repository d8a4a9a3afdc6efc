// The game's stat tables, as LOAD imports them and UPDATE applies them: one
// member per line, "Name (ID) level speed power strength health", or cells
// read by a header row's headings (tab-separated, CSV, or a saved web
// page's table).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/stop_request.h"
#include "files/table_columns.h"
#include "roster/member.h"
#include "roster/roster.h"
#include "roster/season.h"
#include "text/text_sink.h"
#include "text/text_stream.h"

namespace korvelin {

// What a row carries, as bits of TableRow::carried: the level and the six
// stats, in the order of TableValue (files/table_columns.h).
constexpr unsigned Bit(TableValue value) { return 1u << static_cast<unsigned>(value); }
// A full row: the level and four stats (a header row may name more).
constexpr unsigned kRowValues = Bit(TableValue::kLevel) | Bit(TableValue::kSpeed) |
                                Bit(TableValue::kPower) | Bit(TableValue::kStrength) |
                                Bit(TableValue::kHealth);

// One row as read: the member's stats and its name.
struct TableRow {
  Member member;
  std::string name;
  unsigned carried = 0;          // the values its line carried
  unsigned wanted = kRowValues;  // the values a full row of its table carries
  bool more_numbers = false;     // a row without tabs held numbers after its health
  std::string echo;              // the row's echo line, kept from row to row for its memory

  bool Carries(TableValue value) const { return (carried & Bit(value)) != 0; }
  bool complete() const { return (carried & wanted) == wanted; }
  // Whether it carries a stat, not only the level.
  bool HasStat() const { return (carried & ~Bit(TableValue::kLevel)) != 0; }
};

// Reads the next row of a table without a header row: its name, its ID
// and, in order, as many of the level and the four stats as its own line
// carries; a missing one is 0.  A row with a stat has both snapshots equal,
// intelligence 1000 and beg 2.0; one without keeps them 0.
// A row is a line with a "(" directly followed by a digit: the ID is the
// last such "(" and digits before the row's numbers, so that an earlier
// one ("Agent (007) Bond (445566)") is part of the name.  Lines without
// one are skipped whole, and those holding more than spaces (tabs and
// Unicode spaces are spaces) are counted in `skipped`, as are rows of ID 0.
// The name loses the blanks at its ends; a tab or a Unicode space in it is
// a space.  Numbers may group their digits by thousands (ReadTableInt),
// and LF, CR LF and a lone CR end a line.  Up to the first tab after the ID
// the numbers are separated by anything but digits; from a tab on, each
// cell (up to the next tab) is one value, a cell without a digit ("N/A",
// "-", empty) a missing one, its digits one number (ParseCellInt).
// False when the stream ends before a row.
bool ReadTableRow(TextStream& in, TableRow& row, int& skipped);

// Reads a table's rows in whichever form it comes: a web page's tables
// (when the text begins, after blanks, with "<"; text/web_table.h), rows
// as ReadTableRow reads them, and, once a line with tabs, commas or
// semicolons is a header row (ReadHeadings), the rows below it by its
// columns, as CSV when it is comma- or semicolon-separated.  In those the
// name is the name column's (without the apostrophe an export put before a
// name a spreadsheet would run as a formula), else the ID cell's text
// before its "(", else the first column no heading names; the ID the last
// "(" and digits of the ID cell, else its number; a row whose ID cell has
// no number is a line without an ID.  Any text is read alike (a file's,
// or text pasted), fastest when it lies in memory whole; a web page's rows
// replace the text of `in`.
class TableReader {
 public:
  explicit TableReader(TextStream& in);
  TableReader(const TableReader&) = delete;  // it may read from its own page_
  TableReader& operator=(const TableReader&) = delete;
  // Reads the next row; false at the end of the table.  Lines without an
  // ID and rows of ID 0 are counted in `skipped`.
  bool Next(TableRow& row, int& skipped);
  // The text the rows are read from.
  TextStream& text() { return *in_; }

 private:
  bool TakeHeader(std::string_view line);
  bool NextByColumns(TableRow& row, int& skipped);
  std::string_view Cell(int column) const;

  TextStream* in_;
  std::optional<TextStream> page_;  // a web page's rows
  TableColumns columns_;            // of the last header row read
  std::vector<std::string> cells_;  // of the record being read
  std::size_t count_ = 0;           // its cells
};

// Writes the row's echo line: name, ID and level, then the stats it
// carries, followed by "   [MISSING STATS]" when it lacks some of them
// (one it lacks before one it carries is blank).
void EchoTableRow(TableRow& row, TextSink& echo);

// What reading a whole table came to.  In one table only the first row of
// an ID is taken; the others are neither echoed nor used.
struct TableReport {
  int rows = 0;              // rows taken
  int skipped = 0;           // lines without an ID, and rows of ID 0
  int repeated = 0;          // rows whose ID an earlier row of the table had
  int incomplete = 0;        // rows taken without their level or one of their stats
  int more_numbers = 0;      // rows taken that held more numbers than a row's values
  bool interrupted = false;  // the stop request stopped the reading
};

// Empties `roster` and fills it with the rows taken (TableReader), in file
// order, echoing each, and adds each member taken to `snapshot` when one is
// given.  A header row's old-snapshot column of a stat gives the old value
// when its new one is there too; otherwise both snapshots are equal.  A stop
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
// carries (the old snapshot stays: gains are measured against it; so do
// intelligence and beg, unless a header row names them); an unknown ID
// joins the roster at the front.  Echoes each,
// and adds the member as the row left it to `snapshot` when one is given.
// A stop request stops it after the row being read, `roster` then changed
// part-way.
UpdateReport UpdateFromStatTable(TextStream& in, Roster& roster, TextSink& echo, StopRequest& stop,
                                 Snapshot* snapshot = nullptr);

}  // namespace korvelin
