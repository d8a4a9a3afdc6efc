// The save file's season section: the stall bar's line and the dated points
// of every stat table read, after the "}" that ends what earlier versions of
// the program read (save_file.cpp describes the whole file).
#pragma once

#include <string>
#include <string_view>

#include "base/stop_request.h"
#include "files/atomic_file.h"
#include "roster/season.h"
#include "roster/settings.h"
#include "text/text_stream.h"

namespace korvelin {

// The line that opens the section.
extern const char kSeasonMark[];

// The stall bar's line, "STALL W M" (W the weeks, M the bar a week with six
// decimals) and its line end, appended to `out`; nothing for the default
// bar, so that a file keeps the defaults without it.
void AppendStallLine(std::string& out, const StallBar& stall);

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
// passed over but the stall bar's, which sets `stall` when it is read whole
// and within its ranges (`stall` is left as it is otherwise, and in a file
// without the line); a file without kSeasonMark has no season.  After it
// every line is a point, in any order; empty lines are passed over.
// Replaces `season` with the points read.
SeasonSectionReport ReadSeasonSection(TextStream& in, Season& season, StallBar& stall,
                                      StopRequest& stop);

}  // namespace korvelin
