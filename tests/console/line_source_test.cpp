// The console's line seam, with a scripted line source in the line editor's
// place: the prompt line it is handed, lines asked for only once the last is
// used up, and the words Tab would offer at each prompt.
#include <string>
#include <vector>

#include "files/files_support.h"

namespace korvelin {

namespace {

// What the source saw when asked for a line.
struct Ask {
  std::string prompt;
  Completion offered;
};

// Hands out the scripted lines and shows each prompt it is given, as the
// editor draws it: the screen must come out as with plain reads.
class ScriptedLines : public LineReader {
 public:
  ScriptedLines(const std::vector<std::string>& lines, std::vector<Ask>& asks, Console& screen)
      : lines_(lines), asks_(asks), screen_(screen) {}
  bool ReadLine(std::string& line, const std::string& prompt, const Completion& offered) override {
    asks_.push_back({prompt, offered});
    std::fputs(prompt.c_str(), screen_.Out());
    if (asks_.size() > lines_.size()) return false;
    line += lines_[asks_.size() - 1];
    return true;
  }

 private:
  const std::vector<std::string>& lines_;
  std::vector<Ask>& asks_;
  Console& screen_;
};

// Every kind of prompt once ("load gang.txt" answers two with one line):
// each line, and what its prompt offers to complete, one word it must offer
// and how many.
using K = Completion::Kind;
struct Step {
  const char* line;
  K kind;
  const char* word;
  std::size_t count;
};
// clang-format off
const Step kSteps[] = {
    {"help\n", K::kWords, "find", 13},        {"load gang.txt\n", K::kWords, "find", 13},
    {"list\n", K::kWords, "find", 13},        {"sort\n", K::kWords, "wc", 19},
    {"newspeed\n", K::kWords, "totalgain", 38}, {"decending\n", K::kWords, "accending", 7},
    {"output\n", K::kWords, "wc", 19},        {"\\\n", K::kFileNames, nullptr, 0},
    {"set\n", K::kWords, "wc", 19},           {"weights\n", K::kWords, "entries", 7},
    {"done\n", K::kWords, "health", 8},       {"set\n", K::kWords, "wc", 19},
    {"options\n", K::kWords, "entries", 7},   {"done\n", K::kWords, "wtotal", 40},
    {"trend\n", K::kWords, "trend", 19},      {"power\n", K::kWords, "wtotal", 6},
    {"history\n", K::kWords, "history", 19},  {"all\n", K::kWords, "all", 2},
    {"done\n", K::kWords, "wc", 19},          {"edit\n", K::kWords, "find", 13},
    {"1\n", K::kNothing, nullptr, 0},         {"done\n", K::kWords, "oldbeg", 19},
    {"find\n", K::kWords, "find", 13},        {"an\n", K::kNothing, nullptr, 0},
    {"quit\n", K::kWords, "find", 13},        {"y\n", K::kNothing, nullptr, 0},
    {"\\\n", K::kFileNames, nullptr, 0}};
// clang-format on

// A line typed ahead at the prompt of step `step`, and a word Tab must then
// offer for its last word: each List prompt leads where its command goes.
const struct {
  std::size_t step;
  const char* line;
  const char* offered;
} kAhead[] = {
    {0, "list sort wt", "wtotal"},
    {1, "edit 1 newsp", "newspeed"},
    {2, "quit y gang.t", "gang.txt"},
    {3, "sort wtotal de", "decending"},
    {4, "newspeed as", "asc"},
    {5, "help desc", "descending"},
    {6, "output ga", "gang.txt"},
    {8, "set options newsp", "newspeed"},
    {8, "set st", "stall"},
    {8, "repo", "report"},
    {9, "weights stren 2 hea", "health"},
    {10, "power 1.5 str", "strength"},
    {12, "options newbeg old", "oldbeg"},
    {13, "default newt", "newtotal"},
    {14, "trend wt", "wtotal"},
    {16, "history a", "all"},
    {20, "1 disp", "display"},
    {21, "level 12 na", "name"},
};

using LineSourceTest = FilesTest;

TEST_F(LineSourceTest, ThePromptGoesToTheSourceAndEachOffersItsOwnWords) {
  Write("gang.txt", "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\n");
  std::vector<std::string> lines;
  std::string typed;
  for (const Step& step : kSteps) {
    lines.push_back(step.line);
    typed += step.line;
  }
  const std::string plain = RunSession(typed);

  std::vector<Ask> asks;
  ConsoleCapture console("");
  console.UseLineReader(std::make_unique<ScriptedLines>(lines, asks, console));
  Session session;
  RunProgram(console, session);
  EXPECT_EQ(console.Printed(), plain);
  ASSERT_EQ(asks.size(), lines.size());  // QUIT ends it; no line is asked twice
  for (std::size_t i = 0; i < asks.size(); ++i) {
    EXPECT_EQ(asks[i].prompt, " >>> ") << i;
    EXPECT_EQ(asks[i].offered.kind, kSteps[i].kind) << i;
    EXPECT_EQ(asks[i].offered.words.size(), kSteps[i].count) << i;
    if (kSteps[i].word != nullptr) {
      EXPECT_EQ(Complete(asks[i].offered, kSteps[i].word).size(), 1u) << i;
    }
  }
  for (const auto& ahead : kAhead) {
    const WordAtCursor at = FollowLine(asks[ahead.step].offered, ahead.line);
    ASSERT_NE(at.offered, nullptr) << ahead.line;
    const std::vector<std::string> offered = Complete(*at.offered, at.prefix);
    EXPECT_NE(std::find(offered.begin(), offered.end(), ahead.offered), offered.end())
        << ahead.line;
  }
}

}  // namespace

}  // namespace korvelin
