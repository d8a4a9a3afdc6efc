// LineSource: where a console stream gets what the user types, one line at a
// time.  The stream knows nothing of terminals; the console decides once, at
// start-up, whether lines come from plain reads or from a line editor.
#pragma once

#include <string>

namespace korvelin {

class LineSource {
 public:
  virtual ~LineSource() = default;
  // Appends the next line to `line`, its line end included (the last line of
  // the input may have none).  False at the end of the input, with nothing
  // appended.  Called only once everything read before has been used up.
  virtual bool ReadLine(std::string& line) = 0;
};

}  // namespace korvelin
