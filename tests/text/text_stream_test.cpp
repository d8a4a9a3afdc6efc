// Reading files and the console: line ends, put-back, words, the number
// grammar and findnum.
#include <cmath>
#include <string>

#include "test_support.h"

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

TEST(Findnum, StopsBeforeDigitsAndAfterControlCharacters) {
  TextStream in = StreamOf("  : 42");
  EXPECT_EQ(findnum(in), 0);
  EXPECT_EQ(LexInt(in).value, 42);

  TextStream minus = StreamOf(": -7");
  EXPECT_EQ(findnum(minus), 0);
  EXPECT_EQ(LexInt(minus).value, 7);  // the sign was discarded

  TextStream line = StreamOf(" :\n5");
  EXPECT_EQ(findnum(line), 1);
  EXPECT_EQ(Rest(line), "5");

  TextStream tab = StreamOf("x\t1");
  EXPECT_EQ(findnum(tab), 1);

  TextStream high = StreamOf(
      "\x85"
      "3");  // 133 is a control character
  EXPECT_EQ(findnum(high), 1);
  TextStream letters = StreamOf(
      "\xA0"
      "3");  // 160 is not
  EXPECT_EQ(findnum(letters), 0);
}

TEST(Findnum, EndOfStreamReturnsOneAndConsumesNothing) {
  TextStream in = StreamOf("abc");
  EXPECT_EQ(findnum(in), 1);
  EXPECT_EQ(findnum(in), 1);
  EXPECT_TRUE(in.Ended());
}

TEST(Findnum, SignedFormKeepsAMinusDirectlyBeforeTheDigits) {
  TextStream in = StreamOf(" : -7 : - 8 : 9");
  EXPECT_EQ(findnum_signed(in), 0);
  EXPECT_EQ(LexInt(in).value, -7);
  EXPECT_EQ(findnum_signed(in), 0);
  EXPECT_EQ(LexInt(in).value, 8);
  EXPECT_EQ(findnum_signed(in), 0);
  EXPECT_EQ(LexInt(in).value, 9);
}

}  // namespace
