// The List protocol: the custom list, the presets, OUTPUT and SET.
#include "list/list.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

#include "console/interrupt.h"
#include "console/protocol.h"
#include "list/visit.h"
#include "roster/options.h"
#include "roster/season_members.h"
#include "text/format.h"
#include "text/save_header.h"

namespace korvelin {

void ShowTable(ListVisit& visit, std::shared_ptr<const Table> shown) {
  const Table& table = visit.Keep(std::move(shown));
  Console& console = visit.console;
  if (!visit.file) {
    if (ShowInViewer(visit, table)) return;
    WriteTable(*MakeFixedTable(console.Out()), table, console.Stop());
    if (!console.ReportInterrupt()) console.Print("\n");
    return;
  }
  WriteToFile(visit, [&](TableWriter& writer) {
    WriteTable(writer, table, console.Stop());
    return true;
  });
}

bool WriteToFile(ListVisit& visit, const std::function<bool(TableWriter&)>& write) {
  Console& console = visit.console;
  bool taken = false, saved = false;
  int error = 0;
  {
    // A FIFO that no one reads holds the writing up, and its closing too.
    InterruptibleWait wait(console);
    taken = write(visit.file->writer());
    // What is written is reported as saved only once it is really in the file.
    saved = visit.file->Flush();
    if (!saved) {
      error = visit.file->error();
      visit.file.reset();
    }
  }
  if (!taken && saved) return false;
  console.Print("\n");
  const bool interrupted = console.ReportInterrupt();
  if (!saved) {
    console.PrintFailure("   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]", error);
  } else if (!interrupted) {
    console.PrintLine("   [DATA SAVED SUCESSFULLY]\n");
  }
  return true;
}

namespace {

// Shows the roster's members in `order` (at most `rows`) in `columns`.
void Show(ListVisit& visit, const char* name, int rows, const MemberOrder& order,
          const ColumnSet& columns) {
  const Session& session = visit.session;
  ShowTable(visit,
            OptionTable({name, session.roster, session.list.weights, columns, &order, rows}));
}

// The list output returns to the screen.  A file's document is completed
// (a JSON array closed, an HTML page ended) and the file closed at once, so
// that it is whole from then on; the session remembers it as it is then.
void OutputToScreen(ListVisit& visit) {
  if (!visit.file) return;
  bool written = false;
  int error = 0;
  {
    InterruptibleWait wait(visit.console);  // as in ShowTable
    written = visit.file->Finish();
    error = visit.file->error();
    visit.file.reset();
  }
  visit.session.saved.file = StampFile(visit.file_name);
  visit.console.ReportInterrupt();
  if (!written) visit.console.PrintFailure("   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]", error);
}

// ---------------------------------------------------------------------------
// Presets: each sorts the roster its own way, prints it and drops its list.
// ---------------------------------------------------------------------------

enum class Rows { kAllMembers, kEntriesSetting, kFixed };

struct Preset {
  const char* name;  // as exported files name the table
  ColumnSet columns;
  int option;  // the sort option
  SortDirection direction;
  Rows rows;
  int fixed_rows;  // for Rows::kFixed
  bool fighters;   // picks fighters: passes over the members who have left
};

// The presets sort by their own fixed options: WC by weighted total, the
// three stat presets by their new stat, PERCENT by total gain, DEFAULT by ID.
// WC and the stat presets pick a team, which leaves out who has left.
constexpr int kWCRows = 10;
constexpr int kStatPresetRows = 15;
constexpr SortDirection kDown = SortDirection::kDescending;
constexpr Preset kDefaultPreset = {
    "default", kDefaultColumns, OptionNumber("id"), SortDirection::kAscending, Rows::kAllMembers, 0,
    false};
constexpr Preset kPercentPreset = {
    "percent", kPercentColumns, OptionNumber("totalgain"), kDown, Rows::kEntriesSetting, 0, false};
constexpr Preset kWCPreset = {"wc",    kWCColumns, OptionNumber("wtotal"), kDown, Rows::kFixed,
                              kWCRows, true};
constexpr Preset kSpeedPreset = {
    "speed", kWCColumns, OptionNumber("newspeed"), kDown, Rows::kFixed, kStatPresetRows, true};
constexpr Preset kPowerPreset = {
    "power", kWCColumns, OptionNumber("newpower"), kDown, Rows::kFixed, kStatPresetRows, true};
constexpr Preset kStrengthPreset = {
    "strength", kWCColumns, OptionNumber("newstren"), kDown, Rows::kFixed, kStatPresetRows, true};

// The roster in the preset's order, at most `rows` of it; a team without
// the members who have left, looked up one by one until it is full.
MemberOrder PresetOrder(ListVisit& visit, const Preset& preset, std::size_t rows) {
  const Session& session = visit.session;
  MemberOrder order = visit.sorter.Sort(session.roster, session.list.weights,
                                        OptionByNumber(preset.option), preset.direction);
  std::size_t kept = 0;
  if (preset.fighters && !session.season.empty()) {
    const std::vector<Season::Date> dates = session.season.Dates();
    for (std::size_t i = 0; i < order.size() && kept < rows; ++i) {
      if (!HasLeft(session.season, dates, session.roster[order[i]].id)) order[kept++] = order[i];
    }
  } else {
    kept = std::min(order.size(), rows);
  }
  order.resize(kept);
  return order;
}

Next RunPreset(ListVisit& visit, const Preset& preset) {
  const Session& session = visit.session;
  int rows = preset.fixed_rows;
  if (preset.rows == Rows::kAllMembers) rows = static_cast<int>(session.roster.size());
  if (preset.rows == Rows::kEntriesSetting) rows = visit.entries;
  Show(visit, preset.name, rows,
       PresetOrder(visit, preset, static_cast<std::size_t>(std::max(rows, 0))), preset.columns);
  return Next::kStay;
}

// ---------------------------------------------------------------------------
// OUTPUT
// ---------------------------------------------------------------------------

// The file's name picks the table's format (table_writer.h); a word
// beginning with a backslash returns the tables to the screen.
Next ChooseOutput(ListVisit& visit) {
  Console& console = visit.console;
  console.Print(
      "   [FILE TO OUTPUT TO? '\\' TO OUTPUT TO SCREEN]\n   [KORVELIN-LIST-OUTPUT]\n >>> ");
  std::string name;
  const FileNameRead answer = console.ReadFileName(name);
  if (answer == FileNameRead::kEnded) return Next::kLeave;
  OutputToScreen(visit);
  if (answer == FileNameRead::kBackslash) return Next::kStay;
  // Opening a file to write empties it: a save file named by mistake (OUTPUT
  // where SAVE was meant) is left alone, whatever the extension.
  if (answer == FileNameRead::kName && IsSaveFile(name)) {
    console.PrintLine("   [THAT IS A SAVE FILE.  OUTPUT SET TO SCREEN]");
    return Next::kStay;
  }
  int error = 0;
  if (answer == FileNameRead::kName) {
    InterruptibleWait wait(console);  // a FIFO that no one reads
    visit.file = TableFile::Open(name, error);
  }
  visit.file_name = name;
  if (console.ReportInterrupt()) {
    visit.file.reset();
    return Next::kStay;
  }
  if (!visit.file) console.PrintFailure("   [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]", error);
  return Next::kStay;
}

// ---------------------------------------------------------------------------
// SET
// ---------------------------------------------------------------------------

// Reads the new entries setting.  A word that is not a number leaves the
// setting as it was and is read again as the next List command, sign and
// all.  A number beyond the int range counts as the nearest int.
Next SetEntries(ListVisit& visit) {
  Console& console = visit.console;
  static const Format kPrompt(
      "\n   [CURRENT NUMBER OF ENTRIES TO SHOW = %d]\n   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 "
      "= MAX )]\n   [KORVELIN-LIST-SET-ENTRIES]\n >>> ");
  console.Print(kPrompt({visit.entries}));
  int entries = 0;
  bool read = false;
  if (!console.ReadIntOrLeaveWord(entries, read) || !read) return Next::kLeave;
  const int members = static_cast<int>(visit.session.roster.size());
  if (entries == 0) entries = members;
  if (entries > members) {
    entries = members;
    console.Print("\n   [INVALID VALUE.  VALUE RESET TO MAX]");
  }
  visit.entries = entries;
  return Next::kLeave;
}

// VIEW: the viewer (list/view.cpp) switched off or on for the session.
Next SwitchView(ListVisit& visit) {
  Console& console = visit.console;
  bool& view = visit.session.view;
  view = !view;
  if (!view) {
    console.PrintLine("   [VIEWER OFF.  TABLES ARE PRINTED LINE BY LINE]");
  } else if (console.Viewer() != nullptr) {
    console.PrintLine("   [VIEWER ON.  TABLES TOO LARGE FOR THE WINDOW OPEN IN IT]");
  } else {
    console.PrintLine("   [VIEWER ON, BUT IT CANNOT OPEN HERE.  TABLES ARE PRINTED LINE BY LINE]");
  }
  return Next::kLeave;
}

const Completion& SetPrompt();

// The SET words in the order they are compared.  kLeave goes back to the
// List prompt; kStay shows the SET prompt again.  To add one: an entry of
// its word in lower case (at most 30 characters), its handler and what the
// read after it offers, and a line in the help below and in the SET prompt.
const Command<Handler<ListVisit>> kSetCommands[] = {
    {"entries", SetEntries, AnyWordThen<nullptr>},
    {"weights",
     [](ListVisit& v) {
       SetWeights(v.console, v.session.list.weights);
       return Next::kLeave;
     },
     WeightsPrompt},
    {"options",
     [](ListVisit& v) {
       ToggleColumns(v.console, v.session);
       return Next::kLeave;
     },
     OptionsPrompt},
    {"view", SwitchView, ListPrompt},
    {"stall",
     [](ListVisit& v) {
       SetStall(v.console, v.session.list.stall);
       return Next::kLeave;
     },
     AnyWordThen<AnyWordThen<nullptr>>},
    {"help",
     [](ListVisit& v) {
       v.console.PrintLine(
           "   KORVELIN HELP\n   The List-Set Protocol:\n   This small protocol allows you to set "
           "how the list protocol displays the database.  The following commands are "
           "available:\nOPTIONS : Go to the option protocol that allows you to toggle which "
           "options to display and not display\nENTRIES : Set the number of entries to show in "
           "the list.  Useful if you are only interested in the first few items.\nWEIGHTS : Go "
           "the the weight-set protocol allowing you to edit the weights used in WC "
           "calculations.\nVIEW    : Switch the table viewer off or on for this session: at a "
           "terminal, a table too wide or too long for the window opens in it.\n'\\'     : "
           "Return to the list protocol.\n");
       return Next::kStay;
     },
     SetPrompt},
    {"\\", [](ListVisit&) { return Next::kLeave; }},
};

const Completion& SetPrompt() {
  static const Completion offered = WordsOf(kSetCommands, Fallback<ListVisit>{});
  return offered;
}

// SET always comes back to the List prompt (or ends with the input).
Next ListSet(ListVisit& visit) {
  RunProtocol(
      visit.console, visit,
      [](ListVisit& v) {
        v.console.Print(
            "\n   [ENTRIES, WEIGHTS OR OPTIONS? ( '\\' TO CANCEL )]\n   [KORVELIN-LIST-SET\n >>> ");
      },
      kSetCommands, WordRule{kSetWordLength, true});
  return Next::kStay;
}

// ---------------------------------------------------------------------------
// The command loop
// ---------------------------------------------------------------------------

const char kListHelp[] =
    "   KORVELIN HELP\n   List Protocol Help:\n   The List protocol is a essential interface "
    "that allows you to control the database reading process so you can display the required "
    "information and sort the database easily and quickly.  The List protocol has a number of "
    "inbuild presets that represent the most useful functions:\nWC       : Displays the optimal "
    "War Chamber by showing the top ten fighters with a decending sort based on the total "
    "weighted stats.\n           Displays wtotal, level, ID and fighting stats.\nSPEED    : "
    "Shows the top 15 fighter in a decending sort based on new speed\n           Display same as "
    "'WC'\nPOWER    : Shows the top 15 fighter in a decending sort based on new power\n          "
    " Display same as 'WC'\nSTRENGTH : Shows the top 15 fighter in a decending sort based on new "
    "STRENGTH\n           Display same as 'WC'\nPERCENT  : Shows the change between the old and "
    "new stats, sorted decending based on total gain\n           Displays ID number, all stat "
    "gains, and all % gains\nDEFAULT  : Default display options, shows all entries sorted by ID "
    "number\n           Displays ID, level and all old stats\nTREND    : Shows a stat of every "
    "member over the last eight stat tables, with gain per week\nHISTORY  : Shows one member's "
    "stat tables, the gang's totals by date, or every row kept\n"
    "STALLED  : Shows who rose by no more than the stall bar over the last weeks\n"
    "CHANGES  : Shows who joined, left, returned or was renamed, by date\n"
    "REPORT   : Shows the week's report for the gang's chat\n"
    "COPY     : Puts the last table shown on the clipboard\n\n   None of the above shortcuts "
    "change the custom display options used when the command 'LIST' is entered.\n"
    "   Other list protocol commands:\nHELP     : Displays this help\nSORT     : Start the sort "
    "Protocol allowing you to sort the database by your choice of variable.\nOUTPUT   : Set the "
    "list output.  This can either be set to a file or can be reset back to a screen "
    "display.\nSET      : Go to the set protocol allowing you to set the weightings, display "
    "options, and number of displayed entries.\nDONE     : Return to the main protocol.\nBACK    "
    " : Return to the main protocol.";

// The List commands in the order they are compared.  To add one: an entry
// of its word in lower case, its handler and, when it goes on to a prompt,
// that prompt's offer (list/visit.h), which Tab follows a line typed ahead
// through; a new table is one table definition (list/table.h) that the
// handler hands to ShowTable.  Its line goes into kListHelp above, the
// README's command reference and the manual.
const Command<Handler<ListVisit>> kListCommands[] = {
    {"help",
     [](ListVisit& v) {
       v.console.PrintLine(kListHelp);
       return Next::kStay;
     }},
    {"list",
     [](ListVisit& v) {
       Show(v, "list", v.entries, v.custom, v.session.columns);
       return Next::kStay;
     }},
    {"default", [](ListVisit& v) { return RunPreset(v, kDefaultPreset); }},
    {"percent", [](ListVisit& v) { return RunPreset(v, kPercentPreset); }},
    {"wc", [](ListVisit& v) { return RunPreset(v, kWCPreset); }},
    {"speed", [](ListVisit& v) { return RunPreset(v, kSpeedPreset); }},
    {"power", [](ListVisit& v) { return RunPreset(v, kPowerPreset); }},
    {"strength", [](ListVisit& v) { return RunPreset(v, kStrengthPreset); }},
    {"trend", ShowTrend, TrendPrompt},
    {"history", ShowHistory, HistoryPrompt},
    {"stalled", ShowStalled},
    {"changes", ShowChanges},
    {"report", ShowReport},
    {"copy", CopyShown},
    {"sort",
     [](ListVisit& v) {
       ChooseSort(v);
       return Next::kStay;
     },
     SortPrompt},
    {"output", ChooseOutput, FileNames},
    {"set", ListSet, SetPrompt},
    {"back", [](ListVisit&) { return Next::kLeave; }},
    {"done", [](ListVisit&) { return Next::kLeave; }},
};

}  // namespace

const Completion& ListPrompt() {
  static const Completion offered = WordsOf(kListCommands, Fallback<ListVisit>{});
  return offered;
}

MemberOrder WarChamberTeam(ListVisit& visit) { return PresetOrder(visit, kWCPreset, kWCRows); }

void List(Console& console, Session& session) {
  if (session.roster.empty()) {
    console.PrintLine("   [DATABASE EMPTY.  PLEASE LOAD A DATABASE FIRST]\n");
    return;
  }
  ListVisit visit(console, session, static_cast<int>(session.roster.size()));
  // The custom list, in the saved order; an option that is not one (from a
  // damaged save file) sorts by ID.
  const ListSettings& list = session.list;
  if (const OptionInfo* option = CustomSortOption(list.sort_option)) {
    visit.custom = visit.sorter.Sort(session.roster, list.weights, *option, list.sort_direction);
  } else {
    console.PrintLine("   [ERROR, SORT FAILED]");
    visit.custom = visit.sorter.Sort(session.roster, list.weights,
                                     OptionByNumber(OptionNumber("id")), SortDirection::kAscending);
  }
  RunProtocol(
      console, visit, [](ListVisit& v) { v.console.Print("\n   [KORVELIN-LIST]\n >>> "); },
      kListCommands);
  // DONE, BACK and the end of the input alike.
  OutputToScreen(visit);
}

}  // namespace korvelin
