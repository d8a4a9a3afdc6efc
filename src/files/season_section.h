// The save file's season section: the dated points of every stat table
// read, after the "}" that ends what earlier versions of the program read
// (save_file.cpp describes the whole file).
#pragma once

#include <string>
#include <string_view>

#include "base/stop_request.h"
#include "files/atomic_file.h"
#include "roster/season.h"
#include "text/text_stream.h"

namespace korvelin {

// The line that opens the section.
extern const char kSeasonMark[];

// One point's line, its line end included, appended to `out`: the date, the
// ID, level, speed, power, strength, health and intelligence, the begging
// skill with six decimals and the name in double quotes, one space apart.
void AppendSeasonLine(std::string& out, const SeasonPoint& point, std::string_view name);
// Reads a point's line (without its line end) whole: false when any of it
// cannot be read, and `point` and `name` are then of no use.
bool ReadSeasonLine(std::string_view line, SeasonPoint& point, std::string& name);

// Writes the section: nothing for an empty season, else kSeasonMark and a
// line per point, by date, then ID.  False when the stop request stopped it.
bool WriteSeasonSection(AtomicFile& out, const Season& season, StopRequest& stop);

// What reading the section came to.
struct SeasonSectionReport {
  int damaged = 0;           // lines skipped because they could not be read whole
  bool interrupted = false;  // the stop request stopped the reading; the season is unchanged
};
// Reads what follows the settings line: the lines up to kSeasonMark are
// passed over (a file without it has no season), then every line is a
// point, in any order; empty lines are passed over.  Replaces `season`
// with the points read.
SeasonSectionReport ReadSeasonSection(TextStream& in, Season& season, StopRequest& stop);

}  // namespace korvelin
