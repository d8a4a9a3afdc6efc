// The table viewer over ncursesw.  The library sets the terminal's modes,
// switches to the terminal's alternate screen and back, and reads the keys
// (the arrow and page keys as the terminal's description spells them, a
// change of the window's size as a key of its own).  Each screenful is
// drawn here, every cell at its own place by the terminal's cursor
// addressing and measured by the program's own widths (text/width.h): the
// library counts an emoji sequence by its code points, and a name drawn
// through it would push the cells after it out of line.
#include "console/table_viewer.h"

#ifndef KORVELIN_TABLE_VIEWER

namespace korvelin {

std::unique_ptr<TableViewer> TerminalViewer() { return nullptr; }

}  // namespace korvelin

#else

#define NCURSES_NOMACROS  // getch(), clear() and the like as functions only
#include <curses.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "console/hangup.h"
#include "text/ascii.h"
#include "text/characters.h"
#include "text/format.h"
#include "text/width.h"

namespace korvelin {

namespace {

constexpr int kEscape = 27;
constexpr int kCtrlC = 3;
constexpr int kEscapeWait = 25;       // milliseconds a lone Esc waits for the rest of a key
constexpr std::size_t kTopLines = 2;  // the headings and the row of stars

// Text as the viewer writes it: a control character, and a byte that is
// not UTF-8, as U+FFFD, one column as before; written as it is, such a
// byte could move the cursor or begin one of the terminal's sequences.
std::string ScreenText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    const Character c = DecodeCharacter(text);
    const bool control =
        c.code < 0x20 || (c.code >= 0x7F && c.code <= 0x9F) || (c.length == 1 && c.code >= 0x80);
    if (control) {
      shown += "\xEF\xBF\xBD";
    } else {
      shown.append(text.substr(0, c.length));
    }
    text.remove_prefix(c.length);
  }
  return shown;
}

// A capability string of the terminal, without the delays that the
// descriptions of old terminals hold ("$<5>"); empty when it has none.
std::string Capability(const char* text) {
  std::string value = text != nullptr && text != reinterpret_cast<char*>(-1) ? text : "";
  for (std::size_t at; (at = value.find("$<")) != std::string::npos;) {
    const std::size_t end = value.find('>', at);
    if (end == std::string::npos) break;
    value.erase(at, end + 1 - at);
  }
  return value;
}

// One showing of a table: where the window stands in it, what "/" looks
// for, and the screenful being drawn.
class View {
 public:
  explicit View(const ViewedTable& table) : table_(table) {
    table.Headings(headings_);
    for (std::string& heading : headings_) {
      heading = ScreenText(heading);
      widths_.push_back(TextColumns(heading));
      stars_.emplace_back(widths_.back(), '*');
    }
    cup_ = tigetstr("cup");
    clear_line_ = Capability(tigetstr("el"));
    reverse_ = Capability(tigetstr("rev"));
    plain_ = Capability(tigetstr("sgr0"));
  }

  // Follows the keys until one closes the view, or the keys end (a
  // hang-up).
  void Run() {
    Draw();
    for (;;) {
      const int key = wgetch(stdscr);
      if (key == ERR) return;
      if (key == KEY_RESIZE) {
        wrefresh(stdscr);  // the library's own drawing of the new size comes first
      } else if (!Follow(key)) {
        return;
      }
      Draw();
    }
  }

 private:
  std::size_t Width() const { return COLS > 0 ? static_cast<std::size_t>(COLS) : 1; }
  std::size_t Height() const { return LINES > 0 ? static_cast<std::size_t>(LINES) : 1; }
  // The rows a screenful shows: all lines but the headings and the status.
  std::size_t Body() const { return Height() > kTopLines + 2 ? Height() - kTopLines - 1 : 1; }
  std::size_t LastTop() const { return table_.Rows() > Body() ? table_.Rows() - Body() : 0; }

  // The held columns, unless they leave no room for another.
  std::size_t Held() const {
    std::size_t held = std::min(table_.HeldColumns(), headings_.size());
    std::size_t width = 1;
    for (std::size_t c = 0; c < held; ++c) width += widths_[c];
    if (held < headings_.size() && width + widths_[held] > Width()) held = 0;
    return held;
  }

  // Handles one key; false when it closes the view.
  bool Follow(int key) {
    message_.clear();
    if (typing_) return Type(key);
    switch (key) {
      case KEY_DOWN: top_ = std::min(top_ + 1, LastTop()); break;
      case KEY_UP: top_ = top_ > 0 ? top_ - 1 : 0; break;
      case KEY_NPAGE:
      case ' ': top_ = std::min(top_ + Body(), LastTop()); break;
      case KEY_PPAGE: top_ = top_ > Body() ? top_ - Body() : 0; break;
      case KEY_HOME: top_ = 0; break;
      case KEY_END: top_ = LastTop(); break;
      case KEY_RIGHT:
        if (RightEdge() > Width() && first_ + 1 < headings_.size()) ++first_;
        break;
      case KEY_LEFT:
        if (first_ > Held()) --first_;
        break;
      case '/':
        typing_ = true;
        typed_.clear();
        break;
      case 'n':
      case 'N': Find(); break;
      case 'q':
      case 'Q':
      case kEscape:
      case kCtrlC: return false;
      default: break;
    }
    return true;
  }

