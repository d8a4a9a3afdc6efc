// The table model.  Every table the List protocol shows (LIST, the presets,
// DISPLAY's preview, TREND and HISTORY) is a Table, and every output format
// (the fixed table, CSV, TSV, JSON, Markdown, HTML) is one TableWriter
// (table_writer.h) that writes any Table the same way.
//
// A table is its name, its columns and its rows.  A column says what its
// cells hold (its kind), how each format heads it, how the fixed table lays
// its cells out, and how a row fills its cell.  A table gives any of its
// rows by number, as often as it is asked, filling one Cell per column from
// what it keeps (the roster, an order, the season's values): nothing is
// held as text, so a table of a million rows can be written again through
// another format, or shown a screenful at a time, for the price of its
// order.  A table kept after it was shown is written again, through any
// writer, by WriteTable; a screen viewer asks rows() and columns(), fills
// only the rows it shows and lays each out cell by cell (AppendFixedCell),
// the name column apart from the others.
//
// To add a view: write one function that gathers what its rows read, makes
// a TableOf<Row> whose row function gives row i (the gathered data moved
// into it, so that the table owns it), and adds its columns in order with
// Add, each a Column (ViewColumn, NameColumn below) and the function that
// reads its cell from a Row.  ShowTable (list/visit.h) sends it to the list
// output; a number never names a cell.
//
// To add a format: write one TableWriter (table_writer.h): Begin heads a
// table, Row writes one row from its cells, End closes the table and
// EndFile the document, each cell written by its column's kind with the
// texts below (AppendPlain, AppendFixedCell).  Then give it its extension in
// kFormats (table_writer.cpp).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "roster/member.h"
#include "text/format.h"

namespace korvelin {

// What a column's cells hold, which says how every format writes them.
enum class CellKind {
  kName,       // a member's name as the roster keeps it (bytes, maybe padded)
  kText,       // any other text, as it is
  kDate,       // a day number (text/dates.h), written YYYY-MM-DD
  kInteger,    // a whole number
  kReal,       // a number with the column's decimals
  kSparkline,  // one value per date: block characters, or a line the HTML report draws
};

// Numbers are right-aligned and written as numbers.
inline bool IsNumeric(CellKind kind) {
  return kind == CellKind::kInteger || kind == CellKind::kReal;
}

// One cell's value, read by its column's kind (the reads of another kind
// are not its own).  Sixteen bytes, passed about in two registers: a table
// of a million rows fills several million of them.  Valid while the table
// is.
class Cell {
 public:
  Cell() : integer_(0) {}
  static Cell Integer(std::int64_t value) {
    Cell cell;
    cell.integer_ = value;
    return cell;
  }
  static Cell Real(double value) {
    Cell cell;
    cell.real_ = value;
    return cell;
  }
  // Empty where `value` is NaN, which stands for no value there.
  static Cell RealOrNone(double value) {
    Cell cell = Real(value);
    cell.empty_ = std::isnan(value) ? 1 : 0;
    return cell;
  }
  static Cell Text(std::string_view text) {
    Cell cell;
    cell.text_ = text.data();
    cell.size_ = static_cast<std::uint32_t>(text.size());
    return cell;
  }
  static Cell Date(int day) { return Integer(day); }
  // A sparkline: `points` values, NaN where there is none.
  static Cell Series(const double* values, std::size_t points) {
    Cell cell;
    cell.series_ = values;
    cell.size_ = static_cast<std::uint32_t>(points);
    return cell;
  }
  static Cell None() {
    Cell cell;
    cell.empty_ = 1;
    return cell;
  }

  bool empty() const { return empty_; }                     // no value: an empty cell, null in JSON
  std::int64_t integer() const { return integer_; }         // kInteger; the day of a kDate
  double real() const { return real_; }                     // kReal
  std::string_view text() const { return {text_, size_}; }  // kName, kText
  const double* series() const { return series_; }          // kSparkline
  std::size_t points() const { return size_; }

