// The console: every read of what the user types and every write to the
// screen.  Output is written as bytes to one stream; input is read from one
// stream from which words, numbers and names are all taken.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/stop_request.h"
#include "console/completion.h"
#include "console/table_viewer.h"
#include "text/text_sink.h"
#include "text/text_stream.h"

namespace korvelin {

// Where typed lines come from when the line editor reads them.
class LineReader {
 public:
  virtual ~LineReader() = default;
  // Shows `prompt` (the unfinished last line printed, which the reader draws
  // and redraws itself), reads one line and appends it to `line`, its line
  // end included; Tab offers `offered`.  False at the end of the input.
  virtual bool ReadLine(std::string& line, const std::string& prompt,
                        const Completion& offered) = 0;
  // Reads one line of a text being pasted as ReadLine does, except that Tab
  // is a tab, the line stays out of the typed-line history, and Ctrl-C ends
  // the line and asks the command to stop (console/interrupt.h); `pasted`
  // tells whether its line end came inside the terminal's bracketed paste.
  virtual bool ReadPastedLine(std::string& line, const std::string& prompt, bool& pasted) {
    pasted = false;
    return ReadLine(line, prompt, Completion());
  }
  // Turns the terminal's bracketed paste on or off.
  virtual void BracketPaste(bool /*on*/) {}
};

constexpr std::size_t kCommandLength = 19;     // the main prompt's word
constexpr std::size_t kWordLength = 29;        // every other word
constexpr std::size_t kSetWordLength = 30;     // the List-Set choice
constexpr std::size_t kFoldedLength = 30;      // a command word is folded no further
constexpr std::size_t kFileNameLength = 4095;  // bytes of a file name

// What a file prompt's answer was.
enum class FileNameRead {
  kName,       // a name
  kBackslash,  // a word beginning with a backslash
  kRefused,    // a name too long, or a quote left open
  kEnded,      // the input ended first
};

// Thrown when the program has run out of memory and cannot go on: not even
// the message that abandons a command could be printed.  The main protocol
// keeps the unsaved work, as on a hang-up, and ends (shell/shell.h).
struct OutOfMemory {};

// The message a command abandoned for want of memory ends with.
extern const char* const kOutOfMemoryMessage;

// The value prompt of the number reads that have no prompt of their own.
extern const char* const kValuePrompt;

class Console : public TextSink {
 public:
  // Reads `input` a line at a time with plain reads and writes `output`.
  Console(std::FILE* input, std::FILE* output);
  ~Console() override;
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Reads typed lines through `reader` from now on (the line editor).  From
  // then on the unfinished last line printed (the " >>> " of a prompt) is
  // held back and handed to the reader as its prompt, or it goes out with
  // the next text printed.
  void UseLineReader(std::unique_ptr<LineReader> reader);

  // From now on, when the input ends at a prompt (Ctrl-D at a terminal) and
  // `unsaved` says there is unsaved work, the user is asked first: "y" or a
  // second end of the input ends it, anything else shows the prompt again
  // (its last line and the " >>> ") and the read goes on.  A hang-up
  // (console/hangup.h) ends the input without asking.
  void AskBeforeEnd(std::function<bool()> unsaved);

  // Shows tables too large for the window through `viewer` from now on
  // (console/table_viewer.h); null: none is.
  void UseViewer(std::unique_ptr<TableViewer> viewer) { viewer_ = std::move(viewer); }
  // The viewer, or null at a console that has none.
  TableViewer* Viewer() { return viewer_.get(); }

  // ---------------------------------------------------------------------
  // Output
  // ---------------------------------------------------------------------

  // Writes text as it stands.
  void Print(std::string_view text);
  void Write(std::string_view text) override { Print(text); }
  // Writes text followed by a line end.
  void PrintLine(std::string_view text);
  // Prints a command's failure `message` (followed by a line end) and, on
  // a line of its own, the system's reason for it ("   [Permission
  // denied]") when `error` (an errno value) gives one.
  void PrintFailure(std::string_view message, int error);
  // One line of a list of members, "      NAME (ID)": the name without its
  // padding, its controls shown as tables show them (text/width.h).
  void PrintMember(std::string_view name, int id);
  // The invalid-input message (followed by a line end).
  void InvalidInput();
  // The farewell printed when the program ends.
  void Farewell();
  // When Ctrl-C (or StopWith's request) has asked the running command to
  // stop (console/interrupt.h):
  // prints "   [INTERRUPTED]", forgets the request and the rest of the line
  // typed ahead, as the terminal forgets what was typed after it, and tells
  // the command to return to its prompt (true).  False otherwise.
  bool ReportInterrupt();
  // The stop request the engines are handed: Ctrl-C, requested once Ctrl-C
  // has asked the running command to stop, until ReportInterrupt forgets it.
  StopRequest& Stop() { return *stop_; }
  // Hands the engines `request` instead of Ctrl-C (null: Ctrl-C again), as
  // a test does to stop a command part-way.
  void StopWith(StopRequest* request) { stop_ = request != nullptr ? request : &ctrl_c_; }
  // A command abandoned for want of memory (console/protocol.h): prints
  // "   [NOT ENOUGH MEMORY.  COMMAND ABORTED]" and forgets the rest of the
  // line typed ahead, as ReportInterrupt does.  When even that runs out of
  // memory, the program cannot go on: throws OutOfMemory.
  void AbandonCommand();
  // The output stream, anything held back written first: for text written
  // straight to it, such as a table.
  std::FILE* Out();
  // Sends everything printed to the screen.
  void Flush();

