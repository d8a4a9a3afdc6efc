// The skip between a file's fields: where it stops, what it keeps.
#include "files/fields.h"

#include <string>

#include "test_support.h"

namespace korvelin {

namespace {

std::string Rest(TextStream& in) {
  std::string rest;
  for (int c; (c = in.Get()) != kEnd;) rest += static_cast<char>(c);
  return rest;
}

TEST(SkipToNumber, StopsBeforeDigitsAndAfterControlCharacters) {
  TextStream in = StreamOf("  : 42");
  EXPECT_EQ(SkipToNumber(in), Skip::kAtNumber);
  EXPECT_EQ(LexInt(in).value, 42);

  TextStream minus = StreamOf(": -7");
  EXPECT_EQ(SkipToNumber(minus), Skip::kAtNumber);
  EXPECT_EQ(LexInt(minus).value, 7);  // the sign was discarded

  TextStream line = StreamOf(" :\n5");
  EXPECT_EQ(SkipToNumber(line), Skip::kAtLineEnd);
  EXPECT_EQ(Rest(line), "5");

  TextStream tab = StreamOf("x\t1");
  EXPECT_EQ(SkipToNumber(tab), Skip::kAtLineEnd);

  TextStream high = StreamOf(
      "\x85"
      "3");  // 133 is a control character
  EXPECT_EQ(SkipToNumber(high), Skip::kAtLineEnd);
  TextStream letters = StreamOf(
      "\xA0"
      "3");  // 160 is not
  EXPECT_EQ(SkipToNumber(letters), Skip::kAtNumber);
}

TEST(SkipToNumber, EndOfStreamReturnsOneAndConsumesNothing) {
  TextStream in = StreamOf("abc");
  EXPECT_EQ(SkipToNumber(in), Skip::kAtLineEnd);
  EXPECT_EQ(SkipToNumber(in), Skip::kAtLineEnd);
  EXPECT_TRUE(in.Ended());
}

TEST(SkipToNumber, SignedFormKeepsAMinusDirectlyBeforeTheDigits) {
  TextStream in = StreamOf(" : -7 : - 8 : 9");
  EXPECT_EQ(SkipToSignedNumber(in), Skip::kAtNumber);
  EXPECT_EQ(LexInt(in).value, -7);
  EXPECT_EQ(SkipToSignedNumber(in), Skip::kAtNumber);
  EXPECT_EQ(LexInt(in).value, 8);
  EXPECT_EQ(SkipToSignedNumber(in), Skip::kAtNumber);
  EXPECT_EQ(LexInt(in).value, 9);
}

TEST(SkipToNumber, TheTableFormStopsAfterATab) {
  TextStream tab = StreamOf(" )\t 5");
  EXPECT_EQ(SkipToTableNumber(tab), Skip::kAtTab);
  EXPECT_EQ(SkipToTableNumber(tab), Skip::kAtNumber);
  EXPECT_EQ(LexInt(tab).value, 5);
  TextStream line = StreamOf("x\n5");
  EXPECT_EQ(SkipToTableNumber(line), Skip::kAtLineEnd);
  EXPECT_EQ(Rest(line), "5");
  TextStream plain = StreamOf("\t5");
  EXPECT_EQ(SkipToNumber(plain), Skip::kAtLineEnd);
}

}  // namespace

}  // namespace korvelin
