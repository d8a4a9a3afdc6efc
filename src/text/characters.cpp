// The UTF-8 decoder: a character is a valid sequence or a single byte.
#include "text/characters.h"

namespace korvelin {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;  // a continuation byte, C0, C1 or F5-FF never lead
}

Character DecodeCharacter(std::string_view bytes) {
  if (bytes.empty()) return {0, 0};
  const auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(0);
  const Character single = {lead, 1};
  const std::size_t length = SequenceLength(lead);
  if (length == 1 || bytes.size() < length) return single;
  // The second byte's range rules out overlong forms (E0, F0), surrogates
  // (ED) and code points past U+10FFFF (F4).
  unsigned char low = 0x80, high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (byte(1) < low || byte(1) > high) return single;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return single;
  }
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(i) & 0x3F);
  return {code, length};
}

std::size_t CountCharacters(std::string_view bytes) {
  std::size_t count = 0;
  while (!bytes.empty()) {
    // ASCII, the usual case, is one byte per character.
    const std::size_t length =
        static_cast<unsigned char>(bytes[0]) < 0x80 ? 1 : DecodeCharacter(bytes).length;
    bytes.remove_prefix(length);
    ++count;
  }
  return count;
}

std::string_view FirstCharacters(std::string_view bytes, std::size_t count) {
  std::size_t taken = 0;
  for (; count > 0 && taken < bytes.size(); --count) {
    taken += DecodeCharacter(bytes.substr(taken)).length;
  }
  return bytes.substr(0, taken);
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width, bool left) {
  const std::size_t count = CountCharacters(text);
  const std::size_t fill = width > count ? width - count : 0;
  if (!left) out.append(fill, ' ');
  out.append(text);
  if (left) out.append(fill, ' ');
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const Character c = DecodeCharacter(bytes);
    if (c.length > 1) {
      out.append(bytes.substr(0, c.length));
    } else {
      AppendUtf8(out, c.code);
    }
    bytes.remove_prefix(c.length);
  }
  return out;
}

}  // namespace korvelin
