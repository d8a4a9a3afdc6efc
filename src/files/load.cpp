// LOAD and UPDATE: the file prompts, and what reading a file came to.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clipboard.h"
#include "console/interrupt.h"
#include "files/files.h"
#include "files/save_file.h"
#include "files/stat_table.h"
#include "files/table_sources.h"
#include "text/dates.h"
#include "text/format.h"
#include "text/save_header.h"
#include "text/utf16.h"

namespace korvelin {

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
  const char* open;       // the file cannot be opened (or its name is refused)
  const char* read;       // reading it failed part-way
  const char* too_large;  // it holds more than kReadLimit (or never ends)
  const char* clipboard;  // the clipboard cannot be read
};

const ReadFailures kLoadFailures = {
    "   [ERROR OPENING FILE.  LOAD ABORTED]", "   [ERROR READING FILE.  LOAD ABORTED]",
    "   [FILE TOO LARGE.  LOAD ABORTED]", "   [CANNOT READ THE CLIPBOARD.  LOAD ABORTED]"};
const ReadFailures kUpdateFailures = {
    "   [ERROR OPENING FILE.  UPDATE ABORTED]", "   [ERROR READING FILE.  UPDATE ABORTED]",
    "   [FILE TOO LARGE.  UPDATE ABORTED]", "   [CANNOT READ THE CLIPBOARD.  UPDATE ABORTED]"};

// A stat table's text as read whole, and where it came from.
struct TableText {
  TextStream text;
  bool file;             // it is the file the prompt named; otherwise pasted or the clipboard's
  FileStamp stamp = {};  // the file's, as it was read
  // The date of its snapshot: the file's (text/dates.h TableDate), or today.
  int Day(const std::string& name) const { return file ? TableDate(name) : Today(); }
};

// Text read whole as a file is: UTF-16 read as the same text in UTF-8, and
// a byte-order mark left out.
TextStream ReadAsFile(std::string bytes) {
  DecodeUtf16(bytes);
  TextStream stream = TextStream::Memory(std::move(bytes));
  SkipByteOrderMark(stream);
  return stream;
}

// The message of a file that could not be read whole.
const char* FailureMessage(const FileStatus& status, const ReadFailures& failures) {
  switch (status.failure) {
    case FileFailure::kCannotRead: return failures.read;
    case FileFailure::kTooLarge: return failures.too_large;
    default: return failures.open;
  }
}

// Reads the whole file `name` (at most kReadLimit bytes: a device or a
// pipe that never ends is given up there) before anything changes, so
// that a read error leaves the roster as it was instead of half loaded.
// Nothing when it cannot be read or Ctrl-C broke the reading off (a FIFO
// no one writes to waits for ever); the failure has then been printed.
// `stamped`: with the stamp of the file as read (LOAD's, for SAVE to tell
// whether it changed since).
std::optional<TableText> ReadNamed(Console& console, const std::string& name,
                                   const ReadFailures& failures, bool stamped) {
  std::string bytes;
  FileStatus status;
  {
    InterruptibleWait wait(console);  // a FIFO or a slow file may keep the read waiting
    status = ReadFile(name, bytes);
  }
  if (console.ReportInterrupt()) return std::nullopt;
  if (!status.ok()) {
    console.PrintFailure(FailureMessage(status, failures), status.error);
    return std::nullopt;
  }
  FileStamp stamp = stamped ? StampFile(name, bytes) : FileStamp();
  // A byte-order mark is not part of the file: a marked save file is still
  // a save file, and a stat table is read from its first character.
  return TableText{ReadAsFile(std::move(bytes)), true, std::move(stamp)};
}

// The table pasted at the prompt.  Nothing when Ctrl-C stopped it (then
// reported) or it never ended.
std::optional<TextStream> ReadPasted(Console& console, const ReadFailures& failures) {
  std::string text;
  switch (ReadPastedTable(console, text)) {
    case PasteResult::kRead: return ReadAsFile(std::move(text));
    case PasteResult::kStopped: console.ReportInterrupt(); break;
    case PasteResult::kTooLarge: console.PrintLine(failures.too_large); break;
    case PasteResult::kHungUp: break;
  }
  return std::nullopt;
}

// The clipboard's text, read as a file is.
std::optional<TextStream> ReadClipboardTable(Console& console, const ReadFailures& failures) {
  std::string text;
  const ClipboardResult result = ReadClipboard(text, console.Stop());
  if (console.ReportInterrupt()) return std::nullopt;
  if (result != ClipboardResult::kDone) {
    console.PrintLine(failures.clipboard);
    return std::nullopt;
  }
  return ReadAsFile(std::move(text));
}

