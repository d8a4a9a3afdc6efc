// SAVE and QUIT.
#include "files/files.h"
#include "files/save_file.h"

namespace korvelin {

namespace {

void SaveFailed(Console& console) { console.PrintLine("   [ERROR SAVING FILE.  SAVE ABORTED]"); }

// Whether to save over `name`: yes, unless it is the file this session last
// read or wrote, another program has written it since, and the user does
// not confirm.
bool MaySaveOver(Console& console, const Session& session, const std::string& name) {
  if (!ChangedSince(session.saved.file, name)) return true;
  console.Print(
      "   [THAT FILE CHANGED SINCE IT WAS LOADED OR SAVED.  SAVE OVER IT? 'Y' TO CONFIRM]\n >>> ");
  bool yes = false;
  if (!console.ReadYes(yes)) return false;
  if (!yes) console.PrintLine("   [NOT SAVED]");
  return yes;
}

// Asks for the file to save to and saves.  False when nothing was saved to
// a file named.
bool AskAndSave(Console& console, Session& session, const char* prompt) {
  std::string name;
  switch (AskFileName(console, prompt, name)) {
    case FileAnswer::kCancelled: return true;
    case FileAnswer::kRefused: SaveFailed(console); return false;
    case FileAnswer::kName: break;
  }
  if (!MaySaveOver(console, session, name)) return false;
  console.Flush();  // a FIFO may keep the save waiting: the prompt is shown first
  const FileStatus status = WriteSaveFile(name, session, console, console.Stop());
  if (status.failure == FileFailure::kInterrupted) {
    console.ReportInterrupt();
    return false;
  }
  if (!status.ok()) {
    SaveFailed(console);
    return false;
  }
  session.saved.Clean(StampFile(name));
  return true;
}

}  // namespace

void Save(Console& console, Session& session) {
  if (session.roster.empty()) return;
  AskAndSave(console, session, "   [FILE TO SAVE TO? '\\' TO CANCEL]\n   [KORVELIN-SAVE]\n >>> ");
}

bool Quit(Console& console, Session& session) {
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

}  // namespace korvelin
