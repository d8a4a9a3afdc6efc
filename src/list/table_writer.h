// Table writers: the fixed table and the export formats (CSV, TSV, JSON,
// Markdown, HTML) behind one interface, the file name's extension choosing
// among them, and the walk over the rows that every table shares.  Writers
// write only to their stream; the List protocol tells the console.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "list/sort.h"
#include "roster/columns.h"
#include "roster/options.h"
#include "roster/roster.h"
#include "roster/settings.h"
#include "text/text_stream.h"

namespace korvelin {

// What a table shows besides its rows.
struct TableShape {
  const char* name;                        // "list", "default", "percent", "wc", ...
  std::vector<const OptionInfo*> columns;  // after the name column, in table order
};

// One member as a table shows it: its name and, through the weights, the
// value of every column.  Valid while the roster and the weights are.
struct ListedMember {
  std::string_view name;
  const Member* member;
  const Weights* weights;
  OptionValue Value(const OptionInfo& option) const {
    return OptionRead(option, *member, *weights);
  }
};

// Views: the tables whose columns are not the 35 options (TREND and
// HISTORY), made of named columns and cells of text and values.

// What a view's column holds, which says how each writer shows its cells.
enum class ViewKind {
  kName,       // a member's name, as the roster keeps it
  kText,       // other text: a date
  kNumber,     // a number that is not a stat: an ID, a level, a count of members
  kStat,       // a stat, or a sum or a change of stats: the HTML report draws its value bars
  kSparkline,  // block characters, one per date; the HTML report draws the line itself
};

struct ViewColumn {
  std::string heading;  // as the exports head it: "Per Week", "2026-11-17"
  std::string fixed;    // as the fixed table heads it: "Per Week", "11-17"
  std::size_t width;    // the fixed table's cells: the columns their text is padded to
  ViewKind kind;
  double largest = 0.0;  // kStat: the largest magnitude in the column, the bars' full length
};

// A line chart that the HTML report draws above a view's table: `values`
// over `labels`, one point each.  Nothing is drawn without values.
struct ViewChart {
  std::string title;
  std::vector<std::string> labels;
  std::vector<double> values;
};

struct ViewShape {
  std::string name;  // as exported files name the table: "trend total", "history all"
  std::vector<ViewColumn> columns;
  ViewChart chart;
};

// One cell of a view's row: its text as shown, without padding (empty for
// an empty cell; for a kName column the name as the roster keeps it), the
// value of a number, and a sparkline's values, NaN where there is none.
struct ViewCell {
  std::string text;
  double value = 0.0;
  std::vector<double> series;
};

// Writes tables, one after another, to one stream.  For each table
// BeginTable, then Row for each member, then EndTable; or, for a view,
// BeginView, then ViewRow for each row (a cell per column), then EndTable.
// Once the stream stops being the list output, EndFile completes the
// document.
class TableWriter {
 public:
  explicit TableWriter(std::FILE* stream) : stream_(stream) {}
  virtual ~TableWriter() = default;
  TableWriter(const TableWriter&) = delete;
  TableWriter& operator=(const TableWriter&) = delete;

  virtual void BeginTable(const TableShape& table) = 0;
  virtual void Row(const ListedMember& member) = 0;
  virtual void BeginView(const ViewShape& view) = 0;
  virtual void ViewRow(const std::vector<ViewCell>& cells) = 0;
  virtual void EndTable() {}
  virtual void EndFile() {}

 protected:
  void Write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream_); }

 private:
  std::FILE* stream_;
};

// The writers, each over a stream it does not own.
std::unique_ptr<TableWriter> MakeFixedTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeCsvTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeTsvTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeJsonTables(std::FILE* stream);
std::unique_ptr<TableWriter> MakeMarkdownTables(std::FILE* stream);
std::unique_ptr<TableWriter> MakeHtmlReport(std::FILE* stream);

// A file that is the list output, with the writer its name's extension
// picks.
class TableFile {
 public:
  // Opens `name` for writing, emptying it; null when it cannot be opened.
  static std::unique_ptr<TableFile> Open(const std::string& name);

  TableWriter& writer() { return *writer_; }
  // Sends what was written to the file: false when any of it did not
  // reach it.
  bool Flush();
  // Completes the document and flushes it: false when anything written to
  // the file did not reach it.  Closing without Finish (after a failed
  // write) adds nothing to the file.
  bool Finish();

 private:
  FilePtr file_;
  std::unique_ptr<TableWriter> writer_;  // released before the file closes
};

// What a table holds: the roster's members under the weights, in `order`
// (at most `rows` of them), in the columns `columns` selects.  Without an
// order only the start of the table is written (DISPLAY's preview).  Ctrl-C
// stops the rows after the one being written (console/interrupt.h); the
// table is ended all the same, so that the document stays whole.
struct TableContent {
  const char* name;
  const Roster& roster;
  const Weights& weights;
  const ColumnSet& columns;
  const MemberOrder* order;
  int rows;
};
void WriteTable(TableWriter& writer, const TableContent& content);

// ---------------------------------------------------------------------------
// What the export formats share
// ---------------------------------------------------------------------------

// The member's name as UTF-8, without the padding spaces at its end.
std::string PlainName(std::string_view name);
// The column's heading as the table prints it, without the spaces and the
// colon around it ("Total %"); "NAME" for the name column (null).
std::string PlainHeading(const OptionInfo* option);
// The value as the table shows it, without padding: integers in full (a zero
// the table leaves blank is 0), reals with the table's decimals, and "inf",
// "-inf" or "nan" for a real that is not finite.
void AppendPlainValue(std::string& out, const OptionInfo& option, const OptionValue& value);
// Whether the column is one of the stats, whose values the HTML report
// draws bars for: every option but the ID and the level.
bool IsStatOption(const OptionInfo& option);
// Whether a view's column holds numbers, which the exports right-align and
// write as numbers.
inline bool IsNumeric(ViewKind kind) {
  return kind == ViewKind::kNumber || kind == ViewKind::kStat;
}
// A view cell's text as the exports write it: a name as PlainName gives
// it, any other text as it is.
std::string PlainCell(ViewKind kind, const ViewCell& cell);

}  // namespace korvelin
