// The console's line seam, with a scripted line source in the line editor's
// place: the prompt line it is handed, lines asked for only once the last is
// used up, and the words Tab would offer at each prompt.
#include <set>
#include <string>
#include <vector>

#include "files/files_support.h"
#include "roster/options.h"

namespace {

// What the source saw when it was asked for a line.
struct Ask {
  std::string prompt;
  Completion::Kind kind;
  std::set<std::string> words;
};

// Hands out the scripted lines; shows each prompt it is given on the console,
// as the editor draws it, so the screen must come out as with plain reads.
class ScriptedLines : public LineSource {
 public:
  ScriptedLines(std::vector<std::string> lines, std::vector<Ask>& asks)
      : lines_(std::move(lines)), asks_(asks) {}
  bool ReadLine(std::string& line) override {
    const Completion& offered = OfferedCompletion();
    asks_.push_back({TakePrompt(), offered.kind, {offered.words.begin(), offered.words.end()}});
    std::fputs(asks_.back().prompt.c_str(), ConsoleOut());
    if (next_ == lines_.size()) return false;
    line += lines_[next_++];
    return true;
  }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::vector<Ask>& asks_;
};

// One visit to every kind of prompt: main, file, List, sort option and
// direction, SET, weights, options, value, EDIT, FIND, QUIT.  "load gang.txt"
// answers two prompts with one line.
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

class LineSourceTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    Write("gang.txt", "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\n");
  }

  // Runs the session over the scripted source; returns what was printed.
  std::string RunScripted(std::vector<Ask>& asks) {
    ConsoleCapture console("");
    AttachLineSource(std::make_unique<ScriptedLines>(kLines, asks));
    RunProgram();
    return console.Printed();
  }
};

std::set<std::string> Words(std::initializer_list<const char*> words) {
  return {words.begin(), words.end()};
}

TEST_F(LineSourceTest, TheSourceShowsThePromptAndTheScreenIsAsWithPlainReads) {
  std::string typed;
  for (const std::string& line : kLines) typed += line;
  const std::string plain = RunSession(typed);
  std::vector<Ask> asks;
  EXPECT_EQ(RunScripted(asks), plain);
  // A line is asked for each scripted line (QUIT ends the session); every
  // prompt line handed over is the prompt's " >>> ".
  ASSERT_EQ(asks.size(), kLines.size());
  for (const Ask& ask : asks) EXPECT_EQ(ask.prompt, " >>> ");
}

TEST_F(LineSourceTest, EachPromptOffersTheWordsOfItsOwnTable) {
  std::vector<Ask> asks;
  RunScripted(asks);
  const std::set<std::string> main = Words({"help", "list", "about", "edit", "delete", "add",
                                            "load", "save", "snap", "update", "quit", "find"});
  std::set<std::string> sort = Words({"help", "back", "done"});
  std::set<std::string> options = Words({"help", "display", "default", "done", "back"});
  for (const char* keyword : OptionKeywords()) {
    sort.insert(keyword);
    options.insert(keyword);
  }
  ASSERT_EQ(sort.size(), 38u);
  const std::set<std::string> list =
      Words({"help", "list", "default", "percent", "wc", "speed", "power", "strength", "sort",
             "output", "set", "back", "done"});
  const std::set<std::string> set = Words({"entries", "weights", "options", "help", "\\"});
  const std::set<std::string> weights =
      Words({"help", "speed", "strength", "stren", "power", "health", "done", "back"});
  const std::set<std::string> direction = Words({"help", "accending", "decending"});
  const std::set<std::string> edit =
      Words({"help", "display", "name", "id", "oldintel", "oldpower", "oldstren", "oldspeed",
             "newintel", "oldhealth", "newhealth", "newpower", "newstren", "newspeed", "level",
             "oldbeg", "newbeg", "done", "back"});
  const std::set<std::string> none;
  using K = Completion::Kind;
  // The prompt each line answers, in order (the second half of a line that
  // answers two prompts is never asked for).
  const std::vector<std::pair<K, std::set<std::string>>> expected = {
      {K::kWords, main},   {K::kWords, main},      {K::kWords, main},    {K::kWords, list},
      {K::kWords, sort},   {K::kWords, direction}, {K::kWords, list},    {K::kFileNames, none},
      {K::kWords, list},   {K::kWords, set},       {K::kWords, weights}, {K::kWords, list},
      {K::kWords, set},    {K::kWords, options},   {K::kWords, list},    {K::kWords, main},
      {K::kNothing, none}, {K::kWords, edit},      {K::kWords, main},    {K::kNothing, none},
      {K::kWords, main},   {K::kNothing, none},    {K::kFileNames, none}};
  ASSERT_EQ(asks.size(), expected.size());
  for (std::size_t i = 0; i < asks.size(); ++i) {
    EXPECT_EQ(asks[i].kind, expected[i].first) << "line " << i;
    EXPECT_EQ(asks[i].words, expected[i].second) << "line " << i;
  }
}

}  // namespace
