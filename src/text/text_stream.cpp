// Character streams over files and the console, and the number grammar that
// every reader of the program shares.
#include "text/text_stream.h"

#include <climits>
#include <cstdlib>

namespace {
constexpr std::size_t kBlock = 1 << 16;
}

TextStream::TextStream(std::FILE* source, FilePtr owned, std::unique_ptr<LineSource> lines)
    : owned_(std::move(owned)), source_(source), lines_(std::move(lines)) {}

TextStream TextStream::File(FilePtr file) {
  std::FILE* source = file.get();
  return TextStream(source, std::move(file), nullptr);
}

TextStream TextStream::Console(std::unique_ptr<LineSource> lines) {
  return TextStream(nullptr, nullptr, std::move(lines));
}

bool TextStream::Refill() {
  buffer_.clear();
  pos_ = 0;
  if (source_done_) return false;
  if (lines_) {
    if (!lines_->ReadLine(buffer_)) source_done_ = true;
  } else if (source_ == nullptr) {
    return false;
  } else {
    buffer_.resize(kBlock);
    const std::size_t got = std::fread(&buffer_[0], 1, kBlock, source_);
    buffer_.resize(got);
    if (got < kBlock) source_done_ = true;
  }
  return !buffer_.empty();
}

int TextStream::Raw() {
  if (pos_ >= buffer_.size() && !Refill()) return kEnd;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

int TextStream::GetSlow() {
  if (!pushback_.empty()) {
    const int c = pushback_.back();
    pushback_.pop_back();
    return c;
  }
  int c = Raw();
  if (c == '\r' && !lines_) {
    // CR LF is one line end; a lone CR is an ordinary character.
    const int after = Raw();
    if (after == '\n') return '\n';
    if (after != kEnd) --pos_;
  }
  return c;
}

int TextStream::Peek() {
  const int c = Get();
  Unget(c);
  return c;
}

void TextStream::Unget(int c) {
  if (c != kEnd) pushback_.push_back(static_cast<unsigned char>(c));
}

void TextStream::Unget(const std::string& text) {
  for (auto it = text.rbegin(); it != text.rend(); ++it) Unget(static_cast<unsigned char>(*it));
}

bool TextStream::Ended() { return Peek() == kEnd; }

void SkipSpace(TextStream& in) {
  int c;
  while (IsSpace(c = in.Get())) {
  }
  in.Unget(c);
}

bool ReadWord(TextStream& in, std::string& word, std::size_t limit) {
  SkipSpace(in);
  word.clear();
  int c;
  while (word.size() < limit && (c = in.Get()) != kEnd) {
    if (IsSpace(c)) {
      in.Unget(c);
      break;
    }
    word += static_cast<char>(c);
  }
  return !word.empty();
}

void SkipWordRest(TextStream& in) {
  int c;
  while ((c = in.Get()) != kEnd && !IsSpace(c)) {
  }
  in.Unget(c);
}

IntToken LexInt(TextStream& in) {
  SkipSpace(in);
  IntToken token{IntToken::kNone, 0, std::string()};
  int c = in.Get();
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    token.text += static_cast<char>(c);
    c = in.Get();
  }
  if (!IsDigit(c)) {
    in.Unget(c);  // a lone sign stays consumed, as a "%d" read leaves it
    return token;
  }
  // Accumulate the magnitude, saturating once it passes the int range.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  bool over = false;
  for (; IsDigit(c); c = in.Get()) {
    token.text += static_cast<char>(c);
    if (!over) {
      magnitude = magnitude * 10 + (c - '0');
      if (magnitude > limit) over = true;
    }
  }
  in.Unget(c);
  if (over) {
    token.status = IntToken::kOutOfRange;
    token.value = negative ? INT_MIN : INT_MAX;
  } else {
    token.status = IntToken::kNumber;
    token.value = static_cast<int>(negative ? -magnitude : magnitude);
  }
  return token;
}

