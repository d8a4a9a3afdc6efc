// Formats read once and rendered with std::to_chars, which prints integers,
// and reals at a given precision, exactly as printf does.
#include "text/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "text/characters.h"
#include "text/width.h"

namespace korvelin {

namespace {

[[noreturn]] void Unsupported(const char* format) {
  std::fprintf(stderr, "unsupported format: %s\n", format);
  std::abort();
}

int Number(const char*& p) {
  int n = 0;
  while (*p >= '0' && *p <= '9') n = n * 10 + (*p++ - '0');
  return n;
}

// Collects what a format prints in a buffer of its own and appends it to
// the line in one step: a table cell or an echo is a few short pieces, and
// appending each to the line would cost more than printing it.  Appending
// may run out of memory: what is collected is taken out of the buffer
// before it is appended, so that a destructor run by that failure appends
// nothing and cannot fail again.
class Builder {
 public:
  explicit Builder(std::string& out) : out_(out) {}
  ~Builder() noexcept(false) { Flush(); }
  Builder(const Builder&) = delete;
  Builder& operator=(const Builder&) = delete;

  void Put(const char* text, std::size_t length) {
    if (length > sizeof buffer_ - used_) {
      Flush();
      if (length > sizeof buffer_) {
        out_.append(text, length);
        return;
      }
    }
    std::memcpy(buffer_ + used_, text, length);
    used_ += length;
  }
  void Spaces(std::size_t count) {
    while (count > 0) {
      if (used_ == sizeof buffer_) Flush();
      const std::size_t now = std::min(count, sizeof buffer_ - used_);
      std::memset(buffer_ + used_, ' ', now);
      used_ += now;
      count -= now;
    }
  }
  // The line with everything collected so far appended.
  std::string& Flushed() {
    Flush();
    return out_;
  }

 private:
  void Flush() {
    const std::size_t used = used_;
    used_ = 0;
    out_.append(buffer_, used);
  }
  char buffer_[256];
  std::size_t used_ = 0;
  std::string& out_;
};

void Pad(Builder& out, const char* text, std::size_t length, int width, bool left) {
  const std::size_t fill =
      static_cast<std::size_t>(width) > length ? static_cast<std::size_t>(width) - length : 0;
  if (!left) out.Spaces(fill);
  out.Put(text, length);
  if (left) out.Spaces(fill);
}

void Integer(Builder& out, long long value, int width, int precision, bool left) {
  char digits[64];  // a sign, the zeros a precision asks for, 19 digits
  std::size_t length = 0;
  // Precision 0 and the value 0: no digit at all.
  if (!(precision == 0 && value == 0)) {
    char raw[24];
    const auto result = std::to_chars(raw, raw + sizeof raw, value);
    const char* start = raw;
    if (value < 0) {
      digits[length++] = '-';
      ++start;
    }
    for (int i = static_cast<int>(result.ptr - start); i < precision; ++i) digits[length++] = '0';
    for (const char* c = start; c != result.ptr; ++c) digits[length++] = *c;
  }
  Pad(out, digits, length, width, left);
}

void Real(Builder& out, double value, int width, int precision, bool left) {
  if (!std::isfinite(value)) {
    const char* word = std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    Pad(out, word, std::char_traits<char>::length(word), width, false);
    return;
  }
  char text[400];  // the largest double in fixed form, and its decimals
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                    precision < 0 ? 6 : precision);
  Pad(out, text, static_cast<std::size_t>(result.ptr - text), width, left);
}

}  // namespace

Format::Format(const char* format, Unit unit) : unit_(unit) {
  Piece piece;
  for (const char* p = format; *p != '\0';) {
    if (*p != '%') {
      piece.literal += *p++;
      continue;
    }
    ++p;
    if (*p == '%') {
      piece.literal += '%';
      ++p;
      continue;
    }
    if (*p == '-') {
      piece.left = true;
      ++p;
    }
    piece.width = Number(p);
    if (*p == '.') {
      ++p;
      piece.precision = Number(p);
      if (piece.precision > 40) Unsupported(format);
    }
    if (p[0] == 'l' && p[1] == 'l') {
      p += 2;
    } else if (p[0] == 'l') {
      ++p;
    }
    if (*p != 'd' && *p != 'f' && *p != 's') Unsupported(format);
    piece.conversion = *p++;
    pieces_.push_back(piece);
    piece = Piece();
  }
  pieces_.push_back(piece);  // the text after the last conversion
}

void Format::AppendTo(std::string& line, std::initializer_list<Arg> args) const {
  Builder out(line);
  const Arg* arg = args.begin();
  for (const Piece& piece : pieces_) {
    out.Put(piece.literal.data(), piece.literal.size());
    if (piece.conversion == 0) continue;
    if (arg == args.end() || arg->kind != piece.conversion) std::abort();
    switch (piece.conversion) {
      case 'd': Integer(out, arg->integer, piece.width, piece.precision, piece.left); break;
      case 'f': Real(out, arg->real, piece.width, piece.precision, piece.left); break;
      case 's': {
        // Text is a name: measured, cut and padded by columns or characters.
        // On the screen (columns) its direction controls show as U+FFFD.
        std::string_view text = arg->text.substr(0, arg->text.find('\0'));
        const auto width = static_cast<std::size_t>(piece.width);
        if (unit_ == Unit::kColumns) {
          const std::size_t most = piece.precision >= 0 ? static_cast<std::size_t>(piece.precision)
                                                        : std::string_view::npos;
          AppendShownColumns(out.Flushed(), text, width, most, piece.left);
          break;
        }
        if (piece.precision >= 0) {
          text = FirstCharacters(text, static_cast<std::size_t>(piece.precision));
        }
        AppendPadded(out.Flushed(), text, width, piece.left);
        break;
      }
    }
    ++arg;
  }
}

std::string Format::operator()(std::initializer_list<Arg> args) const {
  std::string out;
  AppendTo(out, args);
  return out;
}

}  // namespace korvelin
