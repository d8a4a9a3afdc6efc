// Characters as the program counts them: one UTF-8-encoded code point where
// the bytes form a valid one (shortest form, no surrogates, at most
// U+10FFFF), and otherwise one byte, whose code is the byte's value.  ASCII
// and single-byte text therefore count one character per byte, as they
// always did.  Nothing here depends on the locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvelin {

// One character: its code and the bytes it takes.
struct Character {
  char32_t code;
  std::size_t length;  // 1 to 4; 0 only for empty input
};

// The character at the start of `bytes`.  A sequence cut short by the end
// of `bytes` is not valid: its first byte is a character of its own.
Character DecodeCharacter(std::string_view bytes);

// The number of bytes a valid UTF-8 sequence starting with `lead` takes, or
// 1 when no valid sequence starts with it.
std::size_t SequenceLength(unsigned char lead);

// The number of characters in `bytes`.
std::size_t CountCharacters(std::string_view bytes);

// The bytes of the first `count` characters of `bytes` (all of it when it
// holds fewer): a cut never splits a character.
std::string_view FirstCharacters(std::string_view bytes, std::size_t count);

// Appends `text` with spaces to make `width` characters: the spaces after it
// when `left`, before it otherwise; text of `width` characters or more is
// appended whole.  The save file's rows pad names so, as its reader counts
// characters; what is shown pads them by columns (text/width.h).
void AppendPadded(std::string& out, std::string_view text, std::size_t width, bool left);

// The spaces that web pages put between words and inside numbers: the
// no-break space (U+00A0, also as the single byte A0), the spaces U+2000 to
// U+200A, the narrow no-break space U+202F, the medium mathematical space
// U+205F and the ideographic space U+3000.  `code` is a character's code.
inline bool IsUnicodeSpace(long code) {
  if (code < 0xA0) return false;  // ASCII, the usual case, at one comparison
  return code == 0xA0 || (code >= 0x2000 && code <= 0x200A) || code == 0x202F || code == 0x205F ||
         code == 0x3000;
}

// Appends the UTF-8 encoding of `code` (at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);

// The text as UTF-8: valid sequences as they are, every other byte as the
// character of the same code (a Latin-1 "é" byte becomes "é").
std::string ToUtf8(std::string_view bytes);

}  // namespace korvelin
