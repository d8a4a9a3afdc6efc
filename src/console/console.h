// The console: every read of what the user types and every write to the
// screen.  Output is written as bytes to one stream; input is read from one
// stream from which words, numbers and names are all taken.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "console/completion.h"
#include "roster/record.h"
#include "text/line_source.h"

// Uses `input` and `output` as the console (standard input and output at
// start-up), reading `input` a line at a time with plain reads, and forgets
// anything read ahead from an earlier console.
void AttachConsole(std::FILE* input, std::FILE* output);
// Reads the console's lines from `lines` from now on (the line editor).  From
// then on the unfinished last line printed (the " >>> " of a prompt) is held
// back: the line source takes it as its prompt (TakePrompt), or it goes out
// with the next text printed.
void AttachLineSource(std::unique_ptr<LineSource> lines);
// Writes out everything printed before the line held back, and hands that
// line over (empty when nothing is held).
std::string TakePrompt();
// The console's output stream, with anything held back written first.
std::FILE* ConsoleOut();

// ---------------------------------------------------------------------------
// Output
// ---------------------------------------------------------------------------

// Writes text as it stands.
void Print(const char* text);
void Print(const std::string& text);
// Writes text followed by a line end.
void PrintLine(const char* text);
// Formatted output through printf's rules.
void Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The invalid-input message (followed by a line end).
void Error();

// The farewell printed when the program ends.
void Farewell();

// ---------------------------------------------------------------------------
// Input.  Each read returns false when the input has ended; the caller then
// leaves at once, and the main protocol ends the program.
// ---------------------------------------------------------------------------

constexpr std::size_t kCommandLength = 19;  // the main prompt's word
constexpr std::size_t kWordLength = 29;     // every other word
constexpr std::size_t kSetWordLength = 30;  // the List-Set choice
constexpr std::size_t kLoweredLength = 30;  // lowstring lowers no further

// True once a read has met the end of the console input.
bool InputEnded();

// Lower-cases A-Z in place, over at most the first 30 characters.
void lowstring(std::string& word);

// Reads one word of at most `limit` characters.
bool ReadWord(std::string& word, std::size_t limit);
// Reads one word of at most `limit` characters and lower-cases it.
bool ReadCommand(std::string& word, std::size_t limit = kWordLength);
// A file name holds at most this many bytes.
constexpr std::size_t kFileNameLength = 4095;

// What a file prompt's answer was.
enum class FileNameRead {
  kName,       // a name
  kBackslash,  // a word beginning with a backslash
  kRefused,    // a name too long, or a quote left open
  kEnded,      // the input ended first
};
// Reads a file name: the whole word up to the next white space, or, when it
// begins with a double quote, everything up to the next double quote on the
// same line (spaces included, the quotes left out).  A refused name is
// consumed all the same.  Tab completes file names meanwhile.
FileNameRead ReadFileName(std::string& name);

// Reads a yes/no answer: `yes` is true when its first character is "y" after
// lower-casing.
bool ReadYes(bool& yes);

// Prints `prompt` and reads an integer; a word that is not a number is
// consumed, answered with the invalid-input message and the prompt again.
bool PromptInt(const char* prompt, int& value);
// As PromptInt, for a finite decimal number.
bool PromptDouble(const char* prompt, double& value);

// Reads an integer when the next word begins with one; a number beyond the
// int range counts as the nearest int.  When it does not, only the white
// space before it is consumed and the whole word, sign and all, is left for
// the next read; `read` is then false.  False at the end of the input.
bool ReadIntOrLeaveWord(int& value, bool& read);

// The value prompt of Getint and Getdouble.
extern const char* const kValuePrompt;
bool Getint(int& value);
bool Getdouble(double& value);
// Reads a name as Getname does, after a prompt of the caller's.
bool ReadName(char (&name)[sizeof PlayerRecord::name]);
// Prints the name prompt and reads a name into a record's name field:
// leading control characters skipped, up to 29 characters up to the next
// control character (characters as text/characters.h counts them: a UTF-8
// "Дракон" is six).
bool Getname(char (&name)[kNameBytes + 1]);
