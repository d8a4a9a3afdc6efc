// Integers and reals read from a text stream.
#include "text/numbers.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "text/ascii.h"
#include "text/characters.h"

namespace korvelin {

namespace {

// How a number's digits may be grouped by thousands.
enum class Grouping {
  kNone,
  kCommas,  // "11,776": numbers typed at a prompt
  kTable,   // "11,776", "11.776" and "11 776" with a Unicode space: stat tables
};

// After a number's digits: when a group separator (a comma, or in a table
// also a full stop or one of the Unicode spaces) is followed by exactly
// three digits and then by no digit, consumes them and returns what it
// consumed, the separator's bytes and then the three digits; otherwise
// consumes nothing and returns an empty string.
std::string ThousandsGroup(TextStream& in, Grouping grouping) {
  const StreamChar separator = in.GetChar();
  const bool table_separator = separator.code == '.' || IsUnicodeSpace(separator.code);
  if (separator.code != ',' && !(grouping == Grouping::kTable && table_separator)) {
    in.Unget(separator);
    return std::string();
  }
  std::string look;
  int c;
  while (look.size() < 4 && (c = in.Get()) != kEnd) {
    look += static_cast<char>(c);
    if (!IsDigit(c)) break;
  }
  const auto digit = [&look](std::size_t i) {
    return i < look.size() && IsDigit(static_cast<unsigned char>(look[i]));
  };
  if (!digit(0) || !digit(1) || !digit(2) || digit(3)) {
    in.Unget(look);
    in.Unget(separator);
    return std::string();
  }
  if (look.size() == 4) in.Unget(static_cast<unsigned char>(look[3]));
  return std::string(separator.Bytes()) + look.substr(0, 3);
}

// Reads a "%d" number into `value`, its digits grouped by thousands as
// `grouping` allows; every character consumed after the white space is appended to
// `text` when it is given (the console puts a word that is not a number
// back; files need no copy).
IntToken::Status LexDigits(TextStream& in, Grouping grouping, int& value, std::string* text) {
  SkipSpace(in);
  const auto keep = [text](int c) {
    if (text != nullptr) *text += static_cast<char>(c);
  };
  int c = in.Get();
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    keep(c);
    c = in.Get();
  }
  if (!IsDigit(c)) {
    in.Unget(c);  // a lone sign stays consumed, as a "%d" read leaves it
    return IntToken::kNone;
  }
  // Accumulate the magnitude, saturating once it passes the int range.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  bool over = false;
  const auto take = [&](int digit) {
    keep(digit);
    if (!over) {
      magnitude = magnitude * 10 + (digit - '0');
      if (magnitude > limit) over = true;
    }
  };
  for (;;) {
    for (; IsDigit(c); c = in.Get()) take(c);
    in.Unget(c);
    // A group separator is a comma, a full stop or a Unicode space, whose
    // first byte is not ASCII.
    if (grouping == Grouping::kNone || (c != ',' && c != '.' && c < 0x80)) break;
    const std::string group = ThousandsGroup(in, grouping);
    if (group.empty()) break;
    const std::size_t digits = group.size() - 3;
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (i < digits) {
        keep(group[i]);
      } else {
        take(group[i]);
      }
    }
    c = in.Get();
  }
  if (over) {
    value = negative ? INT_MIN : INT_MAX;
    return IntToken::kOutOfRange;
  }
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return IntToken::kNumber;
}

}  // namespace

IntToken LexInt(TextStream& in) {
  IntToken token{IntToken::kNone, 0, std::string()};
  token.status = LexDigits(in, Grouping::kNone, token.value, &token.text);
  return token;
}

IntToken LexGroupedInt(TextStream& in) {
  IntToken token{IntToken::kNone, 0, std::string()};
  token.status = LexDigits(in, Grouping::kCommas, token.value, &token.text);
  return token;
}

namespace {

bool IsHexDigit(int c) { return IsDigit(c) || (FoldCase(c) >= 'a' && FoldCase(c) <= 'f'); }

// Consumes `word` (compared case-blind) when the stream starts with it.
bool TakeWord(TextStream& in, const char* word, std::string& text) {
  std::string taken;
  for (const char* w = word; *w != '\0'; ++w) {
    const int c = in.Get();
    if (c == kEnd || FoldCase(c) != *w) {
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
    if ((look.size() == 1 && c != '0') || (look.size() == 2 && FoldCase(c) != 'x') ||
        (look.size() == 3 && c != '.')) {
      break;
    }
  }
  in.Unget(look);
  if (look.size() < 3 || look[0] != '0' || FoldCase(look[1]) != 'x') return false;
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
  int value = 0;
  if (LexDigits(in, Grouping::kNone, value, nullptr) == IntToken::kNone) return false;
  field = value;
  return true;
}

bool ReadTableInt(TextStream& in, int& field) {
  int value = 0;
  if (LexDigits(in, Grouping::kTable, value, nullptr) == IntToken::kNone) return false;
  field = value;
  return true;
}

namespace {

bool DigitAt(std::string_view text, std::size_t at) {
  return at < text.size() && IsDigit(static_cast<unsigned char>(text[at]));
}

// The bytes of the separator a cell's number may group its digits by at
// `at` (a comma, a full stop, a space or a Unicode space); 0 for none.
std::size_t CellSeparatorAt(std::string_view cell, std::size_t at) {
  if (at >= cell.size()) return 0;
  const unsigned char c = static_cast<unsigned char>(cell[at]);
  if (c == ',' || c == '.' || c == ' ') return 1;
  if (c < 0x80) return 0;
  const Character character = DecodeCharacter(cell.substr(at));
  return IsUnicodeSpace(static_cast<long>(character.code)) ? character.length : 0;
}

// Where the cell's first digit is; the cell's size when it has none.
std::size_t FirstDigit(std::string_view cell) {
  std::size_t at = 0;
  while (at < cell.size() && !IsDigit(static_cast<unsigned char>(cell[at]))) ++at;
  return at;
}

}  // namespace

bool ParseCellInt(std::string_view cell, int& field) {
  std::size_t at = FirstDigit(cell);
  if (at == cell.size()) return false;
  long long magnitude = 0;
  for (;;) {
    for (; DigitAt(cell, at); ++at) {
      if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (cell[at] - '0');
    }
    // A separator continues the number when exactly three digits follow it.
    const std::size_t group = at + CellSeparatorAt(cell, at);
    if (group == at || !DigitAt(cell, group) || !DigitAt(cell, group + 1) ||
        !DigitAt(cell, group + 2) || DigitAt(cell, group + 3)) {
      break;
    }
    at = group;
  }
  field = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
  return true;
}

bool ParseCellReal(std::string_view cell, double& field) {
  std::size_t at = FirstDigit(cell);
  if (at == cell.size()) return false;
  std::string number;
  for (; DigitAt(cell, at); ++at) number += cell[at];
  if (at < cell.size() && (cell[at] == '.' || cell[at] == ',') && DigitAt(cell, at + 1)) {
    number += '.';
    for (++at; DigitAt(cell, at); ++at) number += cell[at];
  }
  const double value = std::strtod(number.c_str(), nullptr);
  field = std::isinf(value) ? DBL_MAX : value;
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

}  // namespace korvelin
