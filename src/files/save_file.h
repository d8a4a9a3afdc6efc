// The program's own save file: its writer and its reader.  The layout is
// described in save_file.cpp.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/file_status.h"
#include "base/stop_request.h"
#include "roster/columns.h"
#include "roster/options.h"
#include "roster/session.h"
#include "text/text_sink.h"
#include "text/text_stream.h"

namespace korvelin {

// How a save file is written, beside what it holds.
struct SaveFileWriting {
  // A line of text without control characters, written in place of the
  // empty line after the rule, which every reader passes over: a recovery
  // file's note of its work (shell/recovery.h).  Empty in a save.
  std::string_view note;
  // The file replaced is kept as NAME.bak and the older backups rotated
  // (atomic_file.h); false: it is simply replaced.
  bool backups = true;
};

// Writes the roster, the custom columns, the list settings and the season
// to the save file `name`, echoing every row and the closing "}" to `echo`.  The file
// holds the old save or the new one, whole, even after a power cut; a
// failure leaves any earlier file as it was, and so does a stop request,
// which stops the writing after the row being written (kInterrupted).
FileStatus WriteSaveFile(const std::string& name, const Session& session, TextSink& echo,
                         StopRequest& stop, const SaveFileWriting& how = {});

// What reading a save file came to.
struct SaveFileReport {
  long long members = 0;         // members taken: their rows were read whole
  int damaged_rows = 0;          // rows not taken: cut short, or holding ID 0
  bool ended_early = true;       // the file ends before its settings line was read whole
  int damaged_season_lines = 0;  // lines of the season that could not be read whole
  bool interrupted = false;      // the stop request stopped the reading
  // Whether members or settings may be missing: LOAD asks before it takes
  // what was read.
  bool Damaged() const { return ended_early || damaged_rows != 0; }
};

// Reads a save file positioned after its header, echoing every row taken:
// replaces the roster, the custom columns and the season and restores the
// weights and sort settings.  Each row is read from its own line: a row
// that ends early is damaged and not taken.  A damaged file that ends among
// the rows keeps the columns and settings as they were; a file without a
// season (an earlier version's) leaves the season empty.  A stop request
// stops the reading after the row being read: the session is then half read.
SaveFileReport ReadSaveFile(TextStream& in, Session& session, TextSink& echo, StopRequest& stop);

// The note a save file holds (SaveFileWriting), read from a stream
// positioned after its header; empty when it has none.
std::string ReadSaveFileNote(TextStream& in);

// What a save file holds, counted without reading it into a session.
struct SaveFileCounts {
  long long dates = 0;    // the dates of its season
  long long members = 0;  // its rows
};
// The counts of the save file `name`; none when it is not a regular file
// that begins with the save-file header.
std::optional<SaveFileCounts> CountSaveFile(const std::string& name);

// The column flags a save file holds: one for each of options 1 to 35.
// Written to disk: an option added after them gets no flag (its column
// starts hidden after a LOAD), and the reader reads exactly these.
constexpr int kSavedColumnFlags = 35;
static_assert(kOptionCount >= kSavedColumnFlags, "every saved flag is an option's");

// The 35 column flags of the custom columns, "  F  :  " each in option
// order (1 hidden, 0 shown), appended to `out`; and read back, a flag that
// cannot be read leaving its column hidden (`read`, when given, counts the
// flags read).
void WriteColumnFlags(const ColumnSet& columns, std::string& out);
ColumnSet ReadColumnFlags(TextStream& in, int* read = nullptr);

}  // namespace korvelin
