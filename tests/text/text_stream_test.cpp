// Reading files and the console: line ends, put-back, words and the number
// grammar.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "files/fields.h"
#include "test_support.h"

namespace korvelin {

namespace {

std::string Rest(TextStream& in) {
  std::string rest;
  for (int c; (c = in.Get()) != kEnd;) rest += static_cast<char>(c);
  return rest;
}

TEST(TextStream, FoldsCrLfButKeepsALoneCr) {
  TextStream in = StreamOf("a\r\nb\rc\r");
  EXPECT_EQ(Rest(in), "a\nb\rc\r");
}

TEST(TextStream, FoldsCrLfAcrossTheReadBlock) {
  std::string text(65535, 'x');
  text += "\r\ny";
  TextStream in = StreamOf(text);
  const std::string rest = Rest(in);
  EXPECT_EQ(rest.size(), 65537u);
  EXPECT_EQ(rest.substr(65535), "\ny");
}

TEST(TextStream, GivesBackAnyNumberOfCharacters) {
  TextStream in = StreamOf("abcdef");
  std::string first;
  for (int i = 0; i < 4; ++i) first += static_cast<char>(in.Get());
  in.Unget(first);
  EXPECT_EQ(Rest(in), "abcdef");
  in.Unget(kEnd);
  EXPECT_TRUE(in.Ended());
}

TEST(TextStream, HighBytesAreCharacters) {
  TextStream in = StreamOf("\xFF\x80");
  EXPECT_EQ(in.Get(), 255);
  EXPECT_EQ(in.Get(), 128);
  EXPECT_EQ(in.Get(), kEnd);
  EXPECT_EQ(in.Get(), kEnd);
}

TEST(Words, SplitAtTheLimitAndAtWhiteSpace) {
  TextStream in = StreamOf("  load\tgang.txt\n" + std::string(35, 'w'));
  std::string w;
  ASSERT_TRUE(ReadWord(in, w, 29));
  EXPECT_EQ(w, "load");
  ASSERT_TRUE(ReadWord(in, w, 29));
  EXPECT_EQ(w, "gang.txt");
  ASSERT_TRUE(ReadWord(in, w, 19));
  EXPECT_EQ(w, std::string(19, 'w'));
  ASSERT_TRUE(ReadWord(in, w, 19));
  EXPECT_EQ(w, std::string(16, 'w'));
  EXPECT_FALSE(ReadWord(in, w, 19));
}

TEST(IntGrammar, NumbersStopAtTheirLastDigit) {
  TextStream in = StreamOf(" \n -12abc +7 0042");
  IntToken t = LexInt(in);
  EXPECT_EQ(t.status, IntToken::kNumber);
  EXPECT_EQ(t.value, -12);
  std::string w;
  ReadWord(in, w, 29);
  EXPECT_EQ(w, "abc");
  EXPECT_EQ(LexInt(in).value, 7);
  EXPECT_EQ(LexInt(in).value, 42);
}

TEST(IntGrammar, NoNumberConsumesOnlyALoneSign) {
  TextStream in = StreamOf("-x");
  const IntToken t = LexInt(in);
  EXPECT_EQ(t.status, IntToken::kNone);
  EXPECT_EQ(t.text, "-");
  EXPECT_EQ(Rest(in), "x");
}

TEST(IntGrammar, RangeLimitsAndSaturation) {
  TextStream in = StreamOf(
      "2147483647 -2147483648 2147483648 -2147483649 "
      "999999999999999999999999999999");
  EXPECT_EQ(LexInt(in).value, 2147483647);
  IntToken t = LexInt(in);
  EXPECT_EQ(t.status, IntToken::kNumber);
  EXPECT_EQ(t.value, -2147483647 - 1);
  t = LexInt(in);
  EXPECT_EQ(t.status, IntToken::kOutOfRange);
  EXPECT_EQ(t.value, 2147483647);
  t = LexInt(in);
  EXPECT_EQ(t.status, IntToken::kOutOfRange);
  EXPECT_EQ(t.value, -2147483647 - 1);
  t = LexInt(in);
  EXPECT_EQ(t.status, IntToken::kOutOfRange);
  EXPECT_EQ(t.text.size(), 30u);
}

TEST(RealGrammar, DecimalForms) {
  TextStream in = StreamOf("5. .5 -2.25 1e3 1.5e+x 7E-1");
  EXPECT_EQ(LexReal(in).value, 5.0);
  EXPECT_EQ(LexReal(in).value, 0.5);
  EXPECT_EQ(LexReal(in).value, -2.25);
  EXPECT_EQ(LexReal(in).value, 1000.0);
  const RealToken t = LexReal(in);
  EXPECT_EQ(t.value, 1.5);
  std::string w;
  ReadWord(in, w, 29);
  EXPECT_EQ(w, "e+x");  // an exponent needs digits
  EXPECT_DOUBLE_EQ(LexReal(in).value, 0.7);
}

TEST(RealGrammar, InfinityNanAndHexAreNotDecimals) {
  for (const char* word : {"inf", "-Infinity", "NaN", "nan(1)", "0x1A", "0X.8", "+0xf"}) {
    TextStream in = StreamOf(word);
    EXPECT_EQ(LexReal(in).status, RealToken::kSpecial) << word;
  }
  TextStream zero = StreamOf("0xg");
  EXPECT_EQ(LexReal(zero).value, 0.0);  // not hex: the 0 is a number
  TextStream dot = StreamOf(".e5");
  EXPECT_EQ(LexReal(dot).status, RealToken::kNone);
}

TEST(RealGrammar, OverflowGivesInfinity) {
  TextStream in = StreamOf("1e999");
  const RealToken t = LexReal(in);
  EXPECT_EQ(t.status, RealToken::kNumber);
  EXPECT_TRUE(std::isinf(t.value));
}

TEST(FileNumbers, UnreadableNumbersLeaveTheFieldAlone) {
  TextStream in = StreamOf("abc 12");
  int field = 99;
  EXPECT_FALSE(ReadFileInt(in, field));
  EXPECT_EQ(field, 99);
  TextStream big = StreamOf("99999999999");
  EXPECT_TRUE(ReadFileInt(big, field));
  EXPECT_EQ(field, 2147483647);
  double real = 1.5;
  TextStream none = StreamOf("x");
  EXPECT_FALSE(ReadFileReal(none, real));
  EXPECT_EQ(real, 1.5);
}

// The characters of a stream: each one's code and bytes, to the end.
struct Read {
  std::vector<long> codes;
  std::string bytes;
};
Read Characters(TextStream& in) {
  Read read;
  for (StreamChar c; (c = in.GetChar()).code != kEnd;) {
    read.codes.push_back(c.code);
    read.bytes.append(c.Bytes());
  }
  return read;
}
using Codes = std::vector<long>;

// The decoder's rules are tested in characters_test.cpp; here, that the
// stream hands out whole characters, and that after an invalid sequence (an
// overlong form, one cut by another lead byte) every byte is read again.
TEST(StreamCharacters, WholeCharactersAndEveryByteOfInvalidOnes) {
  const std::string bytes = "\xD0\x94\xF0\x9F\x90\x89\xE0\x9F\xBF\xF0\x9F\x90\xD0\x94\xC2\x85!";
  TextStream in = StreamOf(bytes);
  const Read read = Characters(in);
  EXPECT_EQ(read.codes,
            Codes({0x414, 0x1F409, 0xE0, 0x9F, 0xBF, 0xF0, 0x9F, 0x90, 0x414, 0x85, '!'}));
  EXPECT_EQ(read.bytes, bytes);
}

TEST(StreamCharacters, ASequenceCutByTheEndOfAFile) {
  TextStream in = StreamOf("ab\xF0\x9F\x90");
  const Read read = Characters(in);
  EXPECT_EQ(read.codes, Codes({'a', 'b', 0xF0, 0x9F, 0x90}));
  EXPECT_EQ(in.GetChar().length, 0u);
}

TEST(StreamCharacters, ASequenceCutByALineEndKeepsTheLineEnd) {
  TextStream crlf = StreamOf(
      "\xD0\r\n\xE9\xBE\n"
      "b");
  EXPECT_EQ(Characters(crlf).codes, Codes({0xD0, '\n', 0xE9, 0xBE, '\n', 'b'}));
}

// Typed lines, handed out as the console's line source hands them.
struct TypedLines : LineSource {
  std::vector<std::string> lines;
  bool ReadLine(std::string& line) override {
    if (lines.empty()) return false;
    line += lines.front();
    lines.erase(lines.begin());
    return true;
  }
};

TEST(StreamCharacters, ASequenceCutByTheEndOfTypedInput) {
  auto lines = std::make_unique<TypedLines>();
  lines->lines = {"\xD0\n", "\xE9\xBE"};
  TextStream in = TextStream::Console(std::move(lines));
  const Read read = Characters(in);
  EXPECT_EQ(read.codes, Codes({0xD0, '\n', 0xE9, 0xBE}));
  EXPECT_TRUE(in.Ended());
}

TEST(StreamCharacters, UngetPutsTheWholeCharacterBack) {
  TextStream in = StreamOf("\xF0\x9F\x90\x89!");
  const StreamChar c = in.GetChar();
  EXPECT_EQ(c.length, 4u);
  in.Unget(c);
  EXPECT_EQ(in.GetChar().code, 0x1F409);
  EXPECT_EQ(in.GetChar().code, '!');
}

TEST(StreamCharacters, ControlCharactersAreCodesNotBytes) {
  // U+0085 (C2 85) is a control character; the 0x94 inside "Д" is not.
  EXPECT_TRUE(IsControl(0x85));
  EXPECT_FALSE(IsControl(0x414));
  TextStream letter = StreamOf(
      "\xD0\x94"
      "7");
  EXPECT_EQ(SkipToNumber(letter), Skip::kAtNumber);
  EXPECT_EQ(LexInt(letter).value, 7);
  TextStream next_line = StreamOf(
      "\xC2\x85"
      "7");
  EXPECT_EQ(SkipToNumber(next_line), Skip::kAtLineEnd);
  TextStream lone = StreamOf(
      "\x94"
      "7");
  EXPECT_EQ(SkipToNumber(lone), Skip::kAtLineEnd);
}

TEST(ByteOrderMark, SkippedOnlyWhenWhole) {
  // Only one whole mark, and only at the start.
  const std::pair<std::string, std::string> cases[] = {
      {"\xEF\xBB\xBFxyz", "xyz"},
      {"\xEF\xBBxyz", "\xEF\xBBxyz"},
      {"\xEF\xBB\xBF", ""},
      {"", ""},
      {"\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"}};
  for (const auto& [bytes, rest] : cases) {
    TextStream in = StreamOf(bytes);
    SkipByteOrderMark(in);
    EXPECT_EQ(Rest(in), rest);
  }
}

TEST(TableNumbers, ThousandsSeparatorsContinueOnlyAGroupOfThree) {
  const struct {
    const char* text;
    int value;
    const char* rest;
  } cases[] = {
      {"11,776 x", 11776, " x"},
      {"1,234,567", 1234567, ""},
      {"1,23 x", 1, ",23 x"},
      {"12,3456", 12, ",3456"},
      {"3,000,", 3000, ","},
      {"5,", 5, ","},
      {"9,999,999,999,999", 2147483647, ""},
      {"7,12a", 7, ",12a"},
      {"-1,000", -1000, ""},
  };
  for (const auto& c : cases) {
    TextStream in = StreamOf(c.text);
    int field = 0;
    EXPECT_TRUE(ReadTableInt(in, field)) << c.text;
    EXPECT_EQ(field, c.value) << c.text;
    EXPECT_EQ(Rest(in), c.rest) << c.text;
  }
  // Elsewhere a comma always separates.
  TextStream file = StreamOf("11,776");
  int field = 0;
  EXPECT_TRUE(ReadFileInt(file, field));
  EXPECT_EQ(field, 11);
  // At a prompt only commas group: a full stop ends the integer there.
  TextStream typed = StreamOf("11,776 1.234");
  const IntToken grouped = LexGroupedInt(typed);
  EXPECT_EQ(grouped.value, 11776);
  EXPECT_EQ(grouped.text, "11,776");
  EXPECT_EQ(LexGroupedInt(typed).value, 1);
  EXPECT_EQ(Rest(typed), ".234");
}

}  // namespace

}  // namespace korvelin
