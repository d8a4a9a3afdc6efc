// The file commands: LOAD (a stat table or a save file), UPDATE, SAVE and
// QUIT.  They print what the readers and writers report.
#pragma once

#include <string>

#include "base/file_status.h"
#include "console/console.h"
#include "roster/session.h"

namespace korvelin {

// What Tab offers at the LOAD and UPDATE prompts: file names, and the
// words for a table pasted in, the clipboard's and the prompt's help.
const Completion& TablePrompt();

// LOAD: asks for a file and reads it as a save file or, when it does not
// begin with the save-file header, as a stat table; `paste` reads a stat
// table pasted at the prompt and `clipboard` the clipboard's, both dated
// today.  A damaged save file (cut short, or with rows that cannot be read)
// is taken only when the user says yes.  A file read marks the session
// saved (session.h's SaveState) and is remembered; a table pasted or on
// the clipboard leaves it unsaved.
// When it replaces the session's roster, season, settings and columns,
// the replaced ones are moved into `*before` (when given), for UNDO; true
// then.
bool Load(Console& console, Session& session, Session* before = nullptr);
// LOAD after its file prompt: reads the file `name` (the file named on the
// command line).
void LoadFile(Console& console, Session& session, const std::string& name);

// UPDATE: asks for a stat table (a file, `paste` or `clipboard`, as LOAD
// does) and applies it to the roster.
// When it changes the roster, the roster and season as they were are put
// into `*before` (when given), for UNDO; true then.
bool Update(Console& console, Session& session, Session* before = nullptr);

// SAVE: asks for a file and saves the session to it (nothing to do on an
// empty roster).  The file replaced keeps its previous content as NAME.bak,
// the older backups moving down to NAME.bak5.  The user is asked first when
// the file is a save file that holds more dates or more members than the
// session, or when it is the file last loaded, saved or written a list to
// and has changed since.  A save marks the session saved and is remembered.
void Save(Console& console, Session& session);
// QUIT: asks for confirmation, then offers to save as SAVE does.  True when
// the program is to end; false to carry on (the user did not confirm, did
// not save over a changed file, or the save failed, so that nothing is lost).
bool Quit(Console& console, Session& session);

// What a file prompt was answered with.
enum class FileAnswer {
  kName,       // a file name
  kCancelled,  // a word beginning with a backslash, or the end of the input
  kRefused,    // a name that cannot be a file's (too long, an open quote)
};
// Prints `prompt` and reads a file name (long names and quoted names with
// spaces included).
FileAnswer AskFileName(Console& console, const char* prompt, std::string& name);

}  // namespace korvelin
