// Format: the printf formats the program prints with, read once and rendered
// without the C library's parser.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin {

// A printf format built from the conversions this program prints with:
// %[-][width][.precision] followed by d, lld, f, lf or s, and %%.  It is read
// once and then rendered without the C library's parser, giving exactly what
// snprintf gives (a precision-0 integer conversion prints 0 as blanks only),
// except that a real that is not finite prints as "inf", "-inf" or "nan"
// right-aligned in its width, the same on every system, and that text (%s,
// which the program prints names with) is measured, cut and padded not by
// bytes but by the columns a terminal gives it (text/width.h): "%-29.29s"
// is a cell of 29 columns, whatever script the name is written in, and
// the controls that would turn the text after it around are written as
// U+FFFD (text/width.h ShownText).  A format made with Unit::kCharacters
// counts characters instead (text/characters.h) and writes the text as it
// is, as the save file's rows do.  For text without a multi-byte character
// (ASCII, and single-byte text) both are exactly snprintf's output.
class Format {
 public:
  // What the width and precision of a text conversion count.
  enum class Unit { kColumns, kCharacters };

  // One value for a conversion, in order.
  struct Arg {
    Arg(int v) : kind('d'), integer(v) {}
    Arg(long v) : kind('d'), integer(v) {}
    Arg(long long v) : kind('d'), integer(v) {}
    Arg(double v) : kind('f'), real(v) {}
    Arg(const char* v) : kind('s'), text(v) {}
    Arg(std::string_view v) : kind('s'), text(v) {}
    Arg(const std::string& v) : kind('s'), text(v) {}
    char kind;
    long long integer = 0;
    double real = 0.0;
    std::string_view text;  // up to its first NUL byte, if any, as printf prints it
  };

  // Aborts on a conversion outside the set above: a format is a fixed text
  // of the program, so that is a mistake in the program.
  explicit Format(const char* format, Unit unit = Unit::kColumns);

  // The text with `args` put in, one per conversion.
  std::string operator()(std::initializer_list<Arg> args) const;
  // The same, appended to `out`.
  void AppendTo(std::string& out, std::initializer_list<Arg> args) const;
  // The precision of the first conversion; -1 when it gives none.
  int Precision() const { return pieces_.front().precision; }

 private:
  struct Piece {
    std::string literal;  // printed before the conversion
    char conversion = 0;  // 'd', 'f', 's', or 0 after the last conversion
    bool left = false;    // '-'
    int width = 0;
    int precision = -1;  // -1: none given
  };
  std::vector<Piece> pieces_;
  Unit unit_;
};

}  // namespace korvelin
