// The console: one output stream written as bytes, one input stream from
// which words, numbers and names are all read.
#include "console/console.h"

#include <cmath>
#include <new>

#include "base/file_status.h"
#include "console/hangup.h"
#include "console/interrupt.h"
#include "roster/member.h"
#include "text/ascii.h"
#include "text/numbers.h"
#include "text/width.h"

namespace korvelin {

const char* const kValuePrompt = "\n   [INPUT VALUE]\n   [KORVELIN-GET VALUE]\n >>> ";
const char* const kOutOfMemoryMessage = "   [NOT ENOUGH MEMORY.  COMMAND ABORTED]";

// The console's input stream asks the console for each line, so that the
// console can hand its held prompt and the words on offer to the reader.
class Console::TypedLines : public LineSource {
 public:
  explicit TypedLines(Console& console) : console_(console) {}
  bool ReadLine(std::string& line) override { return console_.ReadTypedLine(line); }

 private:
  Console& console_;
};

Console::Console(std::FILE* input, std::FILE* output) : input_(input), output_(output) {
  in_.emplace(TextStream::Console(std::make_unique<TypedLines>(*this)));
}

Console::~Console() { Flush(); }

void Console::UseLineReader(std::unique_ptr<LineReader> reader) { reader_ = std::move(reader); }

void Console::AskBeforeEnd(std::function<bool()> unsaved) { unsaved_ = std::move(unsaved); }

bool Console::ReadTypedLine(std::string& line) {
  for (;;) {
    // After a hang-up no line is read: the input has ended.
    if (HungUp()) return false;
    if (ReadLineOnce(line)) return true;
    if (LeaveAtEnd()) return false;
  }
}

bool Console::LeaveAtEnd() {
  if (!unsaved_ || HungUp() || !unsaved_()) return true;
  const std::string prompt = prompt_;
  // The end of the input is typed at the prompt's line.
  Print("\n   [UNSAVED CHANGES.  QUIT WITHOUT SAVING? 'Y' TO CONFIRM]\n >>> ");
  // A terminal reads on after an end of the input (Ctrl-D).
  std::clearerr(input_);
  std::string answer;
  if (!ReadLineOnce(answer) || HungUp()) return true;
  const std::size_t first = answer.find_first_not_of(" \t\r\n\v\f");
  if (first != std::string::npos && FoldCase(answer[first]) == 'y') return true;
  Print(prompt);
  return false;
}

void Console::KeepPrompt(std::string_view text) {
  const std::size_t last = text.find_last_of('\n');
  if (last == std::string_view::npos) {
    prompt_.append(text);
  } else if (const std::size_t before =
                 last > 0 ? text.find_last_of('\n', last - 1) : std::string_view::npos;
             before != std::string_view::npos) {
    prompt_.assign(text.substr(before + 1));
  } else {
    // The line that `text` ends began in what was kept.
    const std::size_t kept = prompt_.find_last_of('\n');
    if (kept != std::string::npos) prompt_.erase(0, kept + 1);
    prompt_.append(text);
  }
  // A prompt is short: a long text without line ends is not one.
  constexpr std::size_t kMostPrompt = 512;
  if (prompt_.size() > kMostPrompt) prompt_.erase(0, prompt_.size() - kMostPrompt);
}

bool Console::ReadLineOnce(std::string& line) {
  static const Completion kNothing;
  if (reader_) {
    std::fflush(output_);
    std::string prompt;
    prompt.swap(held_);
    // Ctrl-C pressed before this line is not the next command's; while the
    // editor reads, Ctrl-C is its key, and once the line is typed it stops
    // the command the line starts.
    ClearInterrupt();
    return reader_->ReadLine(line, prompt, offered_ != nullptr ? *offered_ : kNothing);
  }
  // Plain reads: whatever was printed is flushed, so that it is seen before
  // the user is waited for, and one line is read byte by byte.
  std::fflush(output_);
  const std::size_t before = line.size();
  int c;
  while ((c = std::getc(input_)) != EOF) {
    line += static_cast<char>(c);
    if (c == '\n') break;
  }
  return line.size() > before;
}

// ---------------------------------------------------------------------------
// Output
// ---------------------------------------------------------------------------

void Console::WriteOut(const char* text, std::size_t size) { std::fwrite(text, 1, size, output_); }

void Console::Print(std::string_view text) {
  if (unsaved_) KeepPrompt(text);
  if (!reader_) {
    WriteOut(text.data(), text.size());
    return;
  }
  // While a reader shows the prompts, the text after the last line end
  // waits for the next write or for the reader.
  const std::size_t line_end = text.find_last_of('\n');
  if (line_end == std::string_view::npos) {
    held_.append(text);
    return;
  }
  WriteOut(held_.data(), held_.size());
  held_.clear();
  WriteOut(text.data(), line_end + 1);
  held_.assign(text.substr(line_end + 1));
}

void Console::PrintLine(std::string_view text) {
  Print(text);
  Print("\n");
}

void Console::PrintFailure(std::string_view message, int error) {
  PrintLine(message);
  const std::string reason = SystemReason(error);
  if (!reason.empty()) PrintLine("   [" + reason + "]");
}

void Console::PrintMember(std::string_view name, int id) {
  std::string line = "      ";
  AppendShownColumns(line, name.substr(0, name.find_last_not_of(' ') + 1), 0, std::string::npos,
                     true);
  line += " (" + std::to_string(id) + ")\n";
  Print(line);
}

void Console::InvalidInput() {
  PrintLine("   [INVALID DATA INPUT]\n   [TYPE 'Help' FOR LIST OF COMMANDS]\n");
}

void Console::Farewell() { PrintLine("\n\nHave a Nice Day :D\n"); }

bool Console::CtrlC::Requested() { return InterruptRequested(); }

bool Console::ReportInterrupt() {
  if (!stop_->Requested()) return false;
  ClearInterrupt();
  PrintLine("   [INTERRUPTED]");
  in_.emplace(TextStream::Console(std::make_unique<TypedLines>(*this)));
  return true;
}

void Console::AbandonCommand() {
  try {
    PrintLine(kOutOfMemoryMessage);
    in_.emplace(TextStream::Console(std::make_unique<TypedLines>(*this)));
  } catch (const std::bad_alloc&) {
    throw OutOfMemory();
  }
}

std::FILE* Console::Out() {
  if (!held_.empty()) {
    WriteOut(held_.data(), held_.size());
    held_.clear();
  }
  return output_;
}

void Console::Flush() { std::fflush(Out()); }

// ---------------------------------------------------------------------------
// Input
// ---------------------------------------------------------------------------

namespace {

// Offers the words of a read to Tab while the read lasts.
class Offering {
 public:
  Offering(const Completion*& slot, const Completion& offered) : slot_(slot), previous_(slot) {
    slot_ = &offered;
  }
  ~Offering() { slot_ = previous_; }
  Offering(const Offering&) = delete;
  Offering& operator=(const Offering&) = delete;

