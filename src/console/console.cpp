// The console: one output stream written as bytes, one input stream from
// which words, numbers and names are all read.
#include "console/console.h"

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <optional>

#include "console/protocol.h"
#include "text/text_stream.h"

namespace {

std::FILE* console_out = stdout;
std::optional<TextStream> console_in;
bool input_ended = false;

}  // namespace

const char* const kValuePrompt = "\n   [INPUT VALUE]\n   [KORVELIN-GET VALUE]\n >>> ";

void AttachConsole(std::FILE* input, std::FILE* output) {
  console_out = output;
  console_in.emplace(TextStream::Console(input, output));
  input_ended = false;
}

std::FILE* ConsoleOut() { return console_out; }

namespace {

TextStream& ConsoleIn() {
  if (!console_in) console_in.emplace(TextStream::Console(stdin, console_out));
  return *console_in;
}

}  // namespace

bool InputEnded() { return input_ended; }

void Print(const char* text) { std::fputs(text, console_out); }

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), console_out); }

void PrintLine(const char* text) {
  Print(text);
  std::fputc('\n', console_out);
}

void Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(console_out, format, args);
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

bool ReadProtocolWord(std::string& word, const WordRule& rule) {
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
