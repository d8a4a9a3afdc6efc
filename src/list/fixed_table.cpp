// The fixed table: a header naming the columns, a row of stars as long as
// the header, and a row per table row, each cell laid out as its column
// says (list/table.h: an option's printf cell, or the text padded to the
// column's width).  The screen always shows it, and files whose name has
// no export extension hold it.  Every line is built as bytes and written
// whole.
#include <string>

#include "list/table_writer.h"

namespace korvelin {

namespace {

class FixedTable : public TableWriter {
 public:
  using TableWriter::TableWriter;

  void Begin(const Table& table) override {
    columns_ = &table.columns();
    line_.assign(1, '|');
    for (const Column& column : *columns_) {
      AppendFixedHeading(line_, column, &column == &columns_->front());
    }
    const std::size_t stars = line_.size() - 1;  // headings are ASCII
    line_ += "|\n|";
    line_.append(stars, '*');
    line_ += "|\n";
    Write(line_);
  }

  void Row(const Cell* cells) override {
    line_.assign(1, '|');
    for (const Column& column : *columns_) {
      AppendFixedCell(line_, column, *cells++, &column == &columns_->front());
    }
    line_ += "|\n";
    Write(line_);
  }

  // The report as the screen shows it.
  bool WriteReport(const Report& report) override {
    Write(ScreenText(report));
    return true;
  }

 private:
  const std::vector<Column>* columns_ = nullptr;  // of the table being written
  std::string line_;                              // kept between rows, so that its memory is reused
};

}  // namespace

std::unique_ptr<TableWriter> MakeFixedTable(std::FILE* stream) {
  return std::make_unique<FixedTable>(stream);
}

}  // namespace korvelin
