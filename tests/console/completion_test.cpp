// Tab's completions of file names, what several completions share, and the
// prompt a line typed ahead leads the word under the cursor to.
#include "console/completion.h"

#include <string>
#include <vector>

#include "files/files_support.h"

namespace korvelin {

namespace {

using Names = std::vector<std::string>;
using CompleteFiles = FilesTest;

TEST_F(CompleteFiles, NamesInTheFolderTypedInAnyCaseFoldersEndInASlash) {
  Write("gang.txt", "");
  Write("Gang-week2.txt", "");
  Write(".hidden", "");
  fs::create_directories(dir_ / "examples" / "old");
  Write("examples/gang.sav", "");
  const Completion files{Completion::Kind::kFileNames, {}};
  EXPECT_EQ(Complete(files, "GANG"), (Names{"Gang-week2.txt", "gang.txt"}));
  EXPECT_EQ(Complete(files, "examples/"), (Names{"examples/gang.sav", "examples/old/"}));
  EXPECT_EQ(Complete(files, "ex"), (Names{"examples/"}));
  EXPECT_EQ(Complete(files, Path("examples/O")), (Names{Path("examples/old/")}));
  // Dot files only when asked for; a folder that is not there gives nothing.
  EXPECT_EQ(Complete(files, ""), (Names{"Gang-week2.txt", "examples/", "gang.txt"}));
  EXPECT_EQ(Complete(files, ".h"), (Names{".hidden"}));
  EXPECT_EQ(Complete(files, "missing/g"), Names{});
}

TEST(CompleteWords, SeveralShareTheirStartAsTheFirstSpellsIt) {
  EXPECT_EQ(Complete({Completion::Kind::kWords, {"stren", "strength", "speed", "stren"}}, "ST"),
            (Names{"stren", "strength"}));
  EXPECT_EQ(SharedStart({"newbeg", "newhealth"}), "new");
  EXPECT_EQ(SharedStart({"Gang.txt", "gang.sav"}), "Gang.");
}

// A small protocol: "size" reads a number and asks again, "load" a file.
const Completion& Keys() {
  static const Completion keys{Completion::Kind::kWords,
                               {{"size", AnyWordThen<Keys>}, {"load", FileNames}, "quit"},
                               nullptr};
  return keys;
}

// Where the word under the cursor starts, what is typed of it, and the kind
// of prompt it answers (kNothing for none).
struct At {
  std::size_t start;
  std::string prefix;
  Completion::Kind kind;
  bool quoted;
  bool operator==(const At& a) const {
    return start == a.start && prefix == a.prefix && kind == a.kind && quoted == a.quoted;
  }
};
At Follow(const std::string& line) {
  const WordAtCursor at = FollowLine(Keys(), line);
  if (at.offered == nullptr) return {at.start, at.prefix, Completion::Kind::kNothing, false};
  return {at.start, at.prefix, at.offered->kind, at.quoted};
}

TEST(CompleteWords, ALineLeadsTheWordUnderTheCursorToItsPrompt) {
  using K = Completion::Kind;
  // The line "size 12 LOAD my file" with the cursor at each word.
  EXPECT_EQ(Follow(""), (At{0, "", K::kWords, false}));
  EXPECT_EQ(Follow("si"), (At{0, "si", K::kWords, false}));
  EXPECT_EQ(Follow("size "), (At{5, "", K::kNothing, false}));  // a number offers nothing
  EXPECT_EQ(Follow("size 12 LO"), (At{8, "LO", K::kWords, false}));
  EXPECT_EQ(Follow("size 12 LOAD \tmy"), (At{14, "my", K::kFileNames, false}));
  // A quoted name runs to its closing quote, spaces and all; closed at the
  // cursor it is still the word there.
  EXPECT_EQ(Follow("load \"my fi"), (At{5, "my fi", K::kFileNames, true}));
  EXPECT_EQ(Follow("load \"my file\""), (At{5, "my file", K::kFileNames, true}));
  // After a file name, a word no prompt takes, or QUIT: nothing.
  EXPECT_EQ(Follow("load \"my file\" s").kind, K::kNothing);
  EXPECT_EQ(Follow("sizes 1 ").kind, K::kNothing);
  EXPECT_EQ(Follow("quit s").kind, K::kNothing);
  // A quote means nothing at a prompt of words.
  EXPECT_EQ(Follow("\"lo"), (At{0, "\"lo", K::kWords, false}));
}

}  // namespace

}  // namespace korvelin
