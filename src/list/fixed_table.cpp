// The fixed table: a header naming the selected columns, a row of stars as
// long as the header, and one row per member, the cells in the program's
// printf formats.  The screen always shows it, and files whose name has no
// export extension hold it.  Every line is built as bytes and written whole.
//
// A view is laid out the same way: each cell is its text padded to the
// column's width (numbers to the right, text to the left, names to 29
// columns) between a space and " :", except that a name that starts the
// row follows the bar directly, as in every other table.
#include <string>
#include <string_view>

#include "list/table_writer.h"
#include "text/width.h"

namespace korvelin {

namespace {

// The name heading: a bar and 31 characters.
const char kNameHeading[] = "| NAME:                        :";
constexpr std::size_t kNameWidth = 31;
constexpr std::size_t kNameCell = kNameLength;

class FixedTable : public TableWriter {
 public:
  using TableWriter::TableWriter;

  void BeginTable(const TableShape& table) override {
    columns_ = table.columns;
    line_ = kNameHeading;
    std::size_t stars = kNameWidth;
    for (const OptionInfo* option : columns_) {
      const std::string heading = OptionHeader(*option);
      line_ += heading;
      stars += heading.size();
    }
    line_ += "|\n|";
    line_.append(stars, '*');
    line_ += "|\n";
    Write(line_);
  }

  // The name cell (a bar, the name left-aligned in 29 characters, " :"),
  // then the cells.
  void Row(const ListedMember& member) override {
    line_.assign(1, '|');
    AppendColumns(line_, member.name, kNameCell, kNameCell, true);
    line_ += " :";
    for (const OptionInfo* option : columns_) {
      OptionAppendCell(line_, *option, member.Value(*option));
    }
    line_ += "|\n";
    Write(line_);
  }

  void BeginView(const ViewShape& view) override {
    view_ = &view;
    line_.assign(1, '|');
    for (const ViewColumn& column : view.columns) {
      // A name that starts the row has no space before it: its heading
      // ("| NAME:") takes that column.
      const bool first_name = column.kind == ViewKind::kName && &column == &view.columns[0];
      line_ += ' ';
      AppendColumns(line_, column.fixed, column.width - (first_name ? 1 : 0), std::string::npos,
                    !IsNumeric(column.kind));
      line_ += " :";
    }
    const std::size_t stars = line_.size() - 1;  // headings are ASCII
    line_ += "|\n|";
    line_.append(stars, '*');
    line_ += "|\n";
    Write(line_);
  }

  void ViewRow(const std::vector<ViewCell>& cells) override {
    line_.assign(1, '|');
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const ViewColumn& column = view_->columns[i];
      if (column.kind == ViewKind::kName) {
        if (i > 0) line_ += ' ';
        AppendColumns(line_, cells[i].text, kNameCell, kNameCell, true);
      } else {
        line_ += ' ';
        AppendColumns(line_, cells[i].text, column.width, std::string::npos,
                      !IsNumeric(column.kind));
      }
      line_ += " :";
    }
    line_ += "|\n";
    Write(line_);
  }

 private:
  std::vector<const OptionInfo*> columns_;
  const ViewShape* view_ = nullptr;  // the view being written
  std::string line_;                 // kept between rows, so that its memory is reused
};

}  // namespace

std::unique_ptr<TableWriter> MakeFixedTable(std::FILE* stream) {
  return std::make_unique<FixedTable>(stream);
}

}  // namespace korvelin
