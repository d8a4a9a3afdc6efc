// Tab's completions: words of a table and file names, A-Z and a-z alike,
// and what several completions share.
#include "console/completion.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/files_support.h"

namespace {

using Names = std::vector<std::string>;

TEST(CompleteWords, BeginningsInAnyCaseSortedWithoutRepeats) {
  const Completion words{Completion::Kind::kWords,
                         {"speed", "strength", "stren", "power", "done", "stren", "\\"}};
  EXPECT_EQ(Complete(words, "st"), (Names{"stren", "strength"}));
  EXPECT_EQ(Complete(words, "STRENG"), (Names{"strength"}));
  EXPECT_EQ(Complete(words, "p"), (Names{"power"}));
  EXPECT_EQ(Complete(words, "x"), Names{});
  EXPECT_EQ(Complete(words, ""), (Names{"\\", "done", "power", "speed", "stren", "strength"}));
  EXPECT_EQ(Complete(Completion{}, "st"), Names{});
}

TEST(CompleteWords, SharedStartIsSpelledAsTheFirstMatch) {
  EXPECT_EQ(SharedStart({"newbeg", "newhealth", "newintel"}), "new");
  EXPECT_EQ(SharedStart({"stren", "strength"}), "stren");
  EXPECT_EQ(SharedStart({"Gang.txt", "gang.sav"}), "Gang.");
  EXPECT_EQ(SharedStart({"wc"}), "wc");
  EXPECT_EQ(SharedStart({}), "");
}

using CompleteFiles = FilesTest;

TEST_F(CompleteFiles, NamesInTheFolderTypedFoldersEndInASlash) {
  Write("gang.txt", "");
  Write("Gang-week2.txt", "");
  Write(".hidden", "");
  fs::create_directories(dir_ / "examples" / "old");
  std::ofstream(dir_ / "examples" / "gang.sav");
  const Completion files{Completion::Kind::kFileNames, {}};
  EXPECT_EQ(Complete(files, "g"), (Names{"Gang-week2.txt", "gang.txt"}));
  EXPECT_EQ(Complete(files, "GANG."), (Names{"gang.txt"}));
  EXPECT_EQ(Complete(files, "ex"), (Names{"examples/"}));
  EXPECT_EQ(Complete(files, "examples/"), (Names{"examples/gang.sav", "examples/old/"}));
  EXPECT_EQ(Complete(files, "examples/O"), (Names{"examples/old/"}));
  // Dot files only when asked for; a folder that is not there gives nothing.
  EXPECT_EQ(Complete(files, ""), (Names{"Gang-week2.txt", "examples/", "gang.txt"}));
  EXPECT_EQ(Complete(files, ".h"), (Names{".hidden"}));
  EXPECT_EQ(Complete(files, "missing/g"), Names{});
  EXPECT_EQ(Complete(files, Path("examples/g")), (Names{Path("examples/gang.sav")}));
}

TEST(CompletionScope, OffersWhileItLastsThenWhatWasOfferedBefore) {
  EXPECT_EQ(OfferedCompletion().kind, Completion::Kind::kNothing);
  {
    CompletionScope outer(Completion{Completion::Kind::kWords, {"help"}});
    {
      CompletionScope inner(Completion{Completion::Kind::kFileNames, {}});
      EXPECT_EQ(OfferedCompletion().kind, Completion::Kind::kFileNames);
    }
    EXPECT_EQ(OfferedCompletion().kind, Completion::Kind::kWords);
    EXPECT_EQ(OfferedCompletion().words, std::vector<const char*>{"help"});
  }
  EXPECT_EQ(OfferedCompletion().kind, Completion::Kind::kNothing);
}

}  // namespace