namespace {

int Lower(int c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }
bool IsHexDigit(int c) { return IsDigit(c) || (Lower(c) >= 'a' && Lower(c) <= 'f'); }

// Consumes `word` (compared case-blind) when the stream starts with it.
bool TakeWord(TextStream& in, const char* word, std::string& text) {
  std::string taken;
  for (const char* w = word; *w != '\0'; ++w) {
    const int c = in.Get();
    if (c == kEnd || Lower(c) != *w) {
      in.Unget(c);
      in.Unget(taken);
      return false;
    }
    taken += static_cast<char>(c);
  }
  text += taken;
  return true;
}

// Whether the stream starts with a hexadecimal number ("0x" and a hex digit,
// or "0x." and a hex digit); nothing is consumed.  It reads no further than
// the first character that rules a hexadecimal number out, so a short answer
// at the console is taken at once instead of waiting for another line.
bool HexAhead(TextStream& in) {
  std::string look;
  int c;
  while (look.size() < 4 && (c = in.Get()) != kEnd) {
    look += static_cast<char>(c);
    if ((look.size() == 1 && c != '0') || (look.size() == 2 && Lower(c) != 'x') ||
        (look.size() == 3 && c != '.')) {
      break;
    }
  }
  in.Unget(look);
  if (look.size() < 3 || look[0] != '0' || Lower(look[1]) != 'x') return false;
  if (IsHexDigit(static_cast<unsigned char>(look[2]))) return true;
  return look.size() == 4 && look[2] == '.' && IsHexDigit(static_cast<unsigned char>(look[3]));
}

void TakeDigits(TextStream& in, std::string& text, int& count) {
  int c;
  while (IsDigit(c = in.Get())) {
    text += static_cast<char>(c);
    ++count;
  }
  in.Unget(c);
}

}  // namespace

RealToken LexReal(TextStream& in) {
  SkipSpace(in);
  RealToken token{RealToken::kNone, 0.0, std::string()};
  int c = in.Get();
  if (c == '+' || c == '-') {
    token.text += static_cast<char>(c);
  } else {
    in.Unget(c);
  }
  if (TakeWord(in, "inf", token.text) || TakeWord(in, "nan", token.text) || HexAhead(in)) {
    token.status = RealToken::kSpecial;
    return token;
  }
  int digits = 0;
  TakeDigits(in, token.text, digits);
  if (in.Peek() == '.') {
    in.Get();
    token.text += '.';
    TakeDigits(in, token.text, digits);
  }
  if (digits == 0) return token;  // what was consumed stays consumed
  // An exponent counts only when digits follow it.
  c = in.Get();
  if (c == 'e' || c == 'E') {
    std::string exponent(1, static_cast<char>(c));
    int sign = in.Get();
    if (sign == '+' || sign == '-') {
      exponent += static_cast<char>(sign);
    } else {
      in.Unget(sign);
    }
    int exponent_digits = 0;
    TakeDigits(in, exponent, exponent_digits);
    if (exponent_digits > 0) {
      token.text += exponent;
    } else {
      in.Unget(exponent);
    }
  } else {
    in.Unget(c);
  }
  token.status = RealToken::kNumber;
  token.value = std::strtod(token.text.c_str(), nullptr);
  return token;
}

bool ReadFileInt(TextStream& in, int& field) {
  const IntToken token = LexInt(in);
  if (token.status == IntToken::kNone) return false;
  field = token.value;
  return true;
}

bool ReadFileReal(TextStream& in, double& field) {
  const RealToken token = LexReal(in);
  if (token.status != RealToken::kNumber) return false;
  field = token.value;
  return true;
}

namespace {

// The skip shared by both forms of findnum; `minus` tells whether the
// character discarded just before the digit was a minus sign.
int FindNumber(TextStream& in, bool& minus) {
  minus = false;
  for (;;) {
    const int c = in.Get();
    if (c == kEnd) return 1;
    if (IsDigit(c)) {
      in.Unget(c);
      return 0;
    }
    if (IsControl(c)) return 1;
    minus = c == '-';
  }
}

}  // namespace

int findnum(TextStream& in) {
  bool minus;
  return FindNumber(in, minus);
}

int findnum_signed(TextStream& in) {
  bool minus;
  const int result = FindNumber(in, minus);
  if (result == 0 && minus) in.Unget('-');
  return result;
}