  // A key while the text to find is typed: Enter finds it (an empty text
  // the one found before), Esc forgets it, Backspace takes back a
  // character.
  bool Type(int key) {
    if (key == '\n' || key == '\r' || key == KEY_ENTER) {
      typing_ = false;
      if (!typed_.empty()) wanted_ = typed_;
      Find();
    } else if (key == kEscape) {
      typing_ = false;
    } else if (key == kCtrlC) {
      return false;
    } else if (key == KEY_BACKSPACE || key == 127 || key == 8) {
      while (!typed_.empty() && (static_cast<unsigned char>(typed_.back()) & 0xC0) == 0x80) {
        typed_.pop_back();  // the continuation bytes of a UTF-8 character
      }
      if (!typed_.empty()) typed_.pop_back();
    } else if (key >= 0x20 && key < 0x100 && key != 0x7F) {
      typed_ += static_cast<char>(key);
    }
    return true;
  }

  // The next row after the one found last (or from the top of the window)
  // whose name holds the wanted text, A-Z and a-z alike, round to the first
  // row after the last; the window moves to show it.
  void Find() {
    const std::size_t rows = table_.Rows();
    if (wanted_.empty() || rows == 0) return;
    const std::size_t start = found_ < rows ? found_ + 1 : top_;
    for (std::size_t i = 0; i < rows; ++i) {
      const std::size_t row = (start + i) % rows;
      if (FindFolded(table_.Name(row), wanted_) == std::string_view::npos) continue;
      found_ = row;
      if (row < top_ || row >= top_ + Body()) top_ = std::min(row, LastTop());
      return;
    }
    found_ = std::string::npos;
    message_ = " NOT FOUND: " + wanted_;
  }

  // Where the line ends, the closing bar included, with the columns from
  // the first shown on.
  std::size_t RightEdge() const {
    const std::size_t held = Held();
    std::size_t edge = 2;
    for (std::size_t c = 0; c < held; ++c) edge += widths_[c];
    for (std::size_t c = std::max(first_, held); c < widths_.size(); ++c) edge += widths_[c];
    return edge;
  }

  void MoveTo(std::size_t y, std::size_t x) {
    frame_ += Capability(tiparm(cup_, static_cast<int>(y), static_cast<int>(x)));
  }

  // Writes `text` at column `x` of line `y`, cut at the window's edge;
  // returns the column after it, as if it had been written whole.
  std::size_t Put(std::size_t y, std::size_t x, const std::string& text) {
    const std::size_t width = Width();
    if (x >= width) return x + TextColumns(text);
    MoveTo(y, x);
    const std::size_t before = frame_.size();
    AppendColumns(frame_, text, 0, width - x, true);
    end_ = x + TextColumns(std::string_view(frame_).substr(before));
    return x + TextColumns(text);
  }

  // A table line: the bar, the held cells, the cells from the first shown,
  // and the closing bar once the last is shown; the rest of the screen's
  // line is cleared.
  void Line(std::size_t y, const std::vector<std::string>& cells, bool marked) {
    const std::size_t held = Held();
    if (marked) frame_ += reverse_;
    end_ = 0;
    std::size_t x = Put(y, 0, "|");
    for (std::size_t c = 0; c < held && c < cells.size(); ++c) x = Put(y, x, cells[c]);
    std::size_t c = std::max(first_, held);
    for (; c < cells.size() && x < Width(); ++c) x = Put(y, x, cells[c]);
    if (c == cells.size()) Put(y, x, "|");
    if (marked) frame_ += plain_;
    // At the last column the terminal's clearing would take that column too.
    if (end_ < Width()) frame_ += clear_line_;
  }

  void Draw() {
    // A table of held columns only has none to scroll.
    const std::size_t held = Held();
    first_ = std::min(std::max(first_, held), std::max(held, headings_.size() - 1));
    top_ = std::min(top_, LastTop());
    frame_.clear();
    Line(0, headings_, false);
    Line(1, stars_, false);
    const std::size_t height = Height();
    std::size_t y = kTopLines;
    for (std::size_t row = top_; row < table_.Rows() && y + 1 < height; ++row, ++y) {
      table_.Cells(row, cells_);
      for (std::string& cell : cells_) cell = ScreenText(cell);
      Line(y, cells_, row == found_);
    }
    for (; y + 1 < height; ++y) {
      MoveTo(y, 0);
      frame_ += clear_line_;
    }
    Status(height - 1);
    MoveTo(0, 0);  // where the library last left the cursor
    std::fwrite(frame_.data(), 1, frame_.size(), stdout);
    std::fflush(stdout);
  }

