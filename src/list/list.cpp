// The List protocol: the custom list, the presets, OUTPUT and SET.
#include "list/list.h"

#include <string>

#include "console/protocol.h"
#include "list/table_writer.h"
#include "roster/derived.h"
#include "roster/masks.h"
#include "roster/options.h"
#include "roster/save_header.h"
#include "text/text_stream.h"

namespace {

// What one visit to the List protocol holds; all of it ends with the visit.
struct ListVisit {
  SlinkList custom;                 // the whole roster in the user's chosen order
  int entries = 0;                  // the row limit of LIST and PERCENT
  std::unique_ptr<TableFile> file;  // the list output when it is a file; null for the screen
};

// Prints a table to the list output; a file that could not be written
// stops being the list output (the table writer has said so).
void Show(ListVisit& visit, const char* name, int rows, const Slink* list,
          const PlayerRecord& mask) {
  if (!visit.file) {
    WriteTable(*MakeFixedTable(ConsoleOut()), name, rows, list, mask);
  } else if (!WriteTable(visit.file->writer(), name, rows, list, mask)) {
    visit.file.reset();
  }
}

// The list output returns to the screen.  A file's document is completed
// (a JSON array closed, an HTML page ended) and the file closed at once, so
// that it is whole from then on.
void OutputToScreen(ListVisit& visit) {
  if (!visit.file) return;
  const bool written = visit.file->Finish();
  visit.file.reset();
  if (!written) PrintLine("   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]");
}

// ---------------------------------------------------------------------------
// Presets: each sorts the roster its own way, prints it and drops its list.
// ---------------------------------------------------------------------------

enum class Rows { kAllMembers, kEntriesSetting, kFixed };

struct Preset {
  const char* name;       // as exported files name the table
  void (*set_up_mask)();  // null: the mask is used as it is
  int option;             // the sort option
  int direction;
  Rows rows;
  int fixed_rows;  // for Rows::kFixed
  std::unique_ptr<PlayerRecord>* mask;
};

// The presets sort by their own fixed options: WC by weighted total, the
// three stat presets by their new stat, PERCENT by total gain, DEFAULT by ID.
constexpr int kWCRows = 10;
constexpr int kStatPresetRows = 15;
const Preset kDefaultPreset = {"default",         nullptr, OptionNumber("id"), kAscending,
                               Rows::kAllMembers, 0,       &main_d_options};
const Preset kPercentPreset = {"percent",   PercentOptions,        OptionNumber("totalgain"),
                               kDescending, Rows::kEntriesSetting, 0,
                               &tempoptions};
const Preset kWCPreset = {"wc",    WCOptions,   OptionNumber("wtotal"), kDescending, Rows::kFixed,
                          kWCRows, &tempoptions};
const Preset kSpeedPreset = {"speed",     WCOptions,    OptionNumber("newspeed"),
                             kDescending, Rows::kFixed, kStatPresetRows,
                             &tempoptions};
const Preset kPowerPreset = {"power",     WCOptions,    OptionNumber("newpower"),
                             kDescending, Rows::kFixed, kStatPresetRows,
                             &tempoptions};
const Preset kStrengthPreset = {"strength",  WCOptions,    OptionNumber("newstren"),
                                kDescending, Rows::kFixed, kStatPresetRows,
                                &tempoptions};

Next RunPreset(ListVisit& visit, const Preset& preset) {
  if (preset.set_up_mask != nullptr) preset.set_up_mask();
  int rows = preset.fixed_rows;
  if (preset.rows == Rows::kAllMembers) rows = EntryCount();
  if (preset.rows == Rows::kEntriesSetting) rows = visit.entries;
  const SlinkList list = SortMain(preset.option, nullptr, preset.direction);
  Show(visit, preset.name, rows, list.get(), **preset.mask);
  return Next::kStay;
}

// ---------------------------------------------------------------------------
// OUTPUT
// ---------------------------------------------------------------------------

// The file's name picks the table's format (table_writer.h); a word
// beginning with a backslash returns the tables to the screen.
Next ChooseOutput(ListVisit& visit) {
  Print("   [FILE TO OUTPUT TO? '\\' TO OUTPUT TO SCREEN]\n   [KORVELIN-LIST-OUTPUT]\n >>> ");
  std::string name;
  const FileNameRead answer = ReadFileName(name);
  if (answer == FileNameRead::kEnded) return Next::kLeave;
  OutputToScreen(visit);
  if (answer == FileNameRead::kBackslash) return Next::kStay;
  // Opening a file to write empties it: a save file named by mistake (OUTPUT
  // where SAVE was meant) is left alone, whatever the extension.
  if (answer == FileNameRead::kName && IsSaveFile(name)) {
    PrintLine("   [THAT IS A SAVE FILE.  OUTPUT SET TO SCREEN]");
    return Next::kStay;
  }
  if (answer == FileNameRead::kName) visit.file = TableFile::Open(name);
  if (!visit.file) PrintLine("   [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]");
  return Next::kStay;
}

// ---------------------------------------------------------------------------
// SET
// ---------------------------------------------------------------------------

void Help_ListSet() {
  PrintLine(
      "   KORVELIN HELP\n   The List-Set Protocol:\n   This small protocol allows you to set how "
      "the list protocol displays the database.  The following commands are available:\nOPTIONS : "
      "Go to the option protocol that allows you to toggle which options to display and not "
      "display\nENTRIES : Set the number of entries to show in the list.  Useful if you are only "
      "interested in the first few items.\nWEIGHTS : Go the the weight-set protocol allowing you "
      "to edit the weights used in WC calculations.\n'\\'     : Return to the list protocol.\n");
}

// Reads the new entries setting.  A word that is not a number leaves the
// setting as it was and is read again as the next List command, sign and
// all.  A number beyond the int range counts as the nearest int.
Next SetEntries(ListVisit& visit) {
  Printf(
      "\n   [CURRENT NUMBER OF ENTRIES TO SHOW = %d]\n   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 "
      "= MAX )]\n   [KORVELIN-LIST-SET-ENTRIES]\n >>> ",
      visit.entries);
  int entries = 0;
  bool read = false;
  if (!ReadIntOrLeaveWord(entries, read) || !read) return Next::kLeave;
  if (entries == 0) entries = EntryCount();
  if (entries > EntryCount()) {
    entries = EntryCount();
    Print("\n   [INVALID VALUE.  VALUE RESET TO MAX]");
  }
  visit.entries = entries;
  return Next::kLeave;
}

// The SET words in the order they are compared.  kLeave goes back to the
// List prompt; kStay shows the SET prompt again.
const Command<Handler<ListVisit>> kSetCommands[] = {
    {"entries", SetEntries},
    {"weights",
     [](ListVisit&) {
       WeightSet();
       return Next::kLeave;
     }},
    {"options",
     [](ListVisit&) {
       OptionSet();
       return Next::kLeave;
     }},
    {"help",
     [](ListVisit&) {
       Help_ListSet();
       return Next::kStay;
     }},
    {"\\", [](ListVisit&) { return Next::kLeave; }},
};

// SET always comes back to the List prompt (or ends with the input).
Next ListSet(ListVisit& visit) {
  RunProtocol(
      visit,
      [](ListVisit&) {
        Print(
            "\n   [ENTRIES, WEIGHTS OR OPTIONS? ( '\\' TO CANCEL )]\n   [KORVELIN-LIST-SET\n >>> ");
      },
      kSetCommands, WordRule{kSetWordLength, true});
  return Next::kStay;
}

// ---------------------------------------------------------------------------
// The command loop
// ---------------------------------------------------------------------------

void Help_List() {
  Printf(
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
      "gains, and all %% gains\nDEFAULT  : Default display options, shows all entries sorted by ID "
      "number\n           Displays ID, level and all old stats\n\n   None of the above shortcuts "
      "change the custom display options used when the command 'LIST' is entered.\n");
  PrintLine(
      "   Other list protocol commands:\nHELP     : Displays this help\nSORT     : Start the sort "
      "Protocol allowing you to sort the database by your choice of variable.\nOUTPUT   : Set the "
      "list output.  This can either be set to a file or can be reset back to a screen "
      "display.\nSET      : Go to the set protocol allowing you to set the weightings, display "
      "options, and number of displayed entries.\nDONE     : Return to the main protocol.\nBACK    "
      " : Return to the main protocol.");
}

// The List commands in the order they are compared.
const Command<Handler<ListVisit>> kListCommands[] = {
    {"help",
     [](ListVisit&) {
       Help_List();
       return Next::kStay;
     }},
    {"list",
     [](ListVisit& v) {
       Show(v, "list", v.entries, v.custom.get(), *displayoptions);
       return Next::kStay;
     }},
    {"default", [](ListVisit& v) { return RunPreset(v, kDefaultPreset); }},
    {"percent", [](ListVisit& v) { return RunPreset(v, kPercentPreset); }},
    {"wc", [](ListVisit& v) { return RunPreset(v, kWCPreset); }},
    {"speed", [](ListVisit& v) { return RunPreset(v, kSpeedPreset); }},
    {"power", [](ListVisit& v) { return RunPreset(v, kPowerPreset); }},
    {"strength", [](ListVisit& v) { return RunPreset(v, kStrengthPreset); }},
    {"sort",
     [](ListVisit& v) {
       v.custom = Sort_Choose(std::move(v.custom));
       return Next::kStay;
     }},
    {"output", ChooseOutput},
    {"set", ListSet},
    {"back", [](ListVisit&) { return Next::kLeave; }},
    {"done", [](ListVisit&) { return Next::kLeave; }},
};

}  // namespace

void List() {
  ListVisit visit;
  visit.entries = EntryCount();
  if (Start->next == nullptr) {
    PrintLine("   [DATABASE EMPTY.  PLEASE LOAD A DATABASE FIRST]\n");
    return;
  }
  ListCalc(Start->next);
  visit.custom = SortMain(ListSortOption(), nullptr, ListSortDirection());

  RunProtocol(
      visit,
      [](ListVisit&) {
        // Weights and members may have changed: every table shows current values.
        ListCalc(Start->next);
        Print("\n   [KORVELIN-LIST]\n >>> ");
      },
      kListCommands);
  // DONE, BACK and the end of the input alike.
  OutputToScreen(visit);
}
