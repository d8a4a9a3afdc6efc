// Character streams over files and the console, and the number grammar that
// every reader of the program shares.
#include "text/text_stream.h"

#include <sys/stat.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "text/characters.h"

namespace {
constexpr std::size_t kBlock = 1 << 16;
}

TextStream::TextStream(std::FILE* source, FilePtr owned, std::unique_ptr<LineSource> lines)
    : owned_(std::move(owned)), source_(source), lines_(std::move(lines)) {}

TextStream TextStream::File(FilePtr file) {
  std::FILE* source = file.get();
  return TextStream(source, std::move(file), nullptr);
}

TextStream TextStream::Memory(std::string bytes) {
  TextStream stream(nullptr, nullptr, nullptr);
  stream.buffer_ = std::move(bytes);
  stream.source_done_ = true;
  return stream;
}

bool ReadWholeFile(std::FILE* file, std::string& bytes) {
  bytes.clear();
  // A regular file's size is known: one allocation, one read.
  struct stat info;
  if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
  }
  for (;;) {
    const std::size_t had = bytes.size();
    const std::size_t want = std::max(kBlock, bytes.capacity() - had);
    bytes.resize(had + want);
    const std::size_t got = std::fread(&bytes[had], 1, want, file);
    bytes.resize(had + got);
    if (got < want) break;
  }
  return !std::ferror(file);
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

StreamChar TextStream::GetMultibyte(int lead) {
  StreamChar c{lead, 1, {static_cast<char>(lead)}};
  const std::size_t want = SequenceLength(static_cast<unsigned char>(lead));
  // Only continuation bytes (10xxxxxx) are taken; the first other byte ends
  // the look and is put back.
  while (c.length < want) {
    const int next = Get();
    if (next == kEnd) break;
    if ((next & 0xC0) != 0x80) {
      Unget(next);
      break;
    }
    c.bytes[c.length++] = static_cast<char>(next);
  }
  const Character decoded = DecodeCharacter(c.Bytes());
  // An invalid sequence is its first byte alone: the rest is read again.
  while (c.length > decoded.length) Unget(static_cast<unsigned char>(c.bytes[--c.length]));
  c.code = static_cast<long>(decoded.code);
  return c;
}

void TextStream::Unget(const StreamChar& c) {
  for (std::size_t i = c.length; i > 0; --i) Unget(static_cast<unsigned char>(c.bytes[i - 1]));
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

void SkipByteOrderMark(TextStream& in) {
  static const char kMark[] = "\xEF\xBB\xBF";
  std::string taken;
  for (const char* m = kMark; *m != '\0'; ++m) {
    const int c = in.Get();
    if (c == kEnd || c != static_cast<unsigned char>(*m)) {
      in.Unget(c);
      in.Unget(taken);
      return;
    }
    taken += static_cast<char>(c);
  }
}

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

namespace {

// After a number's digits, at a comma: when exactly three digits follow it
// (and then no digit), consumes the comma and returns the three digits;
// otherwise consumes nothing and returns an empty string.
std::string ThousandsGroup(TextStream& in) {
  std::string look;
  int c;
  while (look.size() < 5 && (c = in.Get()) != kEnd) {
    look += static_cast<char>(c);
    const bool wanted = look.size() == 1 ? c == ',' : IsDigit(c);
    if (look.size() < 5 && !wanted) break;
  }
  const bool group = look.size() >= 4 && look[0] == ',' && IsDigit(look[1]) && IsDigit(look[2]) &&
                     IsDigit(look[3]) &&
                     (look.size() == 4 || !IsDigit(static_cast<unsigned char>(look[4])));
  if (!group) {
    in.Unget(look);
    return std::string();
  }
  if (look.size() == 5) in.Unget(static_cast<unsigned char>(look[4]));
  return look.substr(1, 3);
}

IntToken LexIntGrouped(TextStream& in, bool grouped) {
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
  const auto take = [&](int digit) {
    token.text += static_cast<char>(digit);
    if (!over) {
      magnitude = magnitude * 10 + (digit - '0');
      if (magnitude > limit) over = true;
    }
  };
  for (;;) {
    for (; IsDigit(c); c = in.Get()) take(c);
    in.Unget(c);
    if (!grouped || c != ',') break;
    const std::string group = ThousandsGroup(in);
    if (group.empty()) break;
    token.text += ',';
    for (char digit : group) take(digit);
    c = in.Get();
  }
  if (over) {
    token.status = IntToken::kOutOfRange;
    token.value = negative ? INT_MIN : INT_MAX;
  } else {
    token.status = IntToken::kNumber;
    token.value = static_cast<int>(negative ? -magnitude : magnitude);
  }
  return token;
}

}  // namespace

IntToken LexInt(TextStream& in) { return LexIntGrouped(in, false); }

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

bool ReadTableInt(TextStream& in, int& field) {
  const IntToken token = LexIntGrouped(in, true);
  if (token.status == IntToken::kNone) return false;
  field = token.value;
  return true;
}

bool ReadFileReal(TextStream& in, double& field) {
  const RealToken token = LexReal(in);
  double value = token.value;
  if (token.status == RealToken::kSpecial) {
    // The words are never hexadecimal: "inf", "+inf" or "-inf", or "nan".
    const bool infinity = token.text.find_first_of("iI") != std::string::npos;
    if (!infinity) return false;
    value = token.text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  } else if (token.status != RealToken::kNumber) {
    return false;
  }
  if (std::isinf(value)) value = std::copysign(DBL_MAX, value);
  field = value;
  return true;
}

namespace {

// Whether the stream goes on with `word` (nothing is consumed).
bool Ahead(TextStream& in, const char* word) {
  std::string seen;
  bool match = true;
  for (const char* w = word; *w != '\0' && match; ++w) {
    const int c = in.Get();
    if (c != kEnd) seen += static_cast<char>(c);
    match = c == *w;
  }
  in.Unget(seen);
  return match;
}

// The skip shared by every form of findnum; `minus` tells whether the
// character discarded just before the digit was a minus sign.  Characters,
// not bytes, are discarded: a byte 0x80-0x9F inside a longer character does
// not end the skip.  With `tab_separates`, a tab is discarded like a space;
// with `words`, "inf" and "nan" stop it as a digit does.
int FindNumber(TextStream& in, bool& minus, bool tab_separates, bool words) {
  minus = false;
  for (;;) {
    const StreamChar c = in.GetChar();
    if (c.code == kEnd) return 1;
    if (IsDigit(static_cast<int>(c.code))) {
      in.Unget(c);
      return 0;
    }
    if (words && (c.code == 'i' || c.code == 'n')) {
      in.Unget(c);
      if (Ahead(in, c.code == 'i' ? "inf" : "nan")) return 0;
      in.Get();
    }
    if (IsControl(c.code) && !(tab_separates && c.code == '\t')) return 1;
    minus = c.code == '-';
  }
}

}  // namespace

int findnum(TextStream& in) {
  bool minus;
  return FindNumber(in, minus, false, false);
}

int findreal_signed(TextStream& in) {
  bool minus;
  const int result = FindNumber(in, minus, false, true);
  if (result == 0 && minus) in.Unget('-');
  return result;
}

int findnum_signed(TextStream& in) {
  bool minus;
  const int result = FindNumber(in, minus, false, false);
  if (result == 0 && minus) in.Unget('-');
  return result;
}

int findnum_table(TextStream& in) {
  bool minus;
  return FindNumber(in, minus, true, false);
}
