// Display width: the table's edges, and names padded and cut by columns.
#include "text/width.h"

#include <fstream>
#include <initializer_list>
#include <sstream>
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
  EXPECT_EQ(Width(0x1F1E6), 2);  // a regional indicator, shown as emoji
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

// The UTF-8 of `codes`.
std::string Utf8(std::initializer_list<char32_t> codes) {
  std::string bytes;
  for (char32_t code : codes) AppendUtf8(bytes, code);
  return bytes;
}

// Every case of Unicode's own test of the grapheme cluster rules, where the
// data is installed: "÷ 0020 × 0308 ÷" is one character of two code points.
TEST(Width, CharactersBreakAsUnicodesTestSays) {
  std::ifstream cases("/usr/share/unicode/auxiliary/GraphemeBreakTest.txt");
  if (!cases) GTEST_SKIP() << "no GraphemeBreakTest.txt (Debian: unicode-data)";
  std::string line;
  int checked = 0;
  while (std::getline(cases, line)) {
    std::istringstream fields(line.substr(0, line.find('#')));
    std::string text, mark;
    std::vector<std::size_t> expected, found;
    while (fields >> mark) {
      if (mark == "\xC3\xB7") {
        if (!text.empty()) expected.push_back(text.size());
      } else if (mark != "\xC3\x97") {
        AppendUtf8(text, static_cast<char32_t>(std::stoul(mark, nullptr, 16)));
      }
    }
    for (std::size_t at = 0; at < text.size();)
      found.push_back(at += FirstCluster(text.substr(at)).length);
    EXPECT_EQ(found, expected) << line;
    ++checked;
  }
  EXPECT_GT(checked, 600);
}

TEST(Width, EmojiSequencesTakeTwoColumnsAndAreNeverCut) {
  const std::string family = Utf8({0x1F468, 0x200D, 0x1F469, 0x200D, 0x1F467, 0x200D, 0x1F466});
  const std::string flag = Utf8({0x1F1EB, 0x1F1F7});   // France
  const std::string thumb = Utf8({0x1F44D, 0x1F3FD});  // with a skin tone
  const std::string heart = Utf8({0x2764, 0xFE0F});    // text made emoji
  const std::string keycap = Utf8({'1', 0xFE0F, 0x20E3});
  for (const std::string& emoji : {family, flag, thumb, heart, keycap}) {
    EXPECT_EQ(FirstCluster(emoji + "x").length, emoji.size());
    EXPECT_EQ(TextColumns(emoji), 2u) << emoji;
  }
  EXPECT_EQ(TextColumns(Utf8({0x2764})), 1u);        // a pictograph shown as text
  EXPECT_EQ(TextColumns(Utf8({0x1F1EB})), 2u);       // a lone regional indicator
  EXPECT_EQ(TextColumns("1" + Utf8({0x20E3})), 1u);  // a keycap without the selector
  // Hangul in jamo is one syllable of two columns; a mark adds none.
  EXPECT_EQ(TextColumns(Utf8({0x1100, 0x1161, 0x11A8})), 2u);
  // In a table: the family and two letters fill 4 of 6 columns; cut to 3
  // the family stays whole and a letter goes; cut to 1 the family goes.
  EXPECT_EQ(Format("|%-6.6s|")({"a" + family + "b"}), "|a" + family + "b  |");
  EXPECT_EQ(Format("|%-3.3s|")({"a" + family + "b"}), "|a" + family + "|");
  EXPECT_EQ(Format("|%-1.1s|")({family + "b"}), "| |");
  // Bytes that are not UTF-8 stay characters of their own.
  EXPECT_EQ(FirstCluster("\xFF" + Utf8({0x0301})).length, 1u);
  EXPECT_EQ(TextColumns("e\xFF\xFE"), 3u);
}

TEST(Width, ControlsAreShownAsReplacementCharacters) {
  const std::string replaced = "\xEF\xBF\xBD";
  // U+202E, U+202A, U+2066 and U+2069 are replaced; U+2029, U+202F and U+206A are not.
  EXPECT_EQ(ShownText("ab" + Utf8({0x202E}) + "cd"), "ab" + replaced + "cd");
  EXPECT_EQ(ShownText(Utf8({0x202A, 0x2066, 0x2069})), replaced + replaced + replaced);
  const std::string others = Utf8({0x2029, 0x202F, 0x206A}) + "\xE2\x80";
  EXPECT_EQ(ShownText(others), others);
  // Each takes the one column of U+FFFD; stored text keeps the control.
  std::string cell;
  AppendShownColumns(cell, Utf8({0x202E}) + "12", 5, 5, true);
  EXPECT_EQ(cell, replaced + "12  ");
  cell.clear();
  AppendShownColumns(cell, "ab" + Utf8({0x202E}) + "c", 2, 2, false);
  EXPECT_EQ(cell, "ab");
  // On the screen ESC, CR, DEL and C1's CSI (U+009B) cannot reach the
  // terminal either; a tab, the no-break space (C2 A0) and a lone C2 byte
  // are no such controls, and exports keep control characters.
  cell.clear();
  AppendShownColumns(cell, "Bo\x1B[1m\rX\x7F\t", 0, std::string::npos, true);
  EXPECT_EQ(cell, "Bo" + replaced + "[1m" + replaced + "X" + replaced + "\t");
  cell.clear();
  AppendShownColumns(cell,
                     "a\xC2\x9B"
                     "2J\xC2\xA0\xC2",
                     8, 8, true);
  EXPECT_EQ(cell, "a" + replaced + "2J\xC2\xA0\xC2  ");
  cell.clear();
  AppendShownColumns(cell,
                     "Abcdefgh\x1B"
                     "ijklmnop~\x7F",
                     0, std::string::npos, true);
  EXPECT_EQ(cell, "Abcdefgh" + replaced + "ijklmnop~" + replaced);
  EXPECT_EQ(ShownText("\x1B[1m"), "\x1B[1m");
  cell.clear();
  AppendShownColumns(cell, std::string_view(), 2, 2, true);  // no bytes at all
  EXPECT_EQ(cell, "  ");
}

}  // namespace

}  // namespace korvelin
