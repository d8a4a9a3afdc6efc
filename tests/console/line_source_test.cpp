// The console's line seam, with a scripted line source in the line editor's
// place: the prompt line it is handed, lines asked for only once the last is
// used up, and the words Tab would offer at each prompt.
#include <string>
#include <vector>

#include "files/files_support.h"

namespace {

// What the source saw when asked for a line.
struct Ask {
  std::string prompt;
  Completion offered;
};

// Hands out the scripted lines and shows each prompt it is given, as the
// editor draws it: the screen must come out as with plain reads.
class ScriptedLines : public LineSource {
 public:
  ScriptedLines(const std::vector<std::string>& lines, std::vector<Ask>& asks)
      : lines_(lines), asks_(asks) {}
  bool ReadLine(std::string& line) override {
    asks_.push_back({TakePrompt(), OfferedCompletion()});
    std::fputs(asks_.back().prompt.c_str(), ConsoleOut());
    if (asks_.size() > lines_.size()) return false;
    line += lines_[asks_.size() - 1];
    return true;
  }

 private:
  const std::vector<std::string>& lines_;
  std::vector<Ask>& asks_;
};

// Every kind of prompt once; "load gang.txt" answers two with one line.
const std::vector<std::string> kLines = {"help\n",     "load gang.txt\n",
                                         "list\n",     "sort\n",
                                         "newspeed\n", "decending\n",
                                         "output\n",   "\\\n",
                                         "set\n",      "weights\n",
                                         "done\n",     "set\n",
                                         "options\n",  "done\n",
                                         "done\n",     "edit\n",
                                         "1\n",        "done\n",
                                         "find\n",     "an\n",
                                         "quit\n",     "y\n",
                                         "\\\n"};

// For each line: what the prompt offers, one word it must offer, and how many.
struct Offer {
  Completion::Kind kind;
  const char* word;
  std::size_t count;
};
using K = Completion::Kind;
const Offer kMain{K::kWords, "find", 12}, kList{K::kWords, "wc", 13}, kSet{K::kWords, "entries", 5},
    kFiles{K::kFileNames, nullptr, 0}, kNothing{K::kNothing, nullptr, 0};
const std::vector<Offer> kOffers = {kMain,
                                    kMain,
                                    kMain,
                                    kList,
                                    {K::kWords, "totalgain", 38},
                                    {K::kWords, "accending", 3},
                                    kList,
                                    kFiles,
                                    kList,
                                    kSet,
                                    {K::kWords, "health", 8},
                                    kList,
                                    kSet,
                                    {K::kWords, "wtotal", 40},
                                    kList,
                                    kMain,
                                    kNothing,
                                    {K::kWords, "oldbeg", 19},
                                    kMain,
                                    kNothing,
                                    kMain,
                                    kNothing,
                                    kFiles};

using LineSourceTest = FilesTest;

TEST_F(LineSourceTest, ThePromptGoesToTheSourceAndEachOffersItsOwnWords) {
  Write("gang.txt", "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\n");
  std::string typed;
  for (const std::string& line : kLines) typed += line;
  const std::string plain = RunSession(typed);

  std::vector<Ask> asks;
  ConsoleCapture console("");
  AttachLineSource(std::make_unique<ScriptedLines>(kLines, asks));
  RunProgram();
  EXPECT_EQ(console.Printed(), plain);
  ASSERT_EQ(asks.size(), kLines.size());  // QUIT ends it; no line is asked twice
  for (std::size_t i = 0; i < asks.size(); ++i) {
    EXPECT_EQ(asks[i].prompt, " >>> ") << i;
    const std::vector<const char*>& words = asks[i].offered.words;
    EXPECT_EQ(asks[i].offered.kind, kOffers[i].kind) << i;
    EXPECT_EQ(words.size(), kOffers[i].count) << i;
    if (kOffers[i].word != nullptr) {
      EXPECT_EQ(Complete(asks[i].offered, kOffers[i].word).size(), 1u) << i;
    }
  }
}

}  // namespace
