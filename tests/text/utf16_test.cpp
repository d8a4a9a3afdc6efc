// Files written as UTF-16 become their text in UTF-8.
#include "text/utf16.h"

#include <string>

#include "test_support.h"

namespace {

TEST(Utf16, MarkedFilesBecomeUtf8AndBrokenUnitsTheReplacementCharacter) {
  // Little-endian: "A", "é" and U+1F525 as a surrogate pair.
  std::string le(
      "\xFF\xFE"
      "A\0\xE9\0\x3D\xD8\x25\xDD",
      10);
  EXPECT_TRUE(DecodeUtf16(le));
  EXPECT_EQ(le,
            "\xEF\xBB\xBF"
            "A\xC3\xA9\xF0\x9F\x94\xA5");
  // Big-endian: a high surrogate without its low one, "B", a low one alone
  // and a last odd byte.
  std::string be("\xFE\xFF\xD8\x00\x00\x42\xDC\x00\x41", 9);
  EXPECT_TRUE(DecodeUtf16(be));
  EXPECT_EQ(be,
            "\xEF\xBB\xBF\xEF\xBF\xBD"
            "B\xEF\xBF\xBD\xEF\xBF\xBD");
  std::string plain = "\xFF";
  EXPECT_FALSE(DecodeUtf16(plain));
  EXPECT_EQ(plain, "\xFF");
}

}  // namespace
