// Where LOAD and UPDATE read a stat table from besides a file: the words
// their prompts take (`paste`, `clipboard`, `help`) and the reading of a
// table pasted at the prompt.
#pragma once

#include <string>

#include "console/console.h"

namespace korvelin {

// What an answer to a LOAD or UPDATE prompt names.
enum class TableSource {
  kFile,       // the file of that name
  kPaste,      // a table pasted at the prompt
  kClipboard,  // the clipboard's text
  kHelp,       // the prompt's help
};

// The source `name` names: a word typed in any case, but not in quotes (a
// file really named so is "paste" or ./paste).
TableSource SourceNamed(const std::string& name, bool quoted);

// The help of the LOAD and UPDATE prompts.
extern const char kTablePromptHelp[];

// What reading a pasted table came to.
enum class PasteResult {
  kRead,      // the text was read
  kStopped,   // Ctrl-C stopped it (not yet reported)
  kTooLarge,  // it went on past the read limit (base/read_file.h)
  kHungUp,    // the terminal hung up
};

// Prints the paste message and reads the table the user pastes into
// `text` (lines ending in LF), by lines from the console's input, up to the
// first empty line (or line of spaces) after a line that holds a row with
// an ID, or the end of the input.  At a terminal, empty lines inside the
// paste itself do not end it.
PasteResult ReadPastedTable(Console& console, std::string& text);

}  // namespace korvelin
