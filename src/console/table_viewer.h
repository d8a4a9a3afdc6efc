// The table viewer: at a terminal, a table too wide or too long for the
// window is shown full-screen a window at a time instead of scrolling past,
// its two heading lines held at the top and its name column at the left
// while the rest scrolls.  Up, Down, PgUp, PgDn, Home and End move by rows,
// Left and Right by columns, "/" finds a text in the names and "n" the next
// row holding it; "q", Esc or Ctrl-C closes it, and the screen is back as it
// was.  The viewer asks the table for the rows it shows only, so that a
// table of a million rows opens at once.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace korvelin {

// A table as the viewer lays it out: each column's heading cell and each
// row's cells, as the fixed table writes them (the bars at both ends of a
// line apart), asked for row by row.
class ViewedTable {
 public:
  virtual ~ViewedTable() = default;
  virtual std::size_t Rows() const = 0;
  virtual std::size_t Columns() const = 0;
  // The first columns, which stay at the left while the others scroll: the
  // name column and those before it.
  virtual std::size_t HeldColumns() const = 0;
  // Fills `cells` with the heading cell of every column.
  virtual void Headings(std::vector<std::string>& cells) const = 0;
  // Fills `cells` with the cells of row `row` (< Rows()).
  virtual void Cells(std::size_t row, std::vector<std::string>& cells) const = 0;
  // The name that "/" looks in, as the roster keeps it; empty when the
  // table has no name column.
  virtual std::string Name(std::size_t row) const = 0;
};

class TableViewer {
 public:
  virtual ~TableViewer() = default;
  // Whether `lines` lines of `width` columns cannot all be seen in the
  // window as it is now.
  virtual bool TooLarge(std::size_t width, std::size_t lines) const = 0;
  // Shows `table` until the user closes it, then puts the screen back as it
  // was.  False when the terminal cannot show it (a terminal type without
  // cursor addressing): nothing was changed then.
  virtual bool Show(const ViewedTable& table) = 0;
};

// The viewer of this terminal when the program was built with it (ncursesw)
// and standard input and output are both a terminal; null otherwise.
std::unique_ptr<TableViewer> TerminalViewer();

}  // namespace korvelin
