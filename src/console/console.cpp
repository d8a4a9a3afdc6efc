// The console: one output stream written as bytes, one input stream from
// which words, numbers and names are all read.
#include "console/console.h"

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <optional>
#include <vector>

#include "console/protocol.h"
#include "text/text_stream.h"

namespace {

std::FILE* console_out = stdout;
std::optional<TextStream> console_in;
bool input_ended = false;
bool holding = false;  // a line source that shows prompts itself is attached
std::string held;      // the unfinished last line printed, while holding

// Plain reads: whatever was printed is flushed, so that it is seen before the
// user is waited for, and one line is read byte by byte.
class PlainLines : public LineSource {
 public:
  explicit PlainLines(std::FILE* input) : input_(input) {}
  bool ReadLine(std::string& line) override {
    std::fflush(ConsoleOut());
    const std::size_t before = line.size();
    int c;
    while ((c = std::getc(input_)) != EOF) {
      line += static_cast<char>(c);
      if (c == '\n') break;
    }
    return line.size() > before;
  }

 private:
  std::FILE* input_;
};

void ReleaseHeld() {
  std::fwrite(held.data(), 1, held.size(), console_out);
  held.clear();
}

// Every console write: while holding, the text after the last line end
// waits for the next write or for the line source.
void Write(const char* text, std::size_t size) {
  if (!holding) {
    std::fwrite(text, 1, size, console_out);
    return;
  }
  std::size_t line_end = size;
  while (line_end > 0 && text[line_end - 1] != '\n') --line_end;
  if (line_end == 0) {
    held.append(text, size);
    return;
  }
  ReleaseHeld();
  std::fwrite(text, 1, line_end, console_out);
  held.assign(text + line_end, size - line_end);
}

}  // namespace

const char* const kValuePrompt = "\n   [INPUT VALUE]\n   [KORVELIN-GET VALUE]\n >>> ";

void AttachConsole(std::FILE* input, std::FILE* output) {
  console_out = output;
  console_in.emplace(TextStream::Console(std::make_unique<PlainLines>(input)));
  input_ended = false;
  holding = false;
  held.clear();
}

void AttachLineSource(std::unique_ptr<LineSource> lines) {
  console_in.emplace(TextStream::Console(std::move(lines)));
  input_ended = false;
  holding = true;
}

std::string TakePrompt() {
  std::fflush(console_out);
  std::string prompt;
  prompt.swap(held);
  return prompt;
}

std::FILE* ConsoleOut() {
  if (!held.empty()) ReleaseHeld();
  return console_out;
}

namespace {

TextStream& ConsoleIn() {
  if (!console_in) console_in.emplace(TextStream::Console(std::make_unique<PlainLines>(stdin)));
  return *console_in;
}

}  // namespace

bool InputEnded() { return input_ended; }

void Print(const char* text) { Write(text, std::strlen(text)); }

void Print(const std::string& text) { Write(text.data(), text.size()); }

void PrintLine(const char* text) {
  Print(text);
  Write("\n", 1);
}

void Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (holding) {
    va_list size_args;
    va_copy(size_args, args);
    const int size = std::vsnprintf(nullptr, 0, format, size_args);
    va_end(size_args);
    if (size > 0) {
      std::vector<char> text(static_cast<std::size_t>(size) + 1);
      std::vsnprintf(text.data(), text.size(), format, args);
      Write(text.data(), static_cast<std::size_t>(size));
    }
  } else {
    std::vfprintf(console_out, format, args);
  }
  va_end(args);
}

void Error() { PrintLine("   [INVALID DATA INPUT]\n   [TYPE 'Help' FOR LIST OF COMMANDS]\n"); }

void Farewell() { PrintLine("\n\nHave a Nice Day :D\n"); }

void lowstring(std::string& word) {
  for (std::size_t i = 0; i < word.size() && i < kLoweredLength && word[i] != '\0'; ++i) {
    if (word[i] >= 'A' && word[i] <= 'Z') word[i] = static_cast<char>(word[i] - 'A' + 'a');
  }
}

namespace {

// Notes the end of the input when nothing is left to read.
bool StillOpen(TextStream& in) {
  if (in.Ended()) input_ended = true;
  return !input_ended;
}

}  // namespace

