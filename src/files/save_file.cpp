// The save file's writer and reader.
//
// The save file, which ReadSaveFile reads back by position.  It is written to
// disk and read by earlier runs of the program: its layout must not change.
//   1. kSaveHeader (199 characters in six lines), then an empty line;
//   2. the column titles, a rule of 199 "_" closed by "|", an empty line;
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
// Earlier versions stop reading there.  What follows is the season
// (season_section.cpp), written only when there is one:
//   8. "HISTORY 1";
//   9. one line per point, by date, then by ID: the date as YYYY-MM-DD, the
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

#include "console/interrupt.h"
#include "files/atomic_file.h"
#include "files/fields.h"
#include "files/season_section.h"
#include "roster/options.h"
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
bool WriteContents(AtomicFile& out, const Session& session, TextSink& echo, StopRequest& stop) {
  out.Write(kSaveHeader);
  out.Write("\n");
  out.Write(kTitles);
  out.Write(std::string(199, '_'));
  out.Write("|\n\n");
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

// The next number of the row, keeping a minus sign written before it so
// that negative values come back as they were saved.
void NextInt(TextStream& in, int& field) {
  SkipToSignedNumber(in);
  ReadFileInt(in, field);
}

void NextReal(TextStream& in, double& field) {
  SkipToReal(in);
  ReadFileReal(in, field);
}

const Format kLoadedEcho(
    "|%-29.29s : %6.0d : %3.0d : %6.0d : %6.0d : %6.0d : %6.0d : %4.0d  : %6.2f : %6.0d : %6.0d : "
    "%6.0d : %6.0d :  %4.0d : %6.2f |\n");

}  // namespace

FileStatus WriteSaveFile(const std::string& name, const Session& session, TextSink& echo,
                         StopRequest& stop) {
  AtomicFile file;
  FileStatus opened;
  {
    InterruptibleWait wait;  // a FIFO no one reads waits for ever
    opened = file.Open(name);
  }
  // A file not committed is abandoned, its temporary file removed.
  if (stop.Requested() || (opened.ok() && !WriteContents(file, session, echo, stop))) {
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

ColumnSet ReadColumnFlags(TextStream& in) {
  ColumnSet columns;
  for (int number = 1; number <= kSavedColumnFlags; ++number) {
    SkipToNumber(in);
    int flag = 1;  // a flag that cannot be read leaves its column hidden
    ReadFileInt(in, flag);
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

  std::string name, line;
  for (;;) {
    if (stop.Requested()) {
      report.interrupted = true;
      return report;
    }
    const int c = in.Get();
    // A damaged file that ends among the rows keeps the settings as they were.
    if (c == kEnd) return report;
    if (c == '}') break;
    Member r;
    // The name is read as its 29 columns, padding included: 29 characters,
    // whatever bytes each takes.
    name.clear();
    for (std::size_t i = 0; i < kNameLength; ++i) {
      const StreamChar ch = in.GetChar();
      if (ch.code == kEnd) break;
      name.append(ch.Bytes());
    }
    NextInt(in, r.id);
    NextInt(in, r.level);
    NextInt(in, r.oldspeed);
    NextInt(in, r.oldpower);
    NextInt(in, r.oldstren);
    NextInt(in, r.oldhealth);
    NextInt(in, r.oldintel);
    NextReal(in, r.oldbeg);
    NextInt(in, r.newspeed);
    NextInt(in, r.newpower);
    NextInt(in, r.newstren);
    NextInt(in, r.newhealth);
    NextInt(in, r.newintel);
    NextReal(in, r.newbeg);
    for (int i = 0; i < 3; ++i) in.Get();  // " |" and the line end
    const Member& member = roster.Append(r, name);
    line.clear();
    kLoadedEcho.AppendTo(line, {roster.NameOf(member), r.id, r.level, r.oldspeed, r.oldpower,
                                r.oldstren, r.oldhealth, r.oldintel, r.oldbeg, r.newspeed,
                                r.newpower, r.newstren, r.newhealth, r.newintel, r.newbeg});
    echo.Write(line);
  }
  in.Get();  // the line end after "}"
  session.columns = ReadColumnFlags(in);

  // The settings line: the first skip stops at the line end that opens it.
  ListSettings& list = session.list;
  if (SkipToReal(in) == Skip::kAtLineEnd) SkipToReal(in);
  ReadFileReal(in, list.weights.health);
  NextReal(in, list.weights.speed);
  NextReal(in, list.weights.power);
  NextReal(in, list.weights.strength);
  NextInt(in, list.sort_option);
  int direction = SavedNumberOf(list.sort_direction);
  NextInt(in, direction);
  list.sort_direction = SortDirectionOf(direction);
  const SeasonSectionReport season = ReadSeasonSection(in, session.season, stop);
  report.damaged_season_lines = season.damaged;
  report.interrupted = season.interrupted || stop.Requested();
  return report;
}

}  // namespace korvelin
