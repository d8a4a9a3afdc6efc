// The program's own save file: its writer and its reader.  The layout is
// described in save_file.cpp.
#pragma once

#include <string>

#include "base/file_status.h"
#include "base/stop_request.h"
#include "roster/columns.h"
#include "roster/options.h"
#include "roster/session.h"
#include "text/text_sink.h"
#include "text/text_stream.h"

namespace korvelin {

// Writes the roster, the custom columns, the list settings and the season
// to the save file `name`, echoing every row and the closing "}" to `echo`.  The file
// holds the old save or the new one, whole, even after a power cut; a
// failure leaves any earlier file as it was, and so does a stop request,
// which stops the writing after the row being written (kInterrupted).
FileStatus WriteSaveFile(const std::string& name, const Session& session, TextSink& echo,
                         StopRequest& stop);

// What reading a save file came to.
struct SaveFileReport {
  int damaged_season_lines = 0;  // lines of the season that could not be read whole
  bool interrupted = false;      // the stop request stopped the reading
};

// Reads a save file positioned after its header, echoing every row:
// replaces the roster, the custom columns and the season and restores the
// weights and sort settings.  A damaged file that ends among the rows keeps
// the columns and settings as they were; a file without a season (an
// earlier version's) leaves the season empty.  A stop request stops the
// reading after the row being read: the session is then half read.
SaveFileReport ReadSaveFile(TextStream& in, Session& session, TextSink& echo, StopRequest& stop);

// The column flags a save file holds: one for each of options 1 to 35.
// Written to disk: an option added after them gets no flag (its column
// starts hidden after a LOAD), and the reader reads exactly these.
constexpr int kSavedColumnFlags = 35;
static_assert(kOptionCount >= kSavedColumnFlags, "every saved flag is an option's");

// The 35 column flags of the custom columns, "  F  :  " each in option
// order (1 hidden, 0 shown), appended to `out`; and read back, a flag that
// cannot be read leaving its column hidden.
void WriteColumnFlags(const ColumnSet& columns, std::string& out);
ColumnSet ReadColumnFlags(TextStream& in);

}  // namespace korvelin
