// Database files: importing the game's stat tables, the program's own save
// file, and updating new stats from a later table.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "roster/record.h"
#include "text/text_stream.h"

// The first 199 characters of every save file; LOAD tells save files from
// stat tables by them.  Written to disk: must never change.
extern const char kSaveHeader[];
constexpr std::size_t kSaveHeaderLength = 199;

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
// snapshots), intelligence 1000 and beg 2.0.  False, with nothing read or
// printed, when the stream ends before a row starts.
bool ReadTableRow(TextStream& in, PlayerRecord& record);

// Opens a file to read; null when it cannot be opened or is a folder.
FilePtr OpenForReading(const std::string& name);
// Prints `prompt` and reads a file name.  False when the user cancels (a
// word beginning with a backslash) or the input ends.
bool AskFileName(const char* prompt, std::string& name);
// Prints `prompt` and reads a file name.  Nothing when the user cancels (a
// word beginning with a backslash) or the input ends, or when the file cannot
// be opened (then `failure` is printed as a line).
std::optional<TextStream> AskFileToRead(const char* prompt, const char* failure);

// The SAVE command.
void Save();
// The QUIT command: 0 when the program is to end, -1 to carry on (the user
// did not confirm, or the save failed).
int Quit();
// Writes the roster and the list settings to the save file `name`, echoing
// the rows.  A failure leaves any earlier file as it was, prints
// "[ERROR SAVING FILE.  SAVE ABORTED]" and returns false.
bool WriteSaveFile(const std::string& name);
// Writes the 35 column flags of the custom display (1 hidden, 0 shown).
void OptionSave(std::FILE* out);

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
