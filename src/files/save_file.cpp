// The save file's writer and reader.
//
// The save file, which ReadSaveFile reads back by position.  It is written to
// disk and read by earlier runs of the program: its layout must not change.
//   1. kSaveHeader (199 characters in six lines), then an empty line;
//   2. the column titles, a rule of 199 "_" closed by "|", an empty line
//      (in a recovery file, a note of its work: shell/recovery.cpp);
//   3. one row per member, in roster order:
//      "|" name (29 characters) " : " id " : " level " : " the old speed,
//      power, strength, health, intelligence, beg (six decimals), then the
//      same six new values, each separated by " : ", and " |";
//   4. "}";
//   5. the 35 column flags of the custom display, "  F  :  " each, in option
//      order (1 = hidden, 0 = shown), with no line end of their own;
//   6. ": health : speed : power : strength weight (six decimals each) :
//      sort option : sort direction " on a line of its own;
//   7. "}".
// Each row, the flag line and the settings line are read from their own
// line: one that ends early is damaged, and never takes its fields from the
// next line.
// Earlier versions stop reading there.  What follows (season_section.cpp)
// is read by versions with a season, which pass over every line up to
// "HISTORY 1":
//   8. "STALL W M", the stall bar's weeks and its bar a week (six
//      decimals), only when the bar is not the default (3 weeks, 0);
// then the season, written only when there is one:
//   9. "HISTORY 1";
//  10. one line per point, by date, then by ID: the date as YYYY-MM-DD, the
//      ID, level, speed, power, strength, health and intelligence as plain
//      integers, the begging skill with six decimals and the name in double
//      quotes, one space apart:
//        2026-11-17 439563 44 11776 10011 9746 8700 1000 2.000000 "Rustjaw Mcgee"
//      In the name a double quote and a backslash are written as \" and \\,
//      a control character (0-31, 127) and a byte 80-9F that is not part of
//      a UTF-8 character as \xHH (two lower-case hex digits).  The reader
//      takes the lines in any order and skips (and counts) a line it cannot
//      read whole.
#include "files/save_file.h"

#include <filesystem>
#include <set>
#include <system_error>

#include "console/interrupt.h"
#include "files/atomic_file.h"
#include "files/fields.h"
#include "files/season_section.h"
#include "roster/options.h"
#include "text/dates.h"
#include "text/format.h"
#include "text/numbers.h"
#include "text/save_header.h"

