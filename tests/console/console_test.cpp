// Console input: words, yes/no answers, numbers that cannot be read, names.
#include <string>

#include "test_support.h"
#include "text/ascii.h"

namespace korvelin {

namespace {

const std::string kValue = "\n   [INPUT VALUE]\n   [KORVELIN-GET VALUE]\n >>> ";
const std::string kError = "   [INVALID DATA INPUT]\n   [TYPE 'Help' FOR LIST OF COMMANDS]\n\n";

TEST(FoldCase, LowersOnlyAToZWithinItsLimit) {
  std::string w = "HeLLo-WORLD_\xC9";
  FoldCase(w);
  EXPECT_EQ(w, "hello-world_\xC9");
  std::string long_word(35, 'A');
  FoldCase(long_word, kFoldedLength);
  EXPECT_EQ(long_word, std::string(30, 'a') + std::string(5, 'A'));
}

TEST(ConsoleWords, YesIsDecidedByTheFirstCharacter) {
  ConsoleCapture console("Yeah y NO x");
  bool yes = false;
  ASSERT_TRUE(console.ReadYes(yes));
  EXPECT_TRUE(yes);
  ASSERT_TRUE(console.ReadYes(yes));
  EXPECT_TRUE(yes);
  ASSERT_TRUE(console.ReadYes(yes));
  EXPECT_FALSE(yes);
  ASSERT_TRUE(console.ReadYes(yes));
  EXPECT_FALSE(yes);
  EXPECT_FALSE(console.ReadYes(yes));
  EXPECT_TRUE(console.Ended());
}

TEST(ConsoleNumbers, WordsThatAreNotNumbersAreConsumedAndAskedAgain) {
  ConsoleCapture console("abc -x 99999999999 +12abc");
  int value = 0;
  ASSERT_TRUE(console.AskValue(value));
  EXPECT_EQ(value, 12);
  EXPECT_EQ(console.Printed(), kValue + kError + kValue + kError + kValue + kError + kValue);
  std::string rest;
  ASSERT_TRUE(console.ReadWord(rest, kWordLength));
  EXPECT_EQ(rest, "abc");  // what follows a number stays for the next read
}

TEST(ConsoleNumbers, OnlyFiniteDecimalsAreReals) {
  ConsoleCapture console("inf NaN 0x10 1e999 info 1.5e+x .5 5.");
  double value = 0;
  ASSERT_TRUE(console.AskValue(value));
  EXPECT_EQ(value, 1.5);
  std::string expected = kValue;
  for (int i = 0; i < 5; ++i) expected += kError + kValue;
  EXPECT_EQ(console.Printed(), expected);
  std::string word;
  ASSERT_TRUE(console.ReadWord(word, kWordLength));
  EXPECT_EQ(word, "e+x");
  ASSERT_TRUE(console.AskValue(value));
  EXPECT_EQ(value, 0.5);
  ASSERT_TRUE(console.AskValue(value));
  EXPECT_EQ(value, 5.0);
}

TEST(ConsoleNumbers, APromptOfItsOwnIsShownAgain) {
  ConsoleCapture console("x 7");
  int value = 0;
  ASSERT_TRUE(console.AskInt("ID? ", value));
  EXPECT_EQ(value, 7);
  EXPECT_EQ(console.Printed(), "ID? " + kError + "ID? ");
}

TEST(ConsoleNumbers, EndOfInputStopsTheRead) {
  ConsoleCapture console("  x \n ");
  int value = 41;
  EXPECT_FALSE(console.AskValue(value));
  EXPECT_EQ(value, 41);
  EXPECT_TRUE(console.Ended());
  double real = 0.5;
  EXPECT_FALSE(console.AskValue(real));  // every read after the end fails at once
  EXPECT_EQ(console.Printed(), kValue + kError + kValue);
}

TEST(ConsoleNames, LeadingBlanksSkippedTrailingSpacesDropped) {
  ConsoleCapture console(" \n\t\r  Big  Joe  \nnext");
  std::string name = "old";
  ASSERT_TRUE(console.AskName(name));
  EXPECT_EQ(name, "Big  Joe");
  EXPECT_EQ(console.Printed(), "\n   [INPUT NAME]\n   [KORVELIN-GET NAME]\n >>> ");
  std::string word;
  console.ReadWord(word, kWordLength);
  EXPECT_EQ(word, "next");
}

TEST(ConsoleNames, TwentyNineCharactersStoredOneMoreDropped) {
  ConsoleCapture console("ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789\n");
  std::string name;
  ASSERT_TRUE(console.AskName(name));
  EXPECT_EQ(name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ123");
  std::string word;
  console.ReadWord(word, kWordLength);
  EXPECT_EQ(word, "56789");  // the 30th character, '4', was dropped
}

TEST(ConsoleNames, HighBytesAreKeptAndHighControlCharactersEndTheName) {
  ConsoleCapture console("J\xE9r\xF4me\x85rest");
  std::string name;
  ASSERT_TRUE(console.AskName(name));
  EXPECT_EQ(name, "J\xE9r\xF4me");
  std::string word;
  console.ReadWord(word, kWordLength);
  EXPECT_EQ(word, "rest");
}

TEST(ConsoleNames, EndOfInputBeforeANameLeavesTheFieldAlone) {
  ConsoleCapture console("\n\n");
  std::string name = "Kept";
  EXPECT_FALSE(console.AskName(name));
  EXPECT_EQ(name, "Kept");
}

// File names are read whole up to 4,095 bytes; a longer one, or a quote
// left open, is refused but consumed, so the next answer is read cleanly.
TEST(ConsoleFileNames, LongQuotedRefusedAndCancelled) {
  const std::string longest(kFileNameLength, 'a');
  ConsoleCapture console(longest + " " + longest + "b next \"My Documents/gang.sav\"x\n" +
                         "\\cancel-this-whole-word \"open quote\nlast");
  std::string name;
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kName);
  EXPECT_EQ(name, longest);
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kRefused);
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kName);
  EXPECT_EQ(name, "next");
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kName);
  EXPECT_EQ(name, "My Documents/gang.sav");
  std::string word;
  ASSERT_TRUE(console.ReadWord(word, kWordLength));
  EXPECT_EQ(word, "x");  // what follows the closing quote is the next answer
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kBackslash);
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kRefused);  // the line ends first
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kName);
  EXPECT_EQ(name, "last");
  EXPECT_EQ(console.ReadFileName(name), FileNameRead::kEnded);
}

TEST(Sessions, EveryPromptEndsWithTheFarewellAtTheEndOfInput) {
  const std::string out = RunSession("help\nnonsense");
  const std::string farewell = "\n\nHave a Nice Day :D\n\n";
  ASSERT_GE(out.size(), farewell.size());
  EXPECT_EQ(out.substr(out.size() - farewell.size()), farewell);
}

TEST(ConsoleNames, Utf8CharactersCountOneAndTheirBytesAreNoControlCharacters) {
  // "Дракон": the second byte of "Д" is 0x94, which alone would end a name;
  // U+0085 (C2 85) is a control character and does.
  const std::string dragon = "\xD0\x94\xD1\x80\xD0\xB0\xD0\xBA\xD0\xBE\xD0\xBD";
  ConsoleCapture console(dragon + "\nAb\xC2\x85!\n");
  std::string name;
  ASSERT_TRUE(console.AskName(name));
  EXPECT_EQ(name, dragon);
  ASSERT_TRUE(console.AskName(name));
  EXPECT_EQ(name, "Ab");
  std::string word;
  console.ReadWord(word, kWordLength);
  EXPECT_EQ(word, "!");
}

}  // namespace

}  // namespace korvelin
