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
  FilePtr file = answer == FileAnswer::kName ? OpenForReading(name) : nullptr;
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

void Load() {
  std::optional<TextStream> file = AskFileToRead(
      "   [FILE TO LOAD? '\\' TO CANCEL]\n   [KORVELIN-LOAD]\n >>> ",
      {"   [ERROR OPENING FILE.  LOAD ABORTED]", "   [ERROR READING FILE.  LOAD ABORTED]"});
  if (!file) return;
  // A stat table is read from its first character.
  if (TakeSaveHeader(*file)) {
    OldLoader(*file);
  } else {
    Initialise(*file);
  }
}

namespace {

// The name runs up to a "(" followed by a digit (the ID), or is cut at 29
// characters.  Any other character, control characters included, is part of
// it.  The end of the stream ends it too.
void ReadName(TextStream& in, int first, char (&name)[kNameLength + 1]) {
  std::string text(1, static_cast<char>(first));
  for (;;) {
    const int c = in.Get();
    if (c == kEnd) break;
    if (text.back() == '(' && IsDigit(c)) {
      in.Unget(c);
      text.pop_back();
      break;
    }
    if (text.size() == kNameLength + 1) {
      in.Unget(c);
      text.pop_back();
      break;
    }
    text += static_cast<char>(c);
  }
  std::memset(name, 0, sizeof name);
  text.copy(name, kNameLength);
}

// The list settings a stat-table import starts from.
void ResetListSettings() {
  DefaultDisplay();
  SetDefaultWeights();
  ListSortOption() = OptionNumber("id");
  ListSortDirection() = kAscending;
}

}  // namespace

bool ReadTableRow(TextStream& in, PlayerRecord& r) {
  int c;
  while ((c = in.Get()) != kEnd && IsControl(c)) {
  }
  if (c == kEnd) return false;
  ReadName(in, c, r.name);
  ReadFileInt(in, r.id);
  findnum(in);
  ReadFileInt(in, r.level);
  // A row that ends after its level carries no stats.
  const bool stats = findnum(in) == 0;
  if (stats) {
    ReadFileInt(in, r.oldspeed);
    findnum(in);
    ReadFileInt(in, r.oldpower);
    findnum(in);
    ReadFileInt(in, r.oldstren);
    findnum(in);
    ReadFileInt(in, r.oldhealth);
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
    while ((c = in.Get()) != kEnd && !IsControl(c)) {
    }
  }
  // The echo: each value as read, a dot for each of the seven values set.
  static const Format kEcho("%-30s : %6d : %3d");
  static const Format kStatsEcho(" : %5d : %5d : %5d : %6d . . . . . . .   .done");
  std::string echo = kEcho({r.name, r.id, r.level});
  if (stats) kStatsEcho.AppendTo(echo, {r.oldspeed, r.oldpower, r.oldstren, r.oldhealth});
  echo += '\n';
  Print(echo);
  return true;
}

void Initialise(TextStream& in) {
  PrintLine("   [LOADING]");
  EmptyRoster();
  PlayerRecord* tail = Start.get();
  for (;;) {
    std::unique_ptr<PlayerRecord> record = MakeRecord();
    if (!ReadTableRow(in, *record)) break;
    tail = Append(tail, std::move(record));
    ResetListSettings();
  }
}
