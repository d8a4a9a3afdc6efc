// Tab's completions of file names, and what several completions share.
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

}  // namespace

}  // namespace korvelin
