// UTF-16 to UTF-8.
#include "text/utf16.h"

#include "text/characters.h"

namespace korvelin {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
}  // namespace

bool DecodeUtf16(std::string& bytes) {
  if (bytes.size() < 2) return false;
  const auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const bool little = byte(0) == 0xFF && byte(1) == 0xFE;
  const bool big = byte(0) == 0xFE && byte(1) == 0xFF;
  if (!little && !big) return false;
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t i) -> char32_t {
    return little ? byte(2 * i) | byte(2 * i + 1) << 8 : byte(2 * i) << 8 | byte(2 * i + 1);
  };
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t i = 0; i < units; ++i) {
    char32_t code = unit(i);
    if (IsHighSurrogate(code) && i + 1 < units && IsLowSurrogate(unit(i + 1))) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
      code = kReplacement;
    }
    AppendUtf8(text, code);
  }
  if (bytes.size() % 2 != 0) AppendUtf8(text, kReplacement);
  bytes.swap(text);
  return true;
}

}  // namespace korvelin
