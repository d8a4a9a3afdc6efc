// LOAD: telling save files from stat tables, and the stat-table import.
#include <cstring>
#include <filesystem>
#include <system_error>

#include "console/console.h"
#include "files/files.h"
#include "roster/masks.h"
#include "roster/options.h"
#include "text/format.h"

FilePtr OpenForReading(const std::string& name) {
  // A folder opens on some systems and would read as an empty table,
  // emptying the roster: it counts as a file that cannot be opened.
  std::error_code error;
  if (std::filesystem::is_directory(name, error)) return nullptr;
  return FilePtr(std::fopen(name.c_str(), "rb"));
}

FileAnswer AskFileName(const char* prompt, std::string& name) {
  Print(prompt);
  switch (ReadFileName(name)) {
    case FileNameRead::kName: return FileAnswer::kName;
    case FileNameRead::kRefused: return FileAnswer::kRefused;
    case FileNameRead::kBackslash:
    case FileNameRead::kEnded: break;
  }
  return FileAnswer::kCancelled;
}

std::optional<TextStream> AskFileToRead(const char* prompt, const ReadFailures& failures) {
  std::string name;
  const FileAnswer answer = AskFileName(prompt, name);
  if (answer == FileAnswer::kCancelled) return std::nullopt;
  if (answer == FileAnswer::kRefused) {
    PrintLine(failures.open);
    return std::nullopt;
  }
  return ReadFileNamed(name, failures);
}

std::optional<TextStream> ReadFileNamed(const std::string& name, const ReadFailures& failures) {
  FilePtr file = OpenForReading(name);
  if (!file) {
    PrintLine(failures.open);
    return std::nullopt;
  }
  // The whole file is read before anything changes, so that a read error
  // leaves the roster as it was instead of half loaded.
  std::string bytes;
  if (!ReadWholeFile(file.get(), bytes)) {
    PrintLine(failures.read);
    return std::nullopt;
  }
  return TextStream::Memory(std::move(bytes));
}

namespace {

const ReadFailures kLoadFailures = {"   [ERROR OPENING FILE.  LOAD ABORTED]",
                                    "   [ERROR READING FILE.  LOAD ABORTED]"};

void LoadFrom(TextStream& file) {
  // A byte-order mark is not part of the file: a marked save file is still
  // a save file, and a stat table is read from its first character.
  SkipByteOrderMark(file);
  if (TakeSaveHeader(file)) {
    OldLoader(file);
  } else {
    Initialise(file);
  }
}

}  // namespace

void Load() {
  std::optional<TextStream> file =
      AskFileToRead("   [FILE TO LOAD? '\\' TO CANCEL]\n   [KORVELIN-LOAD]\n >>> ", kLoadFailures);
  if (file) LoadFrom(*file);
}

void LoadFile(const std::string& name) {
  std::optional<TextStream> file = ReadFileNamed(name, kLoadFailures);
  if (file) LoadFrom(*file);
}

namespace {

// How a row's name ended.
enum class NameEnd {
  kId,     // at a "(" directly followed by a digit: the ID comes next
  kBlank,  // at the line end, after nothing but spaces and tabs
  kNoId,   // at the line end or the end of the stream, without an ID
};

// Reads a row's name: the characters up to the first "(" directly followed
// by a digit, which is consumed (the digit is not).  The first 29 are kept
// and the rest dropped, so the ID and the stats of a long name are still
// read from their own places.  A tab is read as a space; any other
// character, control characters included, is part of the name.  A line
// that ends (or a stream that ends) before such a "(" holds no row.
NameEnd ReadName(TextStream& in, char (&name)[kNameBytes + 1]) {
  std::string text;
  std::size_t characters = 0;
  bool blank = true;
  for (;;) {
    StreamChar c = in.GetChar();
    if (c.code == kEnd || c.code == '\n') return blank ? NameEnd::kBlank : NameEnd::kNoId;
    if (c.code == '(' && IsDigit(in.Peek())) break;
    if (c.code == '\t') c = StreamChar{' ', 1, {' '}};
    blank = blank && c.code == ' ';
    if (characters < kNameLength) {
      text.append(c.Bytes());
      ++characters;
    }
  }
  std::memset(name, 0, sizeof name);
  text.copy(name, kNameBytes);
  return NameEnd::kId;
}

// The list settings a stat-table import starts from.
void ResetListSettings() {
  DefaultDisplay();
  SetDefaultWeights();
  ListSortOption() = OptionNumber("id");
  ListSortDirection() = kAscending;
}

}  // namespace

bool ReadTableRow(TextStream& in, PlayerRecord& r, int* skipped) {
  for (;;) {
    // A row starts after any control characters.
    StreamChar c;
    while ((c = in.GetChar()).code != kEnd && IsControl(c.code)) {
    }
    if (c.code == kEnd) return false;
    in.Unget(c);
    const NameEnd end = ReadName(in, r.name);
    if (end == NameEnd::kId) break;
    // A line without an ID (a title row, a stray line) is not a member.
    if (end == NameEnd::kNoId && skipped != nullptr) ++*skipped;
  }
  ReadTableInt(in, r.id);
  findnum_table(in);
  ReadTableInt(in, r.level);
  // A row that ends after its level carries no stats.  Tabs separate the
  // fields like spaces; any other control character ends the row.
  const bool stats = findnum_table(in) == 0;
  if (stats) {
    ReadTableInt(in, r.oldspeed);
    findnum_table(in);
    ReadTableInt(in, r.oldpower);
    findnum_table(in);
    ReadTableInt(in, r.oldstren);
    findnum_table(in);
    ReadTableInt(in, r.oldhealth);
    // Tables carry neither intelligence nor begging skill: every member
    // starts from 1000 and 2.0.
    r.newspeed = r.oldspeed;
    r.newpower = r.oldpower;
    r.newstren = r.oldstren;
    r.newhealth = r.oldhealth;
    r.newintel = 1000;
    r.oldintel = 1000;
    r.newbeg = 2.0;
    r.oldbeg = 2.0;
    // What follows the health value on the line is ignored.
    StreamChar c;
    while ((c = in.GetChar()).code != kEnd && (!IsControl(c.code) || c.code == '\t')) {
    }
  }
  // The echo: each value as read, a dot for each of the seven values set.
  static const Format kEcho("%-30.30s : %6d : %3d");
  static const Format kStatsEcho(" : %5d : %5d : %5d : %6d . . . . . . .   .done");
  std::string echo = kEcho({r.name, r.id, r.level});
  if (stats) kStatsEcho.AppendTo(echo, {r.oldspeed, r.oldpower, r.oldstren, r.oldhealth});
  echo += '\n';
  Print(echo);
  return true;
}

void ReportSkippedLines(int skipped) {
  if (skipped == 0) return;
  static const Format kSkipped("   [SKIPPED %d LINES WITHOUT AN ID]\n");
  Print(kSkipped({skipped}));
}

void Initialise(TextStream& in) {
  PrintLine("   [LOADING]");
  EmptyRoster();
  PlayerRecord* tail = Start.get();
  int skipped = 0;
  for (;;) {
    std::unique_ptr<PlayerRecord> record = MakeRecord();
    if (!ReadTableRow(in, *record, &skipped)) break;
    tail = Append(tail, std::move(record));
    ResetListSettings();
  }
  ReportSkippedLines(skipped);
}
