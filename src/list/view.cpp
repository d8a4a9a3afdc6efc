// Tables in the console's viewer (console/table_viewer.h): a Table handed
// over cell by cell as the fixed table lays it out, only the rows shown
// filled.
#include <string>
#include <vector>

#include "list/visit.h"
#include "text/format.h"

namespace korvelin {

namespace {

// The lines a table takes beyond its rows when it is printed: the headings,
// the row of stars, the empty line after it and the List prompt's three.
constexpr std::size_t kLinesBeyondRows = 6;

class TableView final : public ViewedTable {
 public:
  explicit TableView(const Table& table) : table_(table), cells_(table.columns().size()) {
    const std::vector<Column>& columns = table.columns();
    for (std::size_t c = 0; c < columns.size() && name_ == std::string::npos; ++c) {
      if (columns[c].kind == CellKind::kName) name_ = c;
    }
  }

  std::size_t Rows() const override { return table_.rows(); }
  std::size_t Columns() const override { return cells_.size(); }
  // A table without names (the gang's sums) holds its first column, the
  // date.
  std::size_t HeldColumns() const override { return name_ == std::string::npos ? 1 : name_ + 1; }

  void Headings(std::vector<std::string>& cells) const override {
    const std::vector<Column>& columns = table_.columns();
    cells.assign(columns.size(), std::string());
    for (std::size_t c = 0; c < columns.size(); ++c)
      AppendFixedHeading(cells[c], columns[c], c == 0);
  }

  void Cells(std::size_t row, std::vector<std::string>& cells) const override {
    const std::vector<Column>& columns = table_.columns();
    table_.Fill(row, cells_.data());
    cells.assign(columns.size(), std::string());
    for (std::size_t c = 0; c < columns.size(); ++c) {
      AppendFixedCell(cells[c], columns[c], cells_[c], c == 0);
    }
  }

  std::string Name(std::size_t row) const override {
    if (name_ == std::string::npos) return std::string();
    table_.Fill(row, cells_.data());
    return std::string(cells_[name_].text());
  }

 private:
  const Table& table_;
  mutable std::vector<Cell> cells_;       // the row last filled
  std::size_t name_ = std::string::npos;  // the name column
};

}  // namespace

bool ShowInViewer(ListVisit& visit, const Table& table) {
  Console& console = visit.console;
  TableViewer* viewer = console.Viewer();
  if (viewer == nullptr || !visit.session.view || visit.file) return false;
  const TableView view(table);
  std::vector<std::string> headings;
  view.Headings(headings);
  std::size_t width = 2;  // the bars at both ends; the headings are ASCII
  for (const std::string& heading : headings) width += heading.size();
  if (!viewer->TooLarge(width, table.rows() + kLinesBeyondRows)) return false;
  console.Flush();
  if (!viewer->Show(view)) return false;
  static const Format kViewed("   [%d ROWS, %d COLUMNS VIEWED]\n");
  console.Print(kViewed(
      {static_cast<long long>(table.rows()), static_cast<long long>(table.columns().size())}));
  return true;
}

}  // namespace korvelin
