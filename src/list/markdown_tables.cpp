// Markdown: a GitHub-flavoured pipe table per table, under a heading that
// names it ("### WC"), with the columns' headings; numeric columns are
// right-aligned.  A report is its chat Markdown (list/report.h).  Tables
// and reports are separated by an empty line.  A control that would turn a
// name's text around is written as U+FFFD, as on the screen.
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

  void Begin(const Table& table) override {
    columns_ = &table.columns();
    line_ = tables_ == 0 ? "" : "\n";
    line_ += "### " + UpperCase(table.name()) + "\n\n|";
    for (const Column& column : *columns_) line_ += ' ' + column.heading + " |";
    line_ += "\n|";
    for (const Column& column : *columns_) line_ += IsNumeric(column.kind) ? " ---: |" : " --- |";
    line_ += '\n';
    Write(line_);
    ++tables_;
  }

  void Row(const Cell* cells) override {
    line_ = "|";
    for (const Column& column : *columns_) {
      line_ += ' ';
      if (IsNumeric(column.kind)) {
        AppendPlain(line_, column, *cells++);
      } else {
        text_.clear();
        AppendShownPlain(text_, column, *cells++);
        AppendCellText(line_, text_);
      }
      line_ += " |";
    }
    line_ += '\n';
    Write(line_);
  }

  // The report as a chat takes it, apart from the tables as they are.
  bool WriteReport(const Report& report) override {
    line_ = tables_ == 0 ? "" : "\n";
    line_ += ChatMarkdown(report);
    Write(line_);
    ++tables_;
    return true;
  }

 private:
  int tables_ = 0;                                // tables and reports begun in this file
  const std::vector<Column>* columns_ = nullptr;  // of the table being written
  std::string line_;
  std::string text_;  // a text cell before it is escaped
};

}  // namespace

std::unique_ptr<TableWriter> MakeMarkdownTables(std::FILE* stream) {
  return std::make_unique<MarkdownTables>(stream);
}

}  // namespace korvelin
