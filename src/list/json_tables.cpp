// JSON: the file is one array with an object per table,
//   {"table": "wc", "columns": ["name", "id", ...], "rows": [{"name": ..., "id": ...}, ...]}
// one row to a line.  The array is closed by EndFile; until then the file
// is not a whole document.
#include <string>

#include "list/table_writer.h"

namespace korvelin {

namespace {

void AppendString(std::string& out, const std::string& text) {
  static const char kHex[] = "0123456789abcdef";
  out += '"';
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 15];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

class JsonTables : public TableWriter {
 public:
  using TableWriter::TableWriter;

  void Begin(const Table& table) override {
    columns_ = &table.columns();
    rows_ = 0;
    line_ = tables_ == 0 ? "[\n" : ",\n";
    line_ += "{\"table\": ";
    AppendString(line_, table.name());
    line_ += ", \"columns\": [";
    for (const Column& column : *columns_) {
      if (&column != &columns_->front()) line_ += ", ";
      AppendString(line_, column.key);
    }
    line_ += "], \"rows\": [";
    Write(line_);
    ++tables_;
  }

  // A row is an object keyed by the columns' keys.  JSON has no numbers
  // that are not finite: those and empty cells are null.
  void Row(const Cell* cells) override {
    line_ = rows_ == 0 ? "\n{" : ",\n{";
    for (const Column& column : *columns_) {
      const Cell& cell = *cells++;
      if (&column != &columns_->front()) line_ += ", ";
      AppendString(line_, column.key);
      line_ += ": ";
      if (!IsNumeric(column.kind)) {
        text_.clear();
        AppendPlain(text_, column, cell);
        AppendString(line_, text_);
      } else if (HasNoNumber(column, cell)) {
        line_ += "null";
      } else {
        AppendPlain(line_, column, cell);
      }
    }
    line_ += '}';
    Write(line_);
    ++rows_;
  }

  void End() override { Write(rows_ == 0 ? "]}" : "\n]}"); }

  void EndFile() override { Write(tables_ == 0 ? "[]\n" : "\n]\n"); }

 private:
  int tables_ = 0;                                // tables begun in this file
  std::size_t rows_ = 0;                          // rows of the table being written
  const std::vector<Column>* columns_ = nullptr;  // of the table being written
  std::string line_;
  std::string text_;  // a text cell before it is quoted
};

}  // namespace

std::unique_ptr<TableWriter> MakeJsonTables(std::FILE* stream) {
  return std::make_unique<JsonTables>(stream);
}

}  // namespace korvelin
