// JSON: the file is one array with an object per table,
//   {"table": "wc", "columns": ["name", "id", ...], "rows": [{"name": ..., "id": ...}, ...]}
// one row to a line.  The array is closed by EndFile; until then the file
// is not a whole document.
#include <cmath>
#include <string>

#include "list/table_writer.h"

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
    rows_ = 0;
    line_ = tables_++ == 0 ? "[\n" : ",\n";
    line_ += "{\"table\": ";
    AppendString(line_, table.name);
    line_ += ", \"columns\": [\"name\"";
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

  void EndTable() override { Write(rows_ == 0 ? "]}" : "\n]}"); }

  void EndFile() override { Write(tables_ == 0 ? "[]\n" : "\n]\n"); }

 private:
  int tables_ = 0;  // tables begun in this file
  int rows_ = 0;    // rows of the table being written
  std::vector<const OptionInfo*> columns_;
  std::string line_;
};

}  // namespace

std::unique_ptr<TableWriter> MakeJsonTables(std::FILE* stream) {
  return std::make_unique<JsonTables>(stream);
}
