// LOAD and UPDATE: the file prompts, and what reading a file came to.
#include <optional>

#include "files/files.h"
#include "files/save_file.h"
#include "files/stat_table.h"
#include "roster/save_header.h"
#include "text/format.h"

FileAnswer AskFileName(Console& console, const char* prompt, std::string& name) {
  console.Print(prompt);
  switch (console.ReadFileName(name)) {
    case FileNameRead::kName: return FileAnswer::kName;
    case FileNameRead::kRefused: return FileAnswer::kRefused;
    case FileNameRead::kBackslash:
    case FileNameRead::kEnded: break;
  }
  return FileAnswer::kCancelled;
}

namespace {

// The messages of a command that reads a file.
struct ReadFailures {
  const char* open;  // the file cannot be opened (or its name is refused)
  const char* read;  // reading it failed part-way
};

const ReadFailures kLoadFailures = {"   [ERROR OPENING FILE.  LOAD ABORTED]",
                                    "   [ERROR READING FILE.  LOAD ABORTED]"};
const ReadFailures kUpdateFailures = {"   [ERROR OPENING FILE.  UPDATE ABORTED]",
                                      "   [ERROR READING FILE.  UPDATE ABORTED]"};

// Reads the whole file `name` before anything changes, so that a read
// error leaves the roster as it was instead of half loaded.  Nothing when
// it cannot be read; the failure has then been printed.
std::optional<TextStream> ReadNamed(Console& console, const std::string& name,
                                    const ReadFailures& failures) {
  std::string bytes;
  const FileStatus status = ReadFile(name, bytes);
  if (!status.ok()) {
    console.PrintLine(status.failure == FileFailure::kCannotRead ? failures.read : failures.open);
    return std::nullopt;
  }
  TextStream stream = TextStream::Memory(std::move(bytes));
  // A byte-order mark is not part of the file: a marked save file is still
  // a save file, and a stat table is read from its first character.
  SkipByteOrderMark(stream);
  return stream;
}

// Prints `prompt`, reads a file name into `name` and reads the whole file.
std::optional<TextStream> AskAndRead(Console& console, const char* prompt,
                                     const ReadFailures& failures, std::string& name) {
  switch (AskFileName(console, prompt, name)) {
    case FileAnswer::kCancelled: return std::nullopt;
    case FileAnswer::kRefused: console.PrintLine(failures.open); return std::nullopt;
    case FileAnswer::kName: break;
  }
  return ReadNamed(console, name, failures);
}

void ReportSkippedLines(Console& console, int skipped) {
  if (skipped == 0) return;
  static const Format kSkipped("   [SKIPPED %d LINES WITHOUT AN ID]\n");
  console.Print(kSkipped({skipped}));
}

// The list settings a stat-table import starts from.
void ResetListSettings(Session& session) {
  session.columns = kDefaultColumns;
  session.list.weights = kDefaultWeights;
  session.list.sort_option = OptionNumber("id");
  session.list.sort_direction = SortDirection::kAscending;
}

// Loads the file `name`, read into `file`: the session then holds what the
// file does, as right after a save.
void LoadFrom(Console& console, Session& session, TextStream& file, const std::string& name) {
  session.saved.Clean(StampFile(name));
  if (TakeSaveHeader(file)) {
    ReadSaveFile(file, session, console);
    return;
  }
  console.PrintLine("   [LOADING]");
  const TableReport report = ImportStatTable(file, session.roster, console);
  // A table without a single row leaves the settings as they were.
  if (report.rows > 0) ResetListSettings(session);
  ReportSkippedLines(console, report.skipped);
}

}  // namespace

void Load(Console& console, Session& session) {
  std::string name;
  std::optional<TextStream> file = AskAndRead(
      console, "   [FILE TO LOAD? '\\' TO CANCEL]\n   [KORVELIN-LOAD]\n >>> ", kLoadFailures, name);
  if (file) LoadFrom(console, session, *file, name);
}

void LoadFile(Console& console, Session& session, const std::string& name) {
  std::optional<TextStream> file = ReadNamed(console, name, kLoadFailures);
  if (file) LoadFrom(console, session, *file, name);
}

void Update(Console& console, Session& session) {
  std::string name;
  std::optional<TextStream> file =
      AskAndRead(console, "   [FILE TO UPDATE FROM? '\\' TO CANCEL]\n   [KORVELIN-UPDATE]\n >>> ",
                 kUpdateFailures, name);
  if (!file) return;
  console.PrintLine("   [LOADING]");
  const TableReport report = UpdateFromStatTable(*file, session.roster, console);
  ReportSkippedLines(console, report.skipped);
}
