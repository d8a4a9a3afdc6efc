// JSON: the file is one array with an object per table,
//   {"table": "wc", "columns": ["name", "id", ...], "rows": [{"name": ..., "id": ...}, ...]}
// one row to a line.  The array is closed by EndFile; until then the file
// is not a whole document.
#include <cmath>
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

  void BeginTable(const TableShape& table) override {
    columns_ = table.columns;
    StartTable(table.name);
    line_ += "\"name\"";
    for (const OptionInfo* option : columns_) {
      line_ += ", ";
      AppendString(line_, option->keyword);
    }
    line_ += "], \"rows\": [";
    Write(line_);
  }

  void Row(const ListedMember& member) override {
    line_ = rows_++ == 0 ? "\n" : ",\n";
    line_ += "{\"name\": ";
    AppendString(line_, PlainName(member.name));
    for (const OptionInfo* option : columns_) {
      line_ += ", ";
      AppendString(line_, option->keyword);
      line_ += ": ";
      // JSON has no numbers that are not finite.
      const OptionValue value = member.Value(*option);
      if (value.real && !std::isfinite(value.number)) {
        line_ += "null";
      } else {
        AppendPlainValue(line_, *option, value);
      }
    }
    line_ += '}';
    Write(line_);
  }

  // A view's row is an object keyed by the headings; an empty number is
  // null.
  void BeginView(const ViewShape& view) override {
    StartTable(view.name);
    view_ = &view;
    for (std::size_t i = 0; i < view.columns.size(); ++i) {
      if (i > 0) line_ += ", ";
      AppendString(line_, view.columns[i].heading);
    }
    line_ += "], \"rows\": [";
    Write(line_);
  }

  void ViewRow(const std::vector<ViewCell>& cells) override {
    line_ = rows_++ == 0 ? "\n{" : ",\n{";
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const ViewColumn& column = view_->columns[i];
      if (i > 0) line_ += ", ";
      AppendString(line_, column.heading);
      line_ += ": ";
      if (!IsNumeric(column.kind)) {
        AppendString(line_, PlainCell(column.kind, cells[i]));
      } else {
        line_ += cells[i].text.empty() ? "null" : cells[i].text;
      }
    }
    line_ += '}';
    Write(line_);
  }

  void EndTable() override { Write(rows_ == 0 ? "]}" : "\n]}"); }

  void EndFile() override { Write(tables_ == 0 ? "[]\n" : "\n]\n"); }

 private:
  // The table's object up to its list of columns.
  void StartTable(const std::string& name) {
    rows_ = 0;
    line_ = tables_++ == 0 ? "[\n" : ",\n";
    line_ += "{\"table\": ";
    AppendString(line_, name);
    line_ += ", \"columns\": [";
  }

  const ViewShape* view_ = nullptr;  // the view being written
  int tables_ = 0;                   // tables begun in this file
  int rows_ = 0;                     // rows of the table being written
  std::vector<const OptionInfo*> columns_;
  std::string line_;
};

}  // namespace

std::unique_ptr<TableWriter> MakeJsonTables(std::FILE* stream) {
  return std::make_unique<JsonTables>(stream);
}

}  // namespace korvelin