// Prints `prompt` and reads the table its answer names: a file (its name
// into `name`), a table pasted, or the clipboard's; `help` shows the
// prompt's help and asks again.  `stamped` as for ReadNamed.
std::optional<TableText> AskAndRead(Console& console, const char* prompt,
                                    const ReadFailures& failures, std::string& name, bool stamped) {
  for (;;) {
    console.Print(prompt);
    bool quoted = false;
    switch (console.ReadFileName(name, TablePrompt(), &quoted)) {
      case FileNameRead::kName: break;
      case FileNameRead::kRefused: console.PrintLine(failures.open); return std::nullopt;
      case FileNameRead::kBackslash:
      case FileNameRead::kEnded: return std::nullopt;
    }
    std::optional<TextStream> text;
    switch (SourceNamed(name, quoted)) {
      case TableSource::kHelp: console.PrintLine(kTablePromptHelp); continue;
      case TableSource::kPaste: text = ReadPasted(console, failures); break;
      case TableSource::kClipboard: text = ReadClipboardTable(console, failures); break;
      case TableSource::kFile: return ReadNamed(console, name, failures, stamped);
    }
    if (!text) return std::nullopt;
    return TableText{std::move(*text), false};
  }
}

// The lines after a table's rows: what was not taken, and what was taken
// incomplete or with numbers left over (a number split in two, perhaps).
void ReportTable(Console& console, const TableReport& report) {
  static const Format kSkipped("   [SKIPPED %d LINES WITHOUT AN ID]\n");
  static const Format kRepeated("   [SKIPPED %d ROWS WITH A REPEATED ID]\n");
  static const Format kIncomplete("   [%d ROWS WITH MISSING STATS]\n");
  static const Format kMoreNumbers("   [%d ROWS WITH MORE NUMBERS THAN STATS]\n");
  if (report.skipped != 0) console.Print(kSkipped({report.skipped}));
  if (report.repeated != 0) console.Print(kRepeated({report.repeated}));
  if (report.incomplete != 0) console.Print(kIncomplete({report.incomplete}));
  if (report.more_numbers != 0) console.Print(kMoreNumbers({report.more_numbers}));
}

// Who was in the roster but not in the table: often who left the gang.
void ReportAbsent(Console& console, const Roster& roster, const std::vector<std::size_t>& absent) {
  if (absent.empty()) return;
  static const Format kAbsent("   [NOT IN THIS TABLE: %d MEMBERS]\n");
  console.Print(kAbsent({static_cast<long long>(absent.size())}));
  for (std::size_t position : absent) {
    const Member& member = roster[position];
    console.PrintMember(roster.NameOf(member), member.id);
  }
}

// Hands what a LOAD or UPDATE is about to replace over to `before` (UNDO's
// step; nothing when null): the roster and season moved, the settings and
// columns copied.  It asks for no memory: everything that may run out of
// it is done before, so that a command abandoned for want of it leaves the
// session as it was.
void HandOver(Session& session, Session* before) {
  if (before == nullptr) return;
  before->roster = std::move(session.roster);
  before->season = std::move(session.season);
  before->list = session.list;
  before->columns = session.columns;
}

// A save file cut short, or holding rows that could not be read, is taken
// only once the user has seen how much was read and said yes.
bool TakeDamaged(Console& console, const SaveFileReport& report) {
  if (!report.Damaged()) return true;
  static const Format kAsk(
      "   [THAT SAVE FILE IS DAMAGED: %d MEMBERS READ, %d LINES DAMAGED.  LOAD WHAT WAS READ? 'Y' "
      "TO CONFIRM]\n >>> ");
  console.Print(kAsk({report.members, report.damaged_rows + report.damaged_season_lines}));
  bool yes = false;
  if (!console.ReadYes(yes)) return false;
  if (!yes) console.PrintLine("   [LOAD ABORTED]");
  return yes;
}

// The list settings a stat-table import starts from.
void ResetListSettings(Session& session) {
  session.columns = kDefaultColumns;
  session.list.weights = kDefaultWeights;
  session.list.sort_option = OptionNumber("id");
  session.list.sort_direction = SortDirection::kAscending;
  session.list.stall = StallBar();
}

