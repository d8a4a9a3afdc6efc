// Database files: importing the game's stat tables, the program's own save
// file, and updating new stats from a later table.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "roster/record.h"
#include "roster/save_header.h"
#include "text/text_stream.h"

// The LOAD command: asks for a file and reads it as a save file or, when it
// does not begin with the save-file header, as a stat table.
void Load();
// LOAD after its file prompt: reads the file `name` as a save file or as a
// stat table, or says that it cannot be opened.
void LoadFile(const std::string& name);

// Replaces the roster with the rows of a stat table and puts the list
// settings back to their defaults after every row.
void Initialise(TextStream& in);

// Reads one stat-table row into `record`, echoing it on the console:
// name, ID, level and, when the row carries them, the four stats (both
// snapshots), intelligence 1000 and beg 2.0.  A row is a line with a "("
// directly followed by a digit (the ID); lines without one are skipped
// whole, and those holding more than spaces and tabs are counted in
// `*skipped` (when given).  Tabs separate fields like spaces, and numbers
// may group their digits by thousands with commas.  False, with nothing
// printed, when the stream ends before a row.
bool ReadTableRow(TextStream& in, PlayerRecord& record, int* skipped = nullptr);
// After the last row: "   [SKIPPED n LINES WITHOUT AN ID]" when n > 0.
void ReportSkippedLines(int skipped);

// Opens a file to read; null when it cannot be opened or is a folder.
FilePtr OpenForReading(const std::string& name);

// What a file prompt was answered with.
enum class FileAnswer {
  kName,       // a file name
  kCancelled,  // a word beginning with a backslash, or the end of the input
  kRefused,    // a name that cannot be a file's (too long, an open quote)
};
// Prints `prompt` and reads a file name (long names and quoted names with
// spaces included).
FileAnswer AskFileName(const char* prompt, std::string& name);

// The messages of a file prompt that reads.
struct ReadFailures {
  const char* open;  // the file cannot be opened (or its name is refused)
  const char* read;  // reading it failed part-way
};
// Prints `prompt`, reads a file name and reads the whole file.  Nothing when
// the user cancels or the input ends, or when the file cannot be opened or
// read (then the failure is printed as a line, and nothing has changed).
std::optional<TextStream> AskFileToRead(const char* prompt, const ReadFailures& failures);
// The same for the file `name`, without a prompt.
std::optional<TextStream> ReadFileNamed(const std::string& name, const ReadFailures& failures);

// The SAVE command.
void Save();
// The QUIT command: 0 when the program is to end, -1 to carry on (the user
// did not confirm, or the save failed).
int Quit();
// Writes the roster and the list settings to the save file `name`, echoing
// the rows.  The file holds the old save or the new one, whole, even after a
// power cut.  A failure leaves any earlier file as it was, prints
// "[ERROR SAVING FILE.  SAVE ABORTED]" and returns false.
bool WriteSaveFile(const std::string& name);
// Appends the 35 column flags of the custom display (1 hidden, 0 shown).
void OptionSave(std::string& out);

// Reads a save file positioned after its header: replaces the roster and
// restores the custom columns, weights and sort settings.
void OldLoader(TextStream& in);
// Reads the 35 column flags into a new custom display mask.
void OptionLoad(TextStream& in);

// The UPDATE command.
void Updatemain();
// Applies every row of a stat table: a member with the row's ID takes its
// name, level and new stats; an unknown ID joins the roster at the front.
void Updater(TextStream& in);
