// SAVE and QUIT.
#include <optional>
#include <string>

#include "files/files.h"
#include "files/save_file.h"
#include "text/format.h"

namespace korvelin {

namespace {

const char kSaveFailed[] = "   [ERROR SAVING FILE.  SAVE ABORTED]";

// The question before a save over a save file that holds more than the
// session: a stat table loaded where the season's save file was meant would
// otherwise replace weeks of history with one date.  Empty when there is
// nothing to ask.
std::string RicherFileQuestion(const Session& session, const std::string& name) {
  const std::optional<SaveFileCounts> file = CountSaveFile(name);
  const auto dates = static_cast<long long>(session.season.Dates().size());
  const auto members = static_cast<long long>(session.roster.size());
  if (!file || (file->dates <= dates && file->members <= members)) return std::string();
  static const Format kAsk(
      "   [THAT FILE HOLDS %d DATES AND %d MEMBERS, THIS SAVE %d DATES AND %d MEMBERS.  SAVE OVER "
      "IT? 'Y' TO CONFIRM]\n >>> ");
  return kAsk({file->dates, file->members, dates, members});
}

// Whether to save over `name`: yes, unless it holds more than the session,
// or it is the file this session last read or wrote and another program has
// written it since, and the user does not confirm.  One question at most.
bool MaySaveOver(Console& console, const Session& session, const std::string& name) {
  std::string question = RicherFileQuestion(session, name);
  if (question.empty() && ChangedSince(session.saved.file, name)) {
    question =
        "   [THAT FILE CHANGED SINCE IT WAS LOADED OR SAVED.  SAVE OVER IT? 'Y' TO CONFIRM]\n >>> ";
  }
  if (question.empty()) return true;
  console.Print(question);
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
    case FileAnswer::kRefused: console.PrintLine(kSaveFailed); return false;
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
    console.PrintFailure(kSaveFailed, status.error);
    return false;
  }
  session.saved.Clean(StampFile(name));
  session.saved.save_file = session.saved.file.path;
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
