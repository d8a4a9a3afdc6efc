// Markdown: a GitHub-flavoured pipe table per table, under a heading that
// names it ("### WC"), with the table's own headings; numeric columns are
// right-aligned.  Tables are separated by an empty line.
#include <string>

#include "list/table_writer.h"
#include "text/ascii.h"

namespace korvelin {

namespace {

// A name as the text of a cell: the characters that would start a link,
// emphasis, code, an HTML tag or an entity, and "|", which would end the
// cell, are escaped with a backslash (the backslash itself too); a tab or a
// line end, which would break the row, becomes a space.  A leading "@"
// is escaped too, so that a name never mentions someone where the table is
// shown.
void AppendCellText(std::string& out, const std::string& name) {
  if (!name.empty() && name[0] == '@') out += '\\';
  for (char c : name) {
    switch (c) {
      case '\\':
      case '|':
      case '*':
      case '_':
      case '`':
      case '~':
      case '<':
      case '[':
      case ']':
      case '&':
        out += '\\';
        out += c;
        break;
      case '\t':
      case '\n':
      case '\r': out += ' '; break;
      default: out += c;
    }
  }
}

class MarkdownTables : public TableWriter {
 public:
  using TableWriter::TableWriter;

  void BeginTable(const TableShape& table) override {
    columns_ = table.columns;
    line_ = tables_++ == 0 ? "" : "\n";
    line_ += "### " + UpperCase(table.name) + "\n\n| " + PlainHeading(nullptr) + " |";
    for (const OptionInfo* option : columns_) line_ += ' ' + PlainHeading(option) + " |";
    line_ += "\n| --- |";
    for (std::size_t i = 0; i < columns_.size(); ++i) line_ += " ---: |";
    line_ += '\n';
    Write(line_);
  }

  void BeginView(const ViewShape& view) override {
    kinds_.clear();
    line_ = tables_++ == 0 ? "" : "\n";
    line_ += "### " + UpperCase(view.name) + "\n\n|";
    for (const ViewColumn& column : view.columns) line_ += ' ' + column.heading + " |";
    line_ += "\n|";
    for (const ViewColumn& column : view.columns) {
      line_ += IsNumeric(column.kind) ? " ---: |" : " --- |";
      kinds_.push_back(column.kind);
    }
    line_ += '\n';
    Write(line_);
  }

  void ViewRow(const std::vector<ViewCell>& cells) override {
    line_ = "|";
    for (std::size_t i = 0; i < cells.size(); ++i) {
      line_ += ' ';
      if (IsNumeric(kinds_[i])) {
        line_ += cells[i].text;
      } else {
        AppendCellText(line_, PlainCell(kinds_[i], cells[i]));
      }
      line_ += " |";
    }
    line_ += '\n';
    Write(line_);
  }

  void Row(const ListedMember& member) override {
    line_ = "| ";
    AppendCellText(line_, PlainName(member.name));
    line_ += " |";
    for (const OptionInfo* option : columns_) {
      line_ += ' ';
      AppendPlainValue(line_, *option, member.Value(*option));
      line_ += " |";
    }
    line_ += '\n';
    Write(line_);
  }

 private:
  int tables_ = 0;  // tables begun in this file
  std::vector<const OptionInfo*> columns_;
  std::vector<ViewKind> kinds_;  // a view's columns
  std::string line_;
};

}  // namespace

std::unique_ptr<TableWriter> MakeMarkdownTables(std::FILE* stream) {
  return std::make_unique<MarkdownTables>(stream);
}

}  // namespace korvelin