bool ReadWord(std::string& word, std::size_t limit) {
  if (input_ended) return false;
  if (!ReadWord(ConsoleIn(), word, limit)) {
    input_ended = true;
    return false;
  }
  return true;
}

bool ReadCommand(std::string& word, std::size_t limit) {
  if (!ReadWord(word, limit)) return false;
  lowstring(word);
  return true;
}

FileNameRead ReadFileName(std::string& name) {
  CompletionScope offer(Completion{Completion::Kind::kFileNames, {}});
  name.clear();
  if (input_ended) return FileNameRead::kEnded;
  TextStream& in = ConsoleIn();
  SkipSpace(in);
  int c = in.Get();
  if (c == kEnd) {
    input_ended = true;
    return FileNameRead::kEnded;
  }
  if (c == '\\') {
    SkipWordRest(in);
    return FileNameRead::kBackslash;
  }
  bool closed = true;
  if (c == '"') {
    closed = false;
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

bool ReadProtocolWord(std::string& word, const WordRule& rule, Completion offered) {
  CompletionScope offer(std::move(offered));
  return rule.lower_case ? ReadCommand(word, rule.limit) : ReadWord(word, rule.limit);
}

bool ReadYes(bool& yes) {
  std::string answer;
  if (!ReadCommand(answer)) return false;
  yes = answer[0] == 'y';
  return true;
}

namespace {

// Prints `prompt` and reads a number with `take`, which tells whether the
// word was one.  A word that is not is consumed and refused, and the prompt
// is shown again, so a field only ever receives a number.
template <typename Take>
bool PromptNumber(const char* prompt, Take take) {
  TextStream& in = ConsoleIn();
  for (;;) {
    if (input_ended) return false;
    Print(prompt);
    SkipSpace(in);
    if (!StillOpen(in)) return false;
    if (take(in)) return true;
    SkipWordRest(in);
    Error();
  }
}

}  // namespace

bool PromptInt(const char* prompt, int& value) {
  return PromptNumber(prompt, [&value](TextStream& in) {
    const IntToken token = LexInt(in);
    if (token.status != IntToken::kNumber) return false;
    value = token.value;
    return true;
  });
}

bool PromptDouble(const char* prompt, double& value) {
  return PromptNumber(prompt, [&value](TextStream& in) {
    const RealToken token = LexReal(in);
    if (token.status != RealToken::kNumber || !std::isfinite(token.value)) return false;
    value = token.value;
    return true;
  });
}

bool ReadIntOrLeaveWord(int& value, bool& read) {
  if (input_ended) return false;
  TextStream& in = ConsoleIn();
  SkipSpace(in);
  if (!StillOpen(in)) return false;
  const IntToken token = LexInt(in);
  read = token.status != IntToken::kNone;
  if (read) {
    value = token.value;
  } else {
    in.Unget(token.text);
  }
  return true;
}

bool Getint(int& value) { return PromptInt(kValuePrompt, value); }

bool Getdouble(double& value) { return PromptDouble(kValuePrompt, value); }

bool Getname(char (&name)[kNameBytes + 1]) {
  if (input_ended) return false;
  Print("\n   [INPUT NAME]\n   [KORVELIN-GET NAME]\n >>> ");
  return ReadName(name);
}

bool ReadName(char (&name)[sizeof PlayerRecord::name]) {
  if (input_ended) return false;
  TextStream& in = ConsoleIn();
  // The line end left by the previous answer is skipped; spaces are kept.
  // Characters, not bytes, are counted and tested (text/characters.h).
  StreamChar c;
  while ((c = in.GetChar()).code != kEnd && IsControl(c.code)) {
  }
  if (c.code == kEnd) {
    input_ended = true;
    return false;
  }
  std::string read;
  for (std::size_t length = 0;;) {
    read.append(c.Bytes());
    if (++length == kNameLength) {
      in.GetChar();  // one more character is read and dropped
      break;
    }
    c = in.GetChar();
    if (c.code == kEnd || IsControl(c.code)) break;
  }
  std::memset(name, 0, sizeof name);
  read.copy(name, kNameBytes);
  return true;
}