namespace korvelin {

namespace {

const char kTitles[] =
    "| NAME:                        : ID_NUM : Level : Init_Speed : Init_Power : Init_Stren: "
    "Init_Health : Init_Intel : Init_Beg :  New_Speed :  New_Power :  New_Stren :  New_Health :  "
    "New_Intel : New_Beg |\n";

// The file's row of one member.  The name is padded to 29 characters, not
// columns: ReadSaveFile reads it back as 29 characters.
const Format kRow(
    "|%-29s : %d : %d : %d : %d : %d : %d : %d : %lf : %d : %d : %d : %d : %d : %lf |\n",
    Format::Unit::kCharacters);
// The echo of a saved member (both health values left out).
const Format kSavedEcho(
    "|%-29.29s : %6.0d :  %3.0d  :   %6.0d   :   %6.0d   :   %6.0d  :    %4.0d    :  %6.2f  :   "
    "%6.0d   :   %6.0d   :   %6.0d   :    %4.0d    :  %6.2f  |\n");
const Format kSettings("\n: %lf : %lf : %lf : %lf : %d : %d \n");

// Writes the whole file, echoing every row and the closing "}".  False
// when the stop request stopped it after a row.
bool WriteContents(AtomicFile& out, const Session& session, TextSink& echo, StopRequest& stop,
                   std::string_view note) {
  out.Write(kSaveHeader);
  out.Write("\n");
  out.Write(kTitles);
  out.Write(std::string(199, '_'));
  out.Write("|\n");
  out.Write(note);
  out.Write("\n");
  const Roster& roster = session.roster;
  std::string row, line;
  for (const Member& r : roster) {
    const std::string_view name = roster.NameOf(r);
    row.clear();
    kRow.AppendTo(
        row, {name, r.id, r.level, r.oldspeed, r.oldpower, r.oldstren, r.oldhealth, r.oldintel,
              r.oldbeg, r.newspeed, r.newpower, r.newstren, r.newhealth, r.newintel, r.newbeg});
    out.Write(row);
    line.clear();
    kSavedEcho.AppendTo(line, {name, r.id, r.level, r.oldspeed, r.oldpower, r.oldstren, r.oldintel,
                               r.oldbeg, r.newspeed, r.newpower, r.newstren, r.newintel, r.newbeg});
    echo.Write(line);
    if (stop.Requested()) return false;
  }
  std::string settings = "}\n";
  WriteColumnFlags(session.columns, settings);
  const ListSettings& list = session.list;
  settings +=
      kSettings({list.weights.health, list.weights.speed, list.weights.power, list.weights.strength,
                 list.sort_option, SavedNumberOf(list.sort_direction)});
  settings += "}\n";
  AppendStallLine(settings, list.stall);
  out.Write(settings);
  if (!WriteSeasonSection(out, session.season, stop)) return false;
  echo.Write("}\n");
  return true;
}

// Discards characters up to and including the next control character.
void SkipLine(TextStream& in) {
  StreamChar c;
  while ((c = in.GetChar()).code != kEnd && !IsControl(c.code)) {
  }
}

// The next number of the line, keeping a minus sign written before it so
// that negative values come back as they were saved.  False when the line
// has none left.  ("nan" is a real's field too, which it leaves as it was.)
bool NextInt(TextStream& in, int& field) {
  if (SkipToSignedNumber(in) != Skip::kAtNumber) return false;
  ReadFileInt(in, field);
  return true;
}

bool NextReal(TextStream& in, double& field) {
  if (SkipToReal(in) != Skip::kAtNumber) return false;
  ReadFileReal(in, field);
  return true;
}

// Reads a member's row, a line without its line end, into `r` and `name`.
// False when the line is damaged: it ends before the name's 29 characters
// or one of the fourteen numbers, or lacks the closing "|" (a row cut
// within its last number).
bool ReadRow(std::string_view line, Member& r, std::string& name) {
  const std::size_t last = line.find_last_not_of(' ');
  if (last == std::string_view::npos || line[last] != '|') return false;
  TextStream in = TextStream::Memory(std::string(line));
  in.Get();  // the "|" that opens the row
  // The name is read as its 29 columns, padding included: 29 characters,
  // whatever bytes each takes.
  name.clear();
  for (std::size_t i = 0; i < kNameLength; ++i) {
    const StreamChar ch = in.GetChar();
    if (ch.code == kEnd) return false;
    name.append(ch.Bytes());
  }
  return NextInt(in, r.id) && NextInt(in, r.level) && NextInt(in, r.oldspeed) &&
         NextInt(in, r.oldpower) && NextInt(in, r.oldstren) && NextInt(in, r.oldhealth) &&
         NextInt(in, r.oldintel) && NextReal(in, r.oldbeg) && NextInt(in, r.newspeed) &&
         NextInt(in, r.newpower) && NextInt(in, r.newstren) && NextInt(in, r.newhealth) &&
         NextInt(in, r.newintel) && NextReal(in, r.newbeg);
}

// Reads the settings line: the four weights, the sort option and its
// direction, each read in turn as far as the line goes.  False when the
// line ends before the last.
bool ReadSettings(std::string line, ListSettings& list) {
  TextStream in = TextStream::Memory(std::move(line));
  int direction = SavedNumberOf(list.sort_direction);
  const bool whole = NextReal(in, list.weights.health) && NextReal(in, list.weights.speed) &&
                     NextReal(in, list.weights.power) && NextReal(in, list.weights.strength) &&
                     NextInt(in, list.sort_option) && NextInt(in, direction);
  list.sort_direction = SortDirectionOf(direction);
  return whole;
}

const Format kLoadedEcho(
    "|%-29.29s : %6.0d : %3.0d : %6.0d : %6.0d : %6.0d : %6.0d : %4.0d  : %6.2f : %6.0d : %6.0d : "
    "%6.0d : %6.0d :  %4.0d : %6.2f |\n");

}  // namespace

FileStatus WriteSaveFile(const std::string& name, const Session& session, TextSink& echo,
                         StopRequest& stop, const SaveFileWriting& how) {
  AtomicFile file;
  FileStatus opened;
  {
    InterruptibleWait wait;  // a FIFO no one reads waits for ever
    opened = file.Open(name, how.backups);
  }
  // A file not committed is abandoned, its temporary file removed.
  if (stop.Requested() || (opened.ok() && !WriteContents(file, session, echo, stop, how.note))) {
    return FileStatus::Failed(FileFailure::kInterrupted, name, 0);
  }
  if (!opened.ok()) return opened;
  return file.Commit();
}

void WriteColumnFlags(const ColumnSet& columns, std::string& out) {
  for (int number = 1; number <= kSavedColumnFlags; ++number) {
    out += columns.Shows(OptionByNumber(number)) ? "  0  :  " : "  1  :  ";
  }
}

ColumnSet ReadColumnFlags(TextStream& in, int* read) {
  ColumnSet columns;
  for (int number = 1; number <= kSavedColumnFlags; ++number) {
    SkipToNumber(in);
    int flag = 1;  // a flag that cannot be read leaves its column hidden
    if (ReadFileInt(in, flag) && read != nullptr) ++*read;
    if (flag == 0) columns.Show(OptionByNumber(number), true);
  }
  return columns;
}

SaveFileReport ReadSaveFile(TextStream& in, Session& session, TextSink& echo, StopRequest& stop) {
  SaveFileReport report;
  Roster& roster = session.roster;
  roster.Clear();
  session.season = Season();
  // The line end after the header, the titles, the rule and the empty line.
  for (int i = 0; i < 4; ++i) SkipLine(in);

  std::string row, name, echoed;
  for (;;) {
    if (stop.Requested()) {
      report.interrupted = true;
      return report;
    }
    row.clear();
    // A damaged file that ends among the rows keeps the settings as they were.
    if (!in.GetLine(row)) return report;
    if (!row.empty() && row[0] == '}') break;
    if (row.empty()) continue;
    Member r;
    // A member without an ID cannot be reached by EDIT or DELETE: no save
    // holds one, so its row is damaged.
    if (!ReadRow(row, r, name) || r.id == 0) {
      ++report.damaged_rows;
      continue;
    }
    const Member& member = roster.Append(r, name);
    ++report.members;
    echoed.clear();
    kLoadedEcho.AppendTo(echoed, {roster.NameOf(member), r.id, r.level, r.oldspeed, r.oldpower,
                                  r.oldstren, r.oldhealth, r.oldintel, r.oldbeg, r.newspeed,
                                  r.newpower, r.newstren, r.newhealth, r.newintel, r.newbeg});
    echo.Write(echoed);
  }
  // The flag line, then the settings line, each whole on its own line; the
  // "}" that closes them must follow.
  row.clear();
  in.GetLine(row);
  TextStream flags = TextStream::Memory(std::move(row));
  int flags_read = 0;
  session.columns = ReadColumnFlags(flags, &flags_read);
  row.clear();
  const bool settings = in.GetLine(row) && ReadSettings(std::move(row), session.list);
  report.ended_early = flags_read != kSavedColumnFlags || !settings || in.Ended();
  // A file without the stall bar's line has the default bar.
  session.list.stall = StallBar();
  const SeasonSectionReport season =
      ReadSeasonSection(in, session.season, session.list.stall, stop);
  report.damaged_season_lines = season.damaged;
  report.interrupted = season.interrupted || stop.Requested();
  return report;
}

std::string ReadSaveFileNote(TextStream& in) {
  std::string line;
  for (int i = 0; i < 4; ++i) {
    line.clear();
    if (!in.GetLine(line)) return std::string();
  }
  return line;
}

std::optional<SaveFileCounts> CountSaveFile(const std::string& name) {
  // Only a regular file is looked into: a pipe would wait for a writer.
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) return std::nullopt;
  FilePtr file(std::fopen(name.c_str(), "rb"));
  if (!file) return std::nullopt;
  TextStream in = TextStream::File(std::move(file));
  SkipByteOrderMark(in);
  if (!TakeSaveHeader(in)) return std::nullopt;
  SaveFileCounts counts;
  std::string line;
  auto next = [&in, &line] {
    line.clear();
    return in.GetLine(line);
  };
  for (int i = 0; i < 4 && next(); ++i) {
  }
  while (next() && (line.empty() || line[0] != '}')) {
    if (!line.empty()) ++counts.members;
  }
  while (next() && line.substr(0, line.find_last_not_of(" \r") + 1) != kSeasonMark) {
  }
  std::set<int> days;
  int day = 0;
  while (next()) {
    if (ParseDate(std::string_view(line).substr(0, line.find(' ')), day)) days.insert(day);
  }
  counts.dates = static_cast<long long>(days.size());
  return counts;
}

}  // namespace korvelin