// The file `name`, read into `file`, is read aside and replaces the roster,
// settings, columns and season only once it is whole: a load that Ctrl-C
// stops, or a table that yields no member (an empty file, a spreadsheet's
// export), leaves the session as it was.  A stat table starts a new season
// of its snapshot.  A load of a file that replaced them leaves the session
// as right after a save of that file; a table pasted or on the clipboard is
// in no file, and leaves it unsaved.
bool LoadFrom(Console& console, Session& session, TableText& table_text, const std::string& name,
              Session* before) {
  TextStream& file = table_text.text;
  if (table_text.file && TakeSaveHeader(file)) {
    Session loaded;
    loaded.list = session.list;
    loaded.columns = session.columns;
    const SaveFileReport report = ReadSaveFile(file, loaded, console, console.Stop());
    if (report.interrupted) {
      console.ReportInterrupt();
      return false;
    }
    if (!TakeDamaged(console, report)) return false;
    static const Format kDamaged("   [SKIPPED %d DAMAGED HISTORY LINES]\n");
    if (report.damaged_season_lines != 0 && !report.Damaged()) {
      console.Print(kDamaged({report.damaged_season_lines}));
    }
    FileStamp stamp = std::move(table_text.stamp);
    std::string save_file = stamp.path;
    HandOver(session, before);
    session.roster = std::move(loaded.roster);
    session.list = loaded.list;
    session.columns = loaded.columns;
    session.season = std::move(loaded.season);
    session.saved.Clean(std::move(stamp));
    session.saved.save_file = std::move(save_file);
    return true;
  }
  console.PrintLine("   [LOADING]");
  Roster imported;
  Snapshot snapshot{table_text.Day(name), {}};
  TableReport report;
  {
    // The file's bytes go once it is read, before the snapshot is sorted in.
    TextStream table = std::move(file);
    report = ImportStatTable(table, imported, console, console.Stop(), &snapshot);
  }
  if (report.interrupted) {
    console.ReportInterrupt();
    return false;
  }
  ReportTable(console, report);
  if (report.rows == 0) {
    console.PrintLine("   [NO MEMBERS IN THAT FILE.  LOAD ABORTED]");
    return false;
  }
  Season season;
  season.Add(std::move(snapshot.points));
  FileStamp stamp = std::move(table_text.stamp);
  HandOver(session, before);
  session.roster = std::move(imported);
  ResetListSettings(session);
  session.season = std::move(season);
  if (table_text.file) session.saved.Clean(std::move(stamp));
  session.saved.save_file.clear();
  return true;
}

// Whether a table of the date `day` is older than the season's latest
// snapshot: a week that was missed, filled in afterwards.
bool OlderThanTheHistory(const Season& season, int day) {
  return !season.empty() && day < season[season.size() - 1].day;
}

}  // namespace

bool Load(Console& console, Session& session, Session* before) {
  std::string name;
  std::optional<TableText> file =
      AskAndRead(console, "   [FILE TO LOAD? '\\' TO CANCEL]\n   [KORVELIN-LOAD]\n >>> ",
                 kLoadFailures, name, true);
  return file && LoadFrom(console, session, *file, name, before);
}

void LoadFile(Console& console, Session& session, const std::string& name) {
  std::optional<TableText> file = ReadNamed(console, name, kLoadFailures, true);
  if (file) LoadFrom(console, session, *file, name, nullptr);
}

bool Update(Console& console, Session& session, Session* before) {
  std::string name;
  std::optional<TableText> file =
      AskAndRead(console, "   [FILE TO UPDATE FROM? '\\' TO CANCEL]\n   [KORVELIN-UPDATE]\n >>> ",
                 kUpdateFailures, name, false);
  if (!file) return false;
  console.PrintLine("   [LOADING]");
  // A copy is updated and replaces the roster once whole, and the table's
  // snapshot joins the season then: an update that Ctrl-C stops, or a
  // table without a row taken, changes nothing.
  Roster updated = session.roster;
  Snapshot snapshot{file->Day(name), {}};
  const UpdateReport report =
      UpdateFromStatTable(file->text, updated, console, console.Stop(), &snapshot);
  if (report.interrupted) {
    console.ReportInterrupt();
    return false;
  }
  ReportTable(console, report);
  if (report.rows == 0) {
    console.PrintLine("   [NO MEMBERS IN THAT FILE.  UPDATE ABORTED]");
    return false;
  }
  // What may run out of memory is done before anything is replaced: the
  // season with the table's snapshot is made aside (the one it replaces
  // going to UNDO), so that an abandoned UPDATE changes nothing.
  const bool older = OlderThanTheHistory(session.season, snapshot.day);
  Season season = session.season;
  season.Add(std::move(snapshot.points));
  if (older) {
    // An older table: its snapshot joins the history, and the roster stays
    // as it was, so that the latest stats are not put back to that week's;
    // UNDO's step gets a copy of it.
    Roster kept = before != nullptr ? session.roster : Roster();
    static const Format kOlder("   [AN OLDER TABLE (%s): KEPT IN THE HISTORY ONLY]\n");
    console.Print(kOlder({DateText(snapshot.day)}));
    HandOver(session, before);
    if (before != nullptr) session.roster = std::move(kept);
    session.season = std::move(season);
    return true;
  }
  ReportAbsent(console, updated, report.absent);
  HandOver(session, before);
  session.roster = std::move(updated);
  session.season = std::move(season);
  return true;
}

}  // namespace korvelin