 private:
  const Completion*& slot_;
  const Completion* previous_;
};

}  // namespace

bool Console::StillOpen() {
  if (in_->Ended()) ended_ = true;
  return !ended_;
}

bool Console::ReadWord(std::string& word, std::size_t limit, const Completion& offered) {
  if (ended_) return false;
  Offering offer(offered_, offered);
  if (!korvelin::ReadWord(*in_, word, limit)) {
    ended_ = true;
    return false;
  }
  return true;
}

bool Console::ReadCommand(std::string& word, std::size_t limit, const Completion& offered) {
  if (!ReadWord(word, limit, offered)) return false;
  FoldCase(word, kFoldedLength);
  return true;
}

FileNameRead Console::ReadFileName(std::string& name, const Completion& offered, bool* quoted) {
  Offering offer(offered_, offered);
  name.clear();
  if (quoted != nullptr) *quoted = false;
  if (ended_) return FileNameRead::kEnded;
  TextStream& in = *in_;
  SkipSpace(in);
  int c = in.Get();
  if (c == kEnd) {
    ended_ = true;
    return FileNameRead::kEnded;
  }
  if (c == '\\') {
    SkipWordRest(in);
    return FileNameRead::kBackslash;
  }
  bool closed = true;
  if (c == '"') {
    closed = false;
    if (quoted != nullptr) *quoted = true;
    while ((c = in.Get()) != kEnd && c != '\n' && c != '\r') {
      if (c == '"') {
        closed = true;
        break;
      }
      if (name.size() <= kFileNameLength) name += static_cast<char>(c);
    }
    if (!closed) in.Unget(c);  // the line end stays, as after any word
  } else {
    for (; c != kEnd && !IsSpace(c); c = in.Get()) {
      if (name.size() <= kFileNameLength) name += static_cast<char>(c);
    }
    in.Unget(c);
  }
  return closed && name.size() <= kFileNameLength ? FileNameRead::kName : FileNameRead::kRefused;
}

bool Console::ReadYes(bool& yes) {
  std::string answer;
  if (!ReadCommand(answer)) return false;
  yes = answer[0] == 'y';
  return true;
}

// Prints `prompt` and reads a number with `take`, which tells whether the
// word was one.  A word that is not is consumed and refused, and the prompt
// is shown again, so a field only ever receives a number.
template <typename Take>
bool Console::AskNumber(const char* prompt, const Completion& offered, Take take) {
  Offering offer(offered_, offered);
  for (;;) {
    if (ended_) return false;
    Print(prompt);
    SkipSpace(*in_);
    if (!StillOpen()) return false;
    if (take(*in_)) return true;
    SkipWordRest(*in_);
    InvalidInput();
  }
}

bool Console::AskInt(const char* prompt, int& value, const Completion& offered) {
  return AskNumber(prompt, offered, [&value](TextStream& in) {
    const IntToken token = LexGroupedInt(in);
    if (token.status != IntToken::kNumber) return false;
    value = token.value;
    return true;
  });
}

bool Console::AskIntOrWord(const char* prompt, const char* word, int& value, bool& took_word,
                           const Completion& offered) {
  took_word = false;
  return AskNumber(prompt, offered, [&](TextStream& in) {
    IntToken token = LexGroupedInt(in);
    if (token.status == IntToken::kNumber) {
      value = token.value;
      return true;
    }
    in.Unget(token.text);
    std::string typed;
    korvelin::ReadWord(in, typed, kWordLength);
    FoldCase(typed, kFoldedLength);
    took_word = typed == word;
    return took_word;
  });
}

bool Console::AskReal(const char* prompt, double& value, const Completion& offered) {
  return AskNumber(prompt, offered, [&value](TextStream& in) {
    const RealToken token = LexReal(in);
    if (token.status != RealToken::kNumber || !std::isfinite(token.value)) return false;
    value = token.value;
    return true;
  });
}

bool Console::ReadIntOrLeaveWord(int& value, bool& read) {
  if (ended_) return false;
  SkipSpace(*in_);
  if (!StillOpen()) return false;
  const IntToken token = LexGroupedInt(*in_);
  read = token.status != IntToken::kNone;
  if (read) {
    value = token.value;
  } else {
    in_->Unget(token.text);
  }
  return true;
}

bool Console::AskName(std::string& name) {
  if (ended_) return false;
  Print("\n   [INPUT NAME]\n   [KORVELIN-GET NAME]\n >>> ");
  return ReadName(name);
}

bool Console::ReadName(std::string& name) {
  if (ended_) return false;
  TextStream& in = *in_;
  // The line end left by the previous answer is skipped, and any blanks
  // before the name: a rest of line holding only blanks (a space after an
  // ID, or the one Tab adds after a keyword) is not a name.  Characters,
  // not bytes, are counted and tested (text/characters.h).
  StreamChar c;
  while ((c = in.GetChar()).code != kEnd && (IsControl(c.code) || c.code == ' ')) {
  }
  if (c.code == kEnd) {
    ended_ = true;
    return false;
  }
  name.clear();
  for (std::size_t length = 0;;) {
    name.append(c.Bytes());
    if (++length == kNameLength) {
      in.GetChar();  // one more character is read and dropped
      break;
    }
    c = in.GetChar();
    if (c.code == kEnd || IsControl(c.code)) break;
  }
  name.erase(name.find_last_not_of(' ') + 1);
  return true;
}

// ---------------------------------------------------------------------------
// Pasted text
// ---------------------------------------------------------------------------

Console::Pasting::Pasting(Console& console) : console_(console) {
  console.Flush();
  if (console.reader_) console.reader_->BracketPaste(true);
}

Console::Pasting::~Pasting() {
  if (console_.reader_) console_.reader_->BracketPaste(false);
}

bool Console::ReadPastedLine(std::string& line, bool& pasted) {
  line.clear();
  pasted = false;
  if (ended_) return false;
  if (!in_->TakeHeldLine(line)) {
    bool read = false;
    if (reader_) {
      std::fflush(output_);
      std::string prompt;
      prompt.swap(held_);
      ClearInterrupt();  // as before a typed line
      read = reader_->ReadPastedLine(line, prompt, pasted);
    } else {
      read = ReadLineOnce(line);
    }
    if (HungUp()) {
      ended_ = true;
      return false;
    }
    if (!read) {
      // A terminal reads on after Ctrl-D (Ctrl-Z on Windows); the editor
      // leaves the cursor on the line where Ctrl-D was typed.
      std::clearerr(input_);
      if (reader_) Print("\n");
      return false;
    }
  }
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace korvelin