  // The last line: what the window shows of the table and the keys, the
  // text being typed after "/", or what the last key came to.
  void Status(std::size_t y) {
    std::string text;
    if (typing_) {
      text = " /" + ScreenText(typed_) + "_";
    } else if (!message_.empty()) {
      text = ScreenText(message_);
    } else {
      static const Format kWhere(
          " ROWS %d-%d OF %d  COLUMNS %d-%d OF %d  ARROWS PGUP PGDN HOME END  / FIND  N NEXT  Q "
          "CLOSE");
      const std::size_t rows = table_.Rows();
      const std::size_t last_row = std::min(top_ + Body(), rows);
      // The columns from the first scrolled one shown (from the first of
      // all before any is scrolled away) to the last that begins in the
      // window.
      const std::size_t held = Held();
      std::size_t last_column = std::max(first_, held);
      std::size_t edge = 1;
      for (std::size_t c = 0; c < held; ++c) edge += widths_[c];
      while (last_column < widths_.size() && edge < Width()) edge += widths_[last_column++];
      text = kWhere({static_cast<long long>(rows == 0 ? 0 : top_ + 1),
                     static_cast<long long>(last_row), static_cast<long long>(rows),
                     static_cast<long long>(first_ > held ? first_ + 1 : 1),
                     static_cast<long long>(last_column), static_cast<long long>(widths_.size())});
    }
    // Nothing is written to the last column of the last line, which would
    // scroll some terminals.
    MoveTo(y, 0);
    frame_ += reverse_;
    AppendColumns(frame_, text, Width() - 1, Width() - 1, true);
    frame_ += plain_;
  }

  const ViewedTable& table_;
  std::vector<std::string> headings_;  // as the viewer writes them
  std::vector<std::string> stars_;     // the row of stars, cell by cell
  std::vector<std::size_t> widths_;    // of each column, by its heading
  std::vector<std::string> cells_;     // the row being drawn
  const char* cup_ = nullptr;          // the terminal's cursor addressing
  std::string clear_line_, reverse_, plain_;
  std::size_t top_ = 0;                    // the first row shown
  std::size_t first_ = 0;                  // the first column shown after the held ones
  std::size_t found_ = std::string::npos;  // the row found last
  bool typing_ = false;                    // "/" was typed, and Enter not yet
  std::string typed_;                      // what is typed after "/"
  std::string wanted_;                     // what "/" finds and "n" finds again
  std::string message_;                    // shown once in the status line
  std::string frame_;                      // the screenful being drawn
  std::size_t end_ = 0;                    // the column after the last written
};

// The signals whose handling the library changes where the program left
// it alone, kept while the view is open and put back after: its handler of
// a window's change of size, left behind, would break off a plain read of
// a typed line.
class KeptSignals {
 public:
  KeptSignals() {
    for (std::size_t i = 0; i < kCount; ++i) sigaction(kSignals[i], nullptr, &kept_[i]);
  }
  ~KeptSignals() {
    for (std::size_t i = 0; i < kCount; ++i) sigaction(kSignals[i], &kept_[i], nullptr);
  }
  KeptSignals(const KeptSignals&) = delete;
  KeptSignals& operator=(const KeptSignals&) = delete;

 private:
  static constexpr std::size_t kCount = 4;
  static constexpr int kSignals[kCount] = {SIGWINCH, SIGINT, SIGTERM, SIGTSTP};
  struct sigaction kept_[kCount] {};
};

class TerminalTableViewer final : public TableViewer {
 public:
  bool TooLarge(std::size_t width, std::size_t lines) const override {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0 || size.ws_row == 0) {
      return false;  // a window of no known size: the table is printed
    }
    return width > size.ws_col || lines > size.ws_row;
  }

  bool Show(const ViewedTable& table) override {
    std::fflush(stdout);
    KeptSignals kept;
    // A hang-up while the view is open gives the terminal back its modes.
    RestoreTerminalOnHangUp();
    SCREEN* screen = newterm(nullptr, stdout, stdin);
    if (screen == nullptr) return false;
    const char* cup = tigetstr("cup");
    const bool addressed = cup != nullptr && cup != reinterpret_cast<char*>(-1);
    if (addressed) {
      raw();  // Ctrl-C is a key, as q
      noecho();
      nonl();
      keypad(stdscr, TRUE);
      set_escdelay(kEscapeWait);
      curs_set(0);
      wrefresh(stdscr);  // the library clears the alternate screen first
      View(table).Run();
    }
    endwin();
    delscreen(screen);
    return addressed;
  }
};

}  // namespace

std::unique_ptr<TableViewer> TerminalViewer() {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return nullptr;
  return std::make_unique<TerminalTableViewer>();
}

}  // namespace korvelin

#endif
