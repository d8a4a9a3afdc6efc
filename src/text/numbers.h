// The number grammar of every reader: integers and reals as the C
// library's "%d" and "%lf" conversions read them, thousands groups in stat
// tables, and the saturation of values that do not fit.
#pragma once

#include <string>
#include <string_view>

#include "text/text_stream.h"

namespace korvelin {

// A number as read by a "%d" conversion.
struct IntToken {
  enum Status { kNone, kNumber, kOutOfRange } status;
  int value;         // the number; saturated to the int range when too large
  std::string text;  // every character consumed after the white space
};
IntToken LexInt(TextStream& in);
// As LexInt, the digits perhaps grouped by thousands with commas ("11,776"
// and "1,000,000"; "1,23" is 1): the integers typed at the console's number
// prompts.
IntToken LexGroupedInt(TextStream& in);

// A number as read by a "%lf" conversion, decimal forms only.
struct RealToken {
  enum Status { kNone, kNumber, kSpecial } status;  // kSpecial: inf, nan, hex
  double value;      // for kNumber: strtod's value, an infinity on overflow
  std::string text;  // every character consumed after the white space
};
RealToken LexReal(TextStream& in);

// Reads an integer from a file: a field that meets no number keeps its value;
// a number beyond the int range saturates.  False when no number was read.
bool ReadFileInt(TextStream& in, int& field);
// As ReadFileInt, for a stat table's numbers, which may group their digits
// by thousands: a comma, a full stop or a Unicode space (IsUnicodeSpace)
// directly followed by exactly three digits (and then by a character that
// is not a digit, or the end) continues the number, so "11,776", "11.776"
// and "1.234.567" are 11776, 11776 and 1234567.  Any other separator is left.
bool ReadTableInt(TextStream& in, int& field);
// The first number of a table's cell (the text between two tabs or commas):
// its digits, grouped by thousands as ReadTableInt groups them or by an
// ordinary space too ("4 784" is 4784), saturated beyond the int range; a
// sign is not part of it.  False when the cell holds no digit ("N/A", "-").
bool ParseCellInt(std::string_view cell, int& field);
// As ParseCellInt, for a real: digits, then perhaps a full stop or a comma
// and the digits of the fraction ("2.50", "2,5").
bool ParseCellReal(std::string_view cell, double& field);
// Reads a real from a file: no number leaves the field as it was.  A real
// beyond the range of a double, written as digits or as "inf", becomes the
// largest finite double with its sign, so that no infinity enters from a
// file; "nan" is consumed and leaves the field as it was.
bool ReadFileReal(TextStream& in, double& field);

}  // namespace korvelin
