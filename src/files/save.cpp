// SAVE, QUIT and the save-file writer.
//
// The save file, which OldLoader reads back by position.  It is written to
// disk and read by earlier runs of the program: its layout must not change.
//   1. kSaveHeader (199 characters in six lines), then an empty line;
//   2. the column titles, a rule of 199 "_" closed by "|", an empty line;
//   3. one row per member, in roster order:
//      "|" name (29 columns) " : " id " : " level " : " the old speed, power,
//      strength, health, intelligence, beg (six decimals), then the same six
//      new values, each separated by " : ", and " |";
//   4. "}";
//   5. the 35 column flags of the custom display, "  F  :  " each, in option
//      order (1 = hidden, 0 = shown), with no line end of their own;
//   6. ": health : speed : power : strength weight (six decimals each) :
//      sort option : sort direction " on a line of its own;
//   7. "}".
#include <cmath>

#include "console/console.h"
#include "files/atomic_file.h"
#include "files/files.h"
#include "roster/options.h"
#include "text/format.h"

namespace {

const char kTitles[] =
    "| NAME:                        : ID_NUM : Level : Init_Speed : Init_Power : Init_Stren: "
    "Init_Health : Init_Intel : Init_Beg :  New_Speed :  New_Power :  New_Stren :  New_Health :  "
    "New_Intel : New_Beg |\n";

// The file's row of one member.  The name is padded to 29 characters, not
// columns: OldLoader reads it back as 29 characters.
const Format kRow(
    "|%-29s : %d : %d : %d : %d : %d : %d : %d : %lf : %d : %d : %d : %d : %d : %lf |\n",
    Format::Unit::kCharacters);
// The console's echo of a saved member (both health values left out).
const Format kEcho(
    "|%-29.29s : %6.0d :  %3.0d  :   %6.0d   :   %6.0d   :   %6.0d  :    %4.0d    :  %6.2f  :   "
    "%6.0d   :   %6.0d   :   %6.0d   :    %4.0d    :  %6.2f  |\n");
const Format kSettings("\n: %lf : %lf : %lf : %lf : %d : %d \n");

// Writes the whole file, echoing every row and the closing "}".
void WriteContents(AtomicFile& out) {
  out.Write(kSaveHeader);
  out.Write("\n");
  out.Write(kTitles);
  out.Write(std::string(199, '_'));
  out.Write("|\n\n");
  std::string row, echo;
  for (const PlayerRecord* r = Start->next; r != nullptr; r = r->next) {
    row.clear();
    kRow.AppendTo(row, {r->name, r->id, r->level, r->oldspeed, r->oldpower, r->oldstren,
                        r->oldhealth, r->oldintel, r->oldbeg, r->newspeed, r->newpower, r->newstren,
                        r->newhealth, r->newintel, r->newbeg});
    out.Write(row);
    echo.clear();
    kEcho.AppendTo(echo,
                   {r->name, r->id, r->level, r->oldspeed, r->oldpower, r->oldstren, r->oldintel,
                    r->oldbeg, r->newspeed, r->newpower, r->newstren, r->newintel, r->newbeg});
    Print(echo);
  }
  std::string settings = "}\n";
  OptionSave(settings);
  settings += kSettings({HealthWeight(), SpeedWeight(), PowerWeight(), StrengthWeight(),
                         ListSortOption(), ListSortDirection()});
  settings += "}\n";
  out.Write(settings);
  Print("}\n");
}

void SaveFailed() { PrintLine("   [ERROR SAVING FILE.  SAVE ABORTED]"); }

}  // namespace

bool WriteSaveFile(const std::string& name) {
  AtomicFile file;
  bool saved = file.Open(name);
  if (saved) {
    WriteContents(file);
    saved = file.Commit();
  }
  if (!saved) SaveFailed();
  return saved;
}

void OptionSave(std::string& out) {
  for (int number = 1; number <= kOptionCount; ++number) {
    const OptionInfo& option = OptionByNumber(number);
    // A real field counts as shown when its value truncated toward zero is
    // not zero.
    const OptionValue flag = OptionRead(option, *displayoptions);
    const bool shown = flag.real ? std::trunc(flag.number) != 0.0 : flag.integer != 0;
    out += shown ? "  0  :  " : "  1  :  ";
  }
}

namespace {

// Asks for the file to save to and saves.  False when the save failed.
bool AskAndSave(const char* prompt) {
  std::string name;
  switch (AskFileName(prompt, name)) {
    case FileAnswer::kCancelled: return true;
    case FileAnswer::kRefused: SaveFailed(); return false;
    case FileAnswer::kName: break;
  }
  return WriteSaveFile(name);
}

}  // namespace

void Save() {
  if (Start->next == nullptr) return;
  AskAndSave("   [FILE TO SAVE TO? '\\' TO CANCEL]\n   [KORVELIN-SAVE]\n >>> ");
}

int Quit() {
  Print("   [ARE YOU SURE? 'Y' TO CONFIRM]\n   [KORVELIN-QUIT-CONFIRM]\n >>> ");
  bool yes = false;
  if (!ReadYes(yes)) return 0;
  if (!yes) {
    PrintLine("   [QUIT ABORTED]\n");
    return -1;
  }
  if (Start->next == nullptr) return 0;
  // A failed save keeps the program running, so nothing is lost.
  return AskAndSave(
             "   [FILE TO SAVE TO? '\\' TO QUIT WITHOUT SAVING]\n   [KORVELIN-QUIT-SAVE]\n >>> ")
             ? 0
             : -1;
}
