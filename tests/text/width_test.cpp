// Display width: the table's edges, and names padded and cut by columns.
#include "text/width.h"

#include <string>

#include "test_support.h"

namespace korvelin {

namespace {

// The width of `code` as the program meets it: encoded, then decoded.
int Width(char32_t code) {
  std::string bytes;
  AppendUtf8(bytes, code);
  return CharacterWidth(DecodeCharacter(bytes));
}

TEST(Width, TheTablesEdges) {
  EXPECT_EQ(Width('A'), 1);
  EXPECT_EQ(Width(0x10FF), 1);   // Georgian, before the Hangul initials
  EXPECT_EQ(Width(0x1100), 2);   // the first Hangul initial consonant
  EXPECT_EQ(Width(0x115F), 2);   // the last
  EXPECT_EQ(Width(0x1160), 0);   // the first medial vowel
  EXPECT_EQ(Width(0x11FF), 0);   // the last final consonant
  EXPECT_EQ(Width(0xFF00), 1);   // unassigned
  EXPECT_EQ(Width(0xFF01), 2);   // fullwidth !
  EXPECT_EQ(Width(0x1F409), 2);  // the dragon emoji
  EXPECT_EQ(Width(0x0301), 0);   // combining acute (Mn)
  EXPECT_EQ(Width(0x200B), 0);   // zero width space (Cf)
  EXPECT_EQ(Width(0x302A), 0);   // a mark that is also wide: no column
  // The byte AD alone is not UTF-8 and counts one; U+00AD, the soft hyphen, is Cf.
  EXPECT_EQ(CharacterWidth(DecodeCharacter("\xAD")), 1);
  EXPECT_EQ(Width(0xAD), 0);
}

TEST(Width, NamesArePaddedAndCutByColumns) {
  const char* knight =
      "\xE9\xBE\x8D\xE7\x8E\x8B\xE3\x81\xAE\xE5\x89\xA3\xE5\xA3\xAB";  // 龍王の剣士
  const char* renee =
      "Rene\xCC\x81"
      "e";  // the second e with a combining acute
  EXPECT_EQ(Format("|%-29.29s|")({knight}), "|" + std::string(knight) + std::string(19, ' ') + "|");
  EXPECT_EQ(Format("|%29.29s|")({knight}), "|" + std::string(19, ' ') + knight + "|");
  EXPECT_EQ(Format("|%-8.8s|")({renee}), "|" + std::string(renee) + "   |");
  // Cut after the last whole character that fits: the mark stays with its e,
  // and a wide character across the edge leaves a space.
  EXPECT_EQ(Format("|%-4.4s|")({renee}), "|Rene\xCC\x81|");
  EXPECT_EQ(Format("|%-5.5s|")({knight}), "|\xE9\xBE\x8D\xE7\x8E\x8B |");
  EXPECT_EQ(Format("|%5.5s|")({knight}), "| \xE9\xBE\x8D\xE7\x8E\x8B|");
  // A width without a precision pads but never cuts.
  EXPECT_EQ(Format("%-3s|")({knight}), std::string(knight) + "|");
  // Single bytes that are not UTF-8 are a column each; U+00AD is none.
  EXPECT_EQ(Format("|%-3s|")({"\xAD"}), "|\xAD  |");
  EXPECT_EQ(Format("|%-3s|")({"\xC2\xAD"}), "|\xC2\xAD   |");
  // The save file's rows count characters.
  EXPECT_EQ(Format("|%-29s|", Format::Unit::kCharacters)({knight}),
            "|" + std::string(knight) + std::string(24, ' ') + "|");
}

}  // namespace

}  // namespace korvelin
