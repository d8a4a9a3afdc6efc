// LineHistory: the lines typed at a terminal, kept between runs in a file of one
// line each, oldest first.  The file is an aid, never a condition: one that
// cannot be read or written is passed over in silence.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace korvelin {

// Where the history is kept: $XDG_STATE_HOME/korvelin/history, or
// $HOME/.local/state/korvelin/history when XDG_STATE_HOME is unset, empty or
// not an absolute path.  Empty when neither gives a place.
std::string LineHistoryPath(const char* xdg_state_home, const char* home);

class LineHistory {
 public:
  static constexpr std::size_t kMostLines = 1000;

  // The history kept in the file `path` (none for an empty path), read now.
  explicit LineHistory(std::string path);

  // Adds a typed line, without the white space at its end, and writes the
  // file again, creating its folder.  A line that is blank or equal to the
  // last one is not added; beyond kMostLines the oldest line goes.  Tells
  // whether the line was added (it is then Lines().back()).
  bool Add(const std::string& line);

  const std::deque<std::string>& Lines() const { return lines_; }

 private:
  bool Remember(std::string line);  // Add without writing the file
  void Write() const;

  std::string path_;
  std::deque<std::string> lines_;  // oldest first
};

}  // namespace korvelin
