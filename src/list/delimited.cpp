// CSV and TSV: a row of column keys, then a row per table row, tables
// separated by an empty line.
//
// CSV follows RFC 4180: commas, CR LF line ends, a field holding a comma, a
// quote, CR or LF in quotes with its quotes doubled.  The file begins with a
// UTF-8 byte-order mark, by which spreadsheets on Windows know the names'
// encoding.  TSV has tabs, LF line ends and no mark; a tab or a line end in
// a name becomes a space, since TSV cannot quote.  In both, a control
// that would turn a name's text around is written as U+FFFD, as on the
// screen.
//
// Players choose their own names, and a spreadsheet runs a cell beginning
// with "=", "+", "-" or "@" (or a tab or CR before one) as a formula: such
// a name is written after an apostrophe, which spreadsheets read as "this
// is text".  Numbers are never names, so they stay numbers.
#include <string>
#include <string_view>

#include "list/table_writer.h"

namespace korvelin {

namespace {

enum class Dialect { kCsv, kTsv };

class DelimitedTable : public TableWriter {
 public:
  // Writes to `out`, a stream or a text.
  template <typename Out>
  DelimitedTable(Out* out, Dialect dialect)
      : TableWriter(out),
        separator_(dialect == Dialect::kCsv ? ',' : '\t'),
        line_end_(dialect == Dialect::kCsv ? "\r\n" : "\n"),
        dialect_(dialect) {}

  // A table after the first is set apart by an empty line; a CSV file
  // begins with the byte-order mark.
  void Begin(const Table& table) override {
    columns_ = &table.columns();
    line_.clear();
    if (tables_ > 0) {
      line_ += line_end_;
    } else if (dialect_ == Dialect::kCsv) {
      line_ += "\xEF\xBB\xBF";
    }
    for (const Column& column : *columns_) {
      if (&column != &columns_->front()) line_ += separator_;
      line_ += column.key;
    }
    line_ += line_end_;
    Write(line_);
    ++tables_;
  }

  // Texts are written as names are, numbers as they stand.
  void Row(const Cell* cells) override {
    line_.clear();
    for (const Column& column : *columns_) {
      if (&column != &columns_->front()) line_ += separator_;
      if (IsNumeric(column.kind)) {
        AppendPlain(line_, column, *cells++);
      } else {
        text_.clear();
        AppendShownPlain(text_, column, *cells++);
        AppendText(text_);
      }
    }
    line_ += line_end_;
    Write(line_);
  }

 private:
  void AppendText(const std::string& text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
    if (dialect_ == Dialect::kTsv) {
      if (formula) line_ += '\'';
      for (char c : text) line_ += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
      return;
    }
    const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos;
    if (quoted) line_ += '"';
    if (formula) line_ += '\'';
    for (char c : text) {
      if (c == '"') line_ += '"';
      line_ += c;
    }
    if (quoted) line_ += '"';
  }

  const char separator_;
  const char* const line_end_;
  const Dialect dialect_;
  int tables_ = 0;                                // tables begun in this file
  const std::vector<Column>* columns_ = nullptr;  // of the table being written
  std::string line_;
  std::string text_;  // a text cell before it is quoted
};

}  // namespace

std::unique_ptr<TableWriter> MakeCsvTable(std::FILE* stream) {
  return std::make_unique<DelimitedTable>(stream, Dialect::kCsv);
}

std::unique_ptr<TableWriter> MakeTsvTable(std::FILE* stream) {
  return std::make_unique<DelimitedTable>(stream, Dialect::kTsv);
}

std::unique_ptr<TableWriter> MakeTsvText(std::string& text) {
  return std::make_unique<DelimitedTable>(&text, Dialect::kTsv);
}

}  // namespace korvelin
