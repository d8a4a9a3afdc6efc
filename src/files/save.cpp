// SAVE and QUIT.
#include "files/files.h"
#include "files/save_file.h"

namespace {

void SaveFailed(Console& console) { console.PrintLine("   [ERROR SAVING FILE.  SAVE ABORTED]"); }

// Asks for the file to save to and saves.  False when the save failed.
bool AskAndSave(Console& console, const Session& session, const char* prompt) {
  std::string name;
  switch (AskFileName(console, prompt, name)) {
    case FileAnswer::kCancelled: return true;
    case FileAnswer::kRefused: SaveFailed(console); return false;
    case FileAnswer::kName: break;
  }
  const FileStatus status = WriteSaveFile(name, session, console);
  if (status.failure == FileFailure::kInterrupted) {
    console.ReportInterrupt();
  } else if (!status.ok()) {
    SaveFailed(console);
  }
  return status.ok();
}

}  // namespace

void Save(Console& console, const Session& session) {
  if (session.roster.empty()) return;
  AskAndSave(console, session, "   [FILE TO SAVE TO? '\\' TO CANCEL]\n   [KORVELIN-SAVE]\n >>> ");
}

bool Quit(Console& console, const Session& session) {
  console.Print("   [ARE YOU SURE? 'Y' TO CONFIRM]\n   [KORVELIN-QUIT-CONFIRM]\n >>> ");
  bool yes = false;
  if (!console.ReadYes(yes)) return true;
  if (!yes) {
    console.PrintLine("   [QUIT ABORTED]\n");
    return false;
  }
  if (session.roster.empty()) return true;
  return AskAndSave(
      console, session,
      "   [FILE TO SAVE TO? '\\' TO QUIT WITHOUT SAVING]\n   [KORVELIN-QUIT-SAVE]\n >>> ");
}