  // ---------------------------------------------------------------------
  // Input.  Each read returns false when the input has ended; the caller
  // then leaves at once, and the main protocol ends the program.
  // ---------------------------------------------------------------------

  // True once a read has met the end of the input.
  bool Ended() const { return ended_; }

  // Reads one word of at most `limit` characters; Tab offers `offered`.
  bool ReadWord(std::string& word, std::size_t limit, const Completion& offered = {});
  // Reads one word of at most `limit` characters and folds its case.
  bool ReadCommand(std::string& word, std::size_t limit = kWordLength,
                   const Completion& offered = {});
  // Reads a file name: the whole word up to the next white space, or, when
  // it begins with a double quote, everything up to the next double quote
  // on the same line (spaces included, the quotes left out; `*quoted` then
  // tells so, when given).  A refused name is consumed all the same.  Tab
  // offers `offered` meanwhile.
  FileNameRead ReadFileName(std::string& name, const Completion& offered = FileNames(),
                            bool* quoted = nullptr);
  // Reads a yes/no answer: `yes` is true when its first character is "y"
  // after folding.
  bool ReadYes(bool& yes);

  // Prints `prompt` and reads an integer, whose digits may be grouped by
  // thousands with commas ("11,776"; "1,23" is 1 and leaves ",23"); a word
  // that is not a number is consumed, answered with the invalid-input
  // message and the prompt again.  Tab offers `offered` (what follows the
  // number on a line typed ahead).
  bool AskInt(const char* prompt, int& value, const Completion& offered = {});
  // As AskInt, for a finite decimal number.
  bool AskReal(const char* prompt, double& value, const Completion& offered = {});
  // As AskInt, taking the word `word` (in any case, at most kWordLength
  // characters) too: `took_word` then tells it was typed.
  bool AskIntOrWord(const char* prompt, const char* word, int& value, bool& took_word,
                    const Completion& offered = {});
  // AskInt and AskReal with the value prompt.
  bool AskValue(int& value, const Completion& offered = {}) {
    return AskInt(kValuePrompt, value, offered);
  }
  bool AskValue(double& value, const Completion& offered = {}) {
    return AskReal(kValuePrompt, value, offered);
  }
  // Reads an integer (grouped as AskInt reads it) when the next word begins
  // with one; a number beyond the int range counts as the nearest int.  When
  // it does not, only the white space before it is consumed and the whole
  // word, sign and all, is left for the next read; `read` is then false.
  // False at the end of the input.
  bool ReadIntOrLeaveWord(int& value, bool& read);

  // Reads a name after a prompt of the caller's: leading spaces and control
  // characters skipped (line ends included), up to 29 characters up to the
  // next control character (characters as text/characters.h counts them: a
  // UTF-8 "Дракон" is six), its trailing spaces dropped; a 30th character is
  // read and dropped.
  bool ReadName(std::string& name);
  // Prints the name prompt and reads a name.
  bool AskName(std::string& name);

  // While one lives, the user pastes a text (ReadPastedLine): at a terminal
  // with the line editor, its bracketed paste is on.
  class Pasting {
   public:
    explicit Pasting(Console& console);
    ~Pasting();
    Pasting(const Pasting&) = delete;
    Pasting& operator=(const Pasting&) = delete;

   private:
    Console& console_;
  };
  // Reads the next line of a text the user pastes into `line`, without its
  // line end: what is left of the line being read first, then whole lines
  // (with the line editor, as LineReader::ReadPastedLine reads them; `pasted`
  // says whether the line end came inside a bracketed paste).  False at the
  // end of the input, which ends only the text: the input is read on after
  // it (a terminal's Ctrl-D), unless the terminal has hung up.
  bool ReadPastedLine(std::string& line, bool& pasted);

 private:
  class TypedLines;
  friend class TypedLines;
  bool ReadTypedLine(std::string& line);   // the next line for the input stream
  bool ReadLineOnce(std::string& line);    // as typed; false at the end of the input
  bool LeaveAtEnd();                       // asks AskBeforeEnd's question when it applies
  void KeepPrompt(std::string_view text);  // follows the prompt printed last
  void WriteOut(const char* text, std::size_t size);
  bool StillOpen();  // notes the end of the input when nothing is left
  template <typename Take>
  bool AskNumber(const char* prompt, const Completion& offered, Take take);

  // Ctrl-C's request (console/interrupt.h), as the engines are handed it.
  class CtrlC final : public StopRequest {
   public:
    bool Requested() override;
  };

  std::FILE* input_;
  std::FILE* output_;
  std::optional<TextStream> in_;
  std::unique_ptr<LineReader> reader_;   // null: plain reads of input_
  std::unique_ptr<TableViewer> viewer_;  // null: tables are printed
  const Completion* offered_ = nullptr;  // what the read in progress offers to Tab
  std::string held_;                     // the unfinished last line, while a reader shows prompts
  std::function<bool()> unsaved_;        // AskBeforeEnd's: asked at the end of the input
  std::string prompt_;                   // the last full line printed and the unfinished one
  bool ended_ = false;
  CtrlC ctrl_c_;
  StopRequest* stop_ = &ctrl_c_;
};

}  // namespace korvelin
