// CSV and TSV: a row of column keywords, then a row per member, tables
// separated by an empty line.
//
// CSV follows RFC 4180: commas, CR LF line ends, a field holding a comma, a
// quote, CR or LF in quotes with its quotes doubled.  The file begins with a
// UTF-8 byte-order mark, by which spreadsheets on Windows know the names'
// encoding.  TSV has tabs, LF line ends and no mark; a tab or a line end in
// a name becomes a space, since TSV cannot quote.
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
  DelimitedTable(std::FILE* stream, Dialect dialect)
      : TableWriter(stream),
        separator_(dialect == Dialect::kCsv ? ',' : '\t'),
        line_end_(dialect == Dialect::kCsv ? "\r\n" : "\n"),
        dialect_(dialect) {}

  void BeginTable(const TableShape& table) override {
    columns_ = table.columns;
    StartTable();
    line_ += "name";
    for (const OptionInfo* option : columns_) {
      line_ += separator_;
      line_ += option->keyword;
    }
    line_ += line_end_;
    Write(line_);
  }

  // A view's header row holds its headings; its names and other texts are
  // written as names are, its numbers as they stand.
  void BeginView(const ViewShape& view) override {
    kinds_.clear();
    StartTable();
    for (const ViewColumn& column : view.columns) {
      if (!kinds_.empty()) line_ += separator_;
      line_ += column.heading;
      kinds_.push_back(column.kind);
    }
    line_ += line_end_;
    Write(line_);
  }

  void ViewRow(const std::vector<ViewCell>& cells) override {
    line_.clear();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) line_ += separator_;
      if (IsNumeric(kinds_[i])) {
        line_ += cells[i].text;
      } else {
        AppendName(PlainCell(kinds_[i], cells[i]));
      }
    }
    line_ += line_end_;
    Write(line_);
  }

  void Row(const ListedMember& member) override {
    line_.clear();
    AppendName(PlainName(member.name));
    for (const OptionInfo* option : columns_) {
      line_ += separator_;
      AppendPlainValue(line_, *option, member.Value(*option));
    }
    line_ += line_end_;
    Write(line_);
  }

 private:
  // A table after the first is set apart by an empty line; a CSV file
  // begins with the byte-order mark.
  void StartTable() {
    line_.clear();
    if (tables_++ > 0) {
      line_ += line_end_;
    } else if (dialect_ == Dialect::kCsv) {
      line_ += "\xEF\xBB\xBF";
    }
  }

  void AppendName(std::string name) {
    if (!name.empty() && std::string_view("=+-@\t\r").find(name[0]) != std::string_view::npos) {
      name.insert(0, 1, '\'');
    }
    if (dialect_ == Dialect::kTsv) {
      for (char c : name) line_ += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
      return;
    }
    if (name.find_first_of(",\"\r\n") == std::string::npos) {
      line_ += name;
      return;
    }
    line_ += '"';
    for (char c : name) {
      if (c == '"') line_ += '"';
      line_ += c;
    }
    line_ += '"';
  }

  const char separator_;
  const char* const line_end_;
  const Dialect dialect_;
  int tables_ = 0;  // tables begun in this file
  std::vector<const OptionInfo*> columns_;
  std::vector<ViewKind> kinds_;  // a view's columns
  std::string line_;
};

}  // namespace

std::unique_ptr<TableWriter> MakeCsvTable(std::FILE* stream) {
  return std::make_unique<DelimitedTable>(stream, Dialect::kCsv);
}

std::unique_ptr<TableWriter> MakeTsvTable(std::FILE* stream) {
  return std::make_unique<DelimitedTable>(stream, Dialect::kTsv);
}

}  // namespace korvelin
