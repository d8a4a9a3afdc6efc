// The words of the LOAD and UPDATE prompts, and tables pasted at them.
#include "files/table_sources.h"

#include <memory>

#include "files/files.h"
#include "files/stat_table.h"
#include "text/ascii.h"

namespace korvelin {

namespace {

// The words, as compared after folding.
constexpr char kPasteWord[] = "paste";
constexpr char kClipboardWord[] = "clipboard";
constexpr char kHelpWord[] = "help";

bool IsWord(const std::string& name, const char* word) {
  return name.size() == std::char_traits<char>::length(word) && StartsWithFolded(name, word);
}

// A line that ends a pasted table: nothing on it but spaces.
bool EndsTable(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

// The pasted lines as the stream a table reader reads, one line at a time,
// each kept in `text` too.  It ends at the end of the input, at Ctrl-C, at
// the read limit, and at an empty line typed (not pasted) once `rows` says
// a row has been read.
class PastedLines : public LineSource {
 public:
  PastedLines(Console& console, std::string& text, const bool& rows, PasteResult& result)
      : console_(console), text_(text), rows_(rows), result_(result) {}

  bool ReadLine(std::string& line) override {
    bool pasted = false;
    if (!console_.ReadPastedLine(piece_, pasted)) {
      if (console_.Ended()) result_ = PasteResult::kHungUp;
      return false;
    }
    if (console_.Stop().Requested()) {
      result_ = PasteResult::kStopped;
      return false;
    }
    if (!pasted && rows_ && EndsTable(piece_)) return false;
    if (text_.size() + piece_.size() >= kReadLimit) {
      result_ = PasteResult::kTooLarge;
      return false;
    }
    piece_ += '\n';
    text_ += piece_;
    line += piece_;
    return true;
  }

 private:
  Console& console_;
  std::string& text_;
  const bool& rows_;
  PasteResult& result_;
  std::string piece_;  // the line being read
};

}  // namespace

const char kTablePromptHelp[] =
    "   KORVELIN HELP\n   File Prompt Help:\n   Type the name of the file to read: a stat table "
    "copied out of the game or, for LOAD, a file saved by KORVELIN.  A name holding spaces goes "
    "in double quotes.  Instead of a name:\nPASTE     : Paste the table straight in.  An empty "
    "line after it ends it.\nCLIPBOARD : Read the table on the clipboard.\n'\\'       : "
    "Cancel.\n   A file really named paste, clipboard or help is typed ./paste, ./clipboard or "
    "./help, or in double quotes.\n";

const Completion& TablePrompt() {
  static const Completion offered{
      Completion::Kind::kFileNames, {kPasteWord, kClipboardWord, kHelpWord}, nullptr};
  return offered;
}

TableSource SourceNamed(const std::string& name, bool quoted) {
  if (quoted) return TableSource::kFile;
  if (IsWord(name, kPasteWord)) return TableSource::kPaste;
  if (IsWord(name, kClipboardWord)) return TableSource::kClipboard;
  if (IsWord(name, kHelpWord)) return TableSource::kHelp;
  return TableSource::kFile;
}

PasteResult ReadPastedTable(Console& console, std::string& text) {
  console.PrintLine("   [PASTE THE TABLE NOW.  AN EMPTY LINE AFTER IT ENDS IT]");
  text.clear();
  PasteResult result = PasteResult::kRead;
  bool rows = false;
  {
    const Console::Pasting pasting(console);
    // The table's own reader tells where its rows begin: the lines go to
    // it as they come, and its first row makes the next empty line the end.
    TextStream lines =
        TextStream::Console(std::make_unique<PastedLines>(console, text, rows, result));
    TableReader reader(lines);
    TableRow row;
    int skipped = 0;
    while (reader.Next(row, skipped)) rows = true;
  }
  return result;
}

}  // namespace korvelin