 private:
  union {
    std::int64_t integer_;
    double real_;
    const char* text_;
    const double* series_;
  };
  std::uint32_t size_ = 0;   // of the text; the sparkline's points
  std::uint32_t empty_ = 0;  // a word, not a bool: a cell is then copied as two words
};
static_assert(sizeof(Cell) == 16, "a cell is two words");

struct Column {
  std::string key;      // heads it in CSV, TSV and JSON: "name", "wtotal", "Per Week"
  std::string heading;  // heads it in Markdown and HTML: "NAME", "Wt Total", "Per Week"
  CellKind kind = CellKind::kText;
  // The fixed table.  With a `format` (an option's printf cell, its
  // separators included), `fixed` is the whole heading cell and each cell
  // is printed by the format.  Otherwise `fixed` and each cell's text are
  // padded to `width` columns (numbers to the right, other text to the
  // left) between a space and " :"; a name is cut there too, and its
  // direction controls are written as U+FFFD.
  std::string fixed;
  std::size_t width = 0;
  const Format* format = nullptr;
  int decimals = 0;        // kReal: the decimals written
  bool minus_zero = true;  // kReal: a value rounded to zero keeps its sign ("-0.00")
  bool bars = false;       // the HTML report draws each value's bar (a stat)
};

// A view's column: headed `heading` everywhere (`fixed` in the fixed table
// when given), `width` columns wide there.  Its reals never show "-0".
Column ViewColumn(const char* heading, std::size_t width, CellKind kind, bool bars = false,
                  int decimals = 0, const char* fixed = nullptr);
// A view's column of a stat, or a sum or change of stats: the HTML report
// draws its bars.
inline Column StatColumn(const char* heading, std::size_t width, CellKind kind = CellKind::kInteger,
                         int decimals = 0) {
  return ViewColumn(heading, width, kind, true, decimals);
}
// The members' names: "Name", "NAME:" in the fixed table, 29 columns.
Column NameColumn();

// A line chart that the HTML report draws above a table: `values` over
// `labels`, one point each.  Nothing is drawn without values.
struct Chart {
  std::string title;
  std::vector<std::string> labels;
  std::vector<double> values;
};

class Table {
 public:
  explicit Table(std::string name) : name_(std::move(name)) {}
  virtual ~Table() = default;
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // As exported files name the table: "wc", "trend total", "history all".
  const std::string& name() const { return name_; }
  const std::vector<Column>& columns() const { return columns_; }
  const Chart& chart() const { return chart_; }
  void SetChart(Chart chart) { chart_ = std::move(chart); }

  virtual std::size_t rows() const = 0;
  // Fills `cells`, one per column, with the cells of row `row` (< rows()).
  virtual void Fill(std::size_t row, Cell* cells) const = 0;

 protected:
  std::vector<Column> columns_;

 private:
  std::string name_;
  Chart chart_;
};

// A table whose rows are each a `Row`, given by a function of the row's
// number (`RowAt`); each column reads its cell from the Row with its
// `Read`, any function of a Row that gives a Cell.  A table of many rows
// and columns may name types of its own for both, which the row loop then
// calls directly (the option tables read each cell through their option).
template <typename Row, typename Read = std::function<Cell(const Row&)>,
          typename RowAt = std::function<Row(std::size_t)>>
class TableOf final : public Table {
 public:
  TableOf(std::string name, std::size_t rows, RowAt row_at)
      : Table(std::move(name)), rows_(rows), row_at_(std::move(row_at)) {}

  // Adds a column after the others, its cells read by `read`.
  void Add(Column column, Read read) {
    columns_.push_back(std::move(column));
    reads_.push_back(std::move(read));
  }

  std::size_t rows() const override { return rows_; }
  void Fill(std::size_t row, Cell* cells) const override {
    const Row at = row_at_(row);
    for (const Read& read : reads_) *cells++ = read(at);
  }

 private:
  std::size_t rows_;
  RowAt row_at_;
  std::vector<Read> reads_;  // one a column, in the columns' order
};

// ---------------------------------------------------------------------------
// How cells are written
// ---------------------------------------------------------------------------

// The cell as the exports write it, appended to `out`: a name as UTF-8
// without the spaces that pad it, a date as YYYY-MM-DD, an integer in full
// (a zero the fixed table leaves blank is 0), a real with the column's
// decimals ("inf", "-inf" or "nan" when it is not finite), a sparkline as
// its block characters; nothing for an empty cell.
void AppendPlain(std::string& out, const Column& column, const Cell& cell);
// AppendPlain as the text exports (CSV, TSV, Markdown) write a cell: the
// controls in a name or a text that would turn the text after them around
// written as U+FFFD (text/width.h ShownText), as the tables on the screen
// write them.
void AppendShownPlain(std::string& out, const Column& column, const Cell& cell);
// Whether a numeric cell has no number to write as one: empty, or not
// finite.
bool HasNoNumber(const Column& column, const Cell& cell);
// A numeric cell's value (0 when empty).
double NumberOf(const Column& column, const Cell& cell);

// The fixed table, cell by cell: the heading cell and a row's cell of a
// column, appended to a line (AppendPaddedCell: a cell of a column without
// a format).  A name that starts the row (`first`) follows the bar
// directly, without the space before other cells.
void AppendFixedHeading(std::string& line, const Column& column, bool first);
void AppendPaddedCell(std::string& line, const Column& column, const Cell& cell, bool first);
inline void AppendFixedCell(std::string& line, const Column& column, const Cell& cell, bool first) {
  if (column.format == nullptr) {
    AppendPaddedCell(line, column, cell, first);
  } else if (column.kind == CellKind::kReal) {
    column.format->AppendTo(line, {cell.real()});
  } else {
    column.format->AppendTo(line, {static_cast<long long>(cell.integer())});
  }
}

// The member's name as UTF-8, without the padding spaces at its end.
std::string PlainName(std::string_view name);

}  // namespace korvelin
