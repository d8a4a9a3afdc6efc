// A stat table's header row, whose headings say which cell of a row holds
// which value, and the records of a table read by them: tab-separated
// lines, or CSV.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "text/text_stream.h"

namespace korvelin {

// The values a header row may name a column of, in the order of a row's
// fields: the level, then the six stats.
enum class TableValue { kLevel, kSpeed, kPower, kStrength, kHealth, kIntel, kBeg };
constexpr std::size_t kTableValues = 7;

// Where a header row puts each value: a cell's number, or kNoCell.
struct TableColumns {
  static constexpr int kNoCell = -1;
  char separator = 0;  // '\t', or ',' or ';' for CSV; 0: no header row read
  int id = kNoCell;
  int name = kNoCell;
  int unnamed = kNoCell;  // the first column no heading names
  // Each value's column: the new snapshot's ("New Speed", "Speed"), else
  // the old one's ("Old Speed").
  std::array<int, kTableValues> value{kNoCell, kNoCell, kNoCell, kNoCell,
                                      kNoCell, kNoCell, kNoCell};
  // The old snapshot's column of a stat whose new one is there too.
  std::array<int, kTableValues> old_value{kNoCell, kNoCell, kNoCell, kNoCell,
                                          kNoCell, kNoCell, kNoCell};
};

// Whether the first `count` cells are a header row: among them, headings
// (in any case, blanks and a last ":" aside) of the ID ("ID", "ID #") and
// of the level or a stat ("Level", "Speed", "New Speed", "newspeed", "Str",
// "Old Intel", "Begging", ...); a name's ("Name", "NAME:") may be there
// too.  `columns` then says where each is (the first of two alike), the
// cells being separated by `separator`.
bool ReadHeadings(const std::vector<std::string>& cells, std::size_t count, char separator,
                  TableColumns& columns);

// The bytes of a cell, and the cells of a record, that are kept: what a
// value or a name, and a table's columns, need, many times over; the rest
// of a longer cell or record is dropped, so that a line of a million commas
// takes no memory.
constexpr std::size_t kCellBytes = 1024;
constexpr std::size_t kRecordCells = 1024;

// Reads one record into the first `count` cells of `cells` (reused from
// record to record; at most kRecordCells): the cells up to the line end (LF, CR LF or a lone
// CR), separated by `separator`.  With a comma or semicolon it is CSV: a
// cell that begins with a double quote is quoted up to the next lone one,
// a doubled quote inside standing for one, and may hold separators and
// line ends.  False when the stream ends before a record.
bool ReadRecord(TextStream& in, char separator, std::vector<std::string>& cells,
                std::size_t& count);

}  // namespace korvelin
