// The decoder: valid UTF-8 sequences are one character each; every byte of
// an invalid one is a character of its own, and nothing after it is lost.
#include "text/characters.h"

#include <string>
#include <vector>

#include "test_support.h"
#include "text/utf16.h"

namespace korvelin {

namespace {

// The codes of the characters of `bytes`, in order.
std::vector<char32_t> Codes(const std::string& bytes) {
  std::vector<char32_t> codes;
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const Character c = DecodeCharacter(rest);
    codes.push_back(c.code);
    rest.remove_prefix(c.length);
  }
  return codes;
}

using Codes_ = std::vector<char32_t>;

TEST(Characters, ValidSequencesOfEveryLength) {
  EXPECT_EQ(Codes("A"), Codes_({0x41}));
  EXPECT_EQ(Codes("\xC3\xA9"), Codes_({0xE9}));                 // é
  EXPECT_EQ(Codes("\xD0\x94"), Codes_({0x414}));                // Д
  EXPECT_EQ(Codes("\xE9\xBE\x8D"), Codes_({0x9F8D}));           // 龍
  EXPECT_EQ(Codes("\xF0\x9F\x90\x89"), Codes_({0x1F409}));      // 🐉
  EXPECT_EQ(Codes("\xC2\x80\xDF\xBF"), Codes_({0x80, 0x7FF}));  // the two-byte range's ends
  EXPECT_EQ(Codes("\xEF\xBF\xBF\xF4\x8F\xBF\xBF"), Codes_({0xFFFF, 0x10FFFF}));
  EXPECT_EQ(Codes("\xEE\x80\x80"), Codes_({0xE000}));  // just past the surrogates
}

TEST(Characters, InvalidBytesAreCharactersOfTheirOwnCode) {
  // Lone continuation bytes, and a lead byte without its continuation.
  EXPECT_EQ(Codes("\x80\xBF"), Codes_({0x80, 0xBF}));
  EXPECT_EQ(Codes("\xC3X"), Codes_({0xC3, 'X'}));
  // Overlong forms of "/" and of U+07FF, C0, C1 and F5-FF.
  EXPECT_EQ(Codes("\xC0\xAF"), Codes_({0xC0, 0xAF}));
  EXPECT_EQ(Codes("\xE0\x9F\xBF"), Codes_({0xE0, 0x9F, 0xBF}));
  EXPECT_EQ(Codes("\xF0\x8F\xBF\xBF"), Codes_({0xF0, 0x8F, 0xBF, 0xBF}));
  EXPECT_EQ(Codes("\xC1\xBF\xF5\xFF"), Codes_({0xC1, 0xBF, 0xF5, 0xFF}));
  // Surrogates U+D800 and U+DFFF.
  EXPECT_EQ(Codes("\xED\xA0\x80"), Codes_({0xED, 0xA0, 0x80}));
  EXPECT_EQ(Codes("\xED\xBF\xBF"), Codes_({0xED, 0xBF, 0xBF}));
  // Past U+10FFFF.
  EXPECT_EQ(Codes("\xF4\x90\x80\x80"), Codes_({0xF4, 0x90, 0x80, 0x80}));
  // A sequence cut short, by another character or by the end.
  EXPECT_EQ(Codes("\xE9\xBE"
                  "A"),
            Codes_({0xE9, 0xBE, 'A'}));
  EXPECT_EQ(Codes("\xF0\x9F\x90"), Codes_({0xF0, 0x9F, 0x90}));
  // Latin-1 text is one character per byte, as it always was.
  EXPECT_EQ(Codes("J\xE9r\xF4me"), Codes_({'J', 0xE9, 'r', 0xF4, 'm', 'e'}));
}

TEST(Characters, CountingAndCuttingNeverSplitACharacter) {
  const std::string dragon = "\xD0\x94\xD1\x80\xD0\xB0\xD0\xBA\xD0\xBE\xD0\xBD";  // Дракон
  EXPECT_EQ(CountCharacters(dragon), 6u);
  EXPECT_EQ(CountCharacters("J\xE9r\xF4me"), 6u);
  EXPECT_EQ(CountCharacters(""), 0u);
  EXPECT_EQ(FirstCharacters(dragon, 2), "\xD0\x94\xD1\x80");
  EXPECT_EQ(FirstCharacters(dragon, 10), dragon);
  EXPECT_EQ(FirstCharacters("a\xF0\x9F\x90\x89z", 2), "a\xF0\x9F\x90\x89");
}

TEST(Characters, ToUtf8KeepsValidTextAndWidensOtherBytes) {
  EXPECT_EQ(ToUtf8("Rivet"), "Rivet");
  EXPECT_EQ(ToUtf8("\xD0\x94 \xF0\x9F\x90\x89"), "\xD0\x94 \xF0\x9F\x90\x89");
  EXPECT_EQ(ToUtf8("J\xE9r\xF4me"), "J\xC3\xA9r\xC3\xB4me");
  EXPECT_EQ(ToUtf8("\x80\xFF"), "\xC2\x80\xC3\xBF");
}

TEST(Characters, PaddingCountsCharacters) {
  const std::string dragon = "\xD0\x94\xD1\x80\xD0\xB0\xD0\xBA\xD0\xBE\xD0\xBD";  // Дракон
  auto padded = [](const std::string& name, std::size_t width, bool left) {
    std::string out;
    AppendPadded(out, name, width, left);
    return out;
  };
  EXPECT_EQ(padded(dragon, 10, true), dragon + "    ");
  EXPECT_EQ(padded(dragon, 10, false), "    " + dragon);
  EXPECT_EQ(padded(dragon, 3, true), dragon);                    // never cut
  EXPECT_EQ(padded("J\xE9r\xF4me", 8, true), "J\xE9r\xF4me  ");  // single bytes, as always
  EXPECT_EQ(padded("\xE9\xBE\x8D\xF0\x9F\x90\x89", 4, true),
            "\xE9\xBE\x8D\xF0\x9F\x90\x89  ");  // wide ones count one
}

TEST(Characters, Utf16FilesBecomeUtf8BrokenUnitsTheReplacementCharacter) {
  // "A", "é" and U+1F525 (a surrogate pair); then a high surrogate without
  // its low one, "B", a low one alone and a last odd byte.
  std::string le("\xFF\xFE\x41\0\xE9\0\x3D\xD8\x25\xDD", 10);
  std::string be("\xFE\xFF\xD8\x00\x00\x42\xDC\x00\x41", 9), plain = "\xFF";
  EXPECT_TRUE(DecodeUtf16(le) && DecodeUtf16(be));
  EXPECT_EQ(le, "\xEF\xBB\xBF\x41\xC3\xA9\xF0\x9F\x94\xA5");
  EXPECT_EQ(be, "\xEF\xBB\xBF\xEF\xBF\xBD\x42\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_FALSE(DecodeUtf16(plain));
  EXPECT_EQ(plain, "\xFF");
}

}  // namespace

}  // namespace korvelin
