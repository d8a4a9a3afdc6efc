// The safe replacement of a file: the bytes arrive whole, and only the
// leftovers of ended saves of the same file are removed.
#include "files/atomic_file.h"

#include <sys/wait.h>
#include <unistd.h>

#include "files_support.h"

namespace korvelin {

namespace {

using AtomicFileTest = FilesTest;

TEST(LeftoverWriterTest, OnlyTheNamesOfTemporaryFilesOfTheTargetCount) {
  EXPECT_EQ(LeftoverWriter(".game.sav.saving-31513-0", "game.sav"), 31513u);
  EXPECT_EQ(LeftoverWriter(".game.sav.saving-7-42", "game.sav"), 7u);
  EXPECT_EQ(LeftoverWriter(".game.sav.saving-7-0", "dir/game.sav"), 7u);
  // A target whose own name looks like a temporary file.
  EXPECT_EQ(LeftoverWriter(".a.saving-5-0.saving-7-0", "a.saving-5-0"), 7u);
  EXPECT_EQ(LeftoverWriter(".a.saving-5-0.saving-7-0", "a"), 0u);
  for (const char* other :
       {"game.sav.saving-7-0", ".game.sav.saving-7-0~", ".game.sav.saving-7", ".game.sav.saving-7-",
        ".game.sav.saving--0", ".game.sav.saving-0-0", ".game.sav.saving-07-0",
        ".game.sav.saving-7-00", ".game.sav.saving-x-0", ".game.sav.saving-99999999999999999999-0",
        ".other.sav.saving-7-0", ".sav.saving-7-0", ".game.sav.saving-7-0.saving-8-0"}) {
    EXPECT_EQ(LeftoverWriter(other, "game.sav"), 0u) << other;
  }
}

TEST_F(AtomicFileTest, TheBytesArriveWholeAndInOrder) {
  Write("game.sav", "old");
  std::string expected;
  AtomicFile file;
  ASSERT_TRUE(file.Open("game.sav").ok());
  for (int piece = 0; piece < 3000; ++piece) {  // several blocks, in pieces of every size
    const std::string bytes(static_cast<std::size_t>(piece % 211),
                            static_cast<char>('a' + piece % 26));
    file.Write(bytes);
    expected += bytes;
  }
  EXPECT_EQ(Read("game.sav"), "old");  // nothing in place before the commit
  ASSERT_TRUE(file.Commit().ok());
  EXPECT_EQ(Read("game.sav"), expected);
  EXPECT_EQ(Read("game.sav.bak"), "old");
  EXPECT_EQ(Listing(), (std::vector<std::string>{"game.sav", "game.sav.bak"}));
}

// A backup that cannot take its name (a folder has it) fails the save
// before the file is replaced; the temporary files go.
TEST_F(AtomicFileTest, ABackupThatCannotBeMadeFailsTheSave) {
  Write("game.sav", "old");
  fs::create_directories("game.sav.bak/inside");
  AtomicFile file;
  ASSERT_TRUE(file.Open("game.sav").ok());
  file.Write("new");
  EXPECT_FALSE(file.Commit().ok());
  EXPECT_EQ(Read("game.sav"), "old");
  EXPECT_EQ(Listing(), (std::vector<std::string>{"game.sav", "game.sav.bak"}));
}

// Each save over a file keeps the one it replaced as NAME.bak and moves the
// older backups down to NAME.bak5, dropping the oldest; a backup that is a
// folder stops the rotation before anything moves, and the save fails.
TEST_F(AtomicFileTest, FiveBackupsRotateAndARotationThatCannotRunMovesNothing) {
  auto save = [](char version) {
    AtomicFile file;
    if (!file.Open("game.sav").ok()) return false;
    file.Write(std::string(1, version));
    return file.Commit().ok();
  };
  for (char version = '1'; version <= '7'; ++version) ASSERT_TRUE(save(version));
  auto held = [this] {
    std::string versions;
    for (const char* backup : {"", ".bak", ".bak2", ".bak3", ".bak4", ".bak5"}) {
      const std::string name = std::string("game.sav") + backup;
      versions += fs::is_directory(name) ? "/" : Read(name);
    }
    return versions;
  };
  EXPECT_EQ(held(), "765432");
  EXPECT_EQ(Listing().size(), 6u);
  fs::remove("game.sav.bak3");
  fs::create_directory("game.sav.bak3");
  EXPECT_FALSE(save('8'));
  EXPECT_EQ(held(), "765/32");
  EXPECT_EQ(Listing().size(), 6u);
}

// Leftovers of ended saves of the target go, from the target's folder only;
// those of running processes (this test, and process 1, which may be
// another user's) and of other targets stay, and so does a link.
TEST_F(AtomicFileTest, OnlyTheLeftoversOfEndedSavesOfTheTargetAreRemoved) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  waitpid(child, nullptr, 0);
  const std::string ended = std::to_string(child);
  const std::string running = std::to_string(getpid());
  fs::create_directory("sub");
  const std::vector<std::string> removed = {".game.sav.saving-" + ended + "-0",
                                            ".game.sav.saving-" + ended + "-1"};
  const std::vector<std::string> kept = {".game.sav.saving-" + running + "-0",
                                         ".game.sav.saving-1-0",
                                         ".other.sav.saving-" + ended + "-0"};
  for (const std::string& name : removed) Write("sub/" + name, "cut short");
  for (const std::string& name : kept) Write("sub/" + name, "kept");
  Write(".game.sav.saving-" + ended + "-0", "another folder");
  fs::create_symlink("../outside", "sub/.game.sav.saving-" + ended + "-3");
  Write("outside", "outside");

  AtomicFile file;
  ASSERT_TRUE(file.Open("sub/game.sav").ok());
  file.Write("new");
  ASSERT_TRUE(file.Commit().ok());

  for (const std::string& name : removed) EXPECT_FALSE(fs::exists("sub/" + name)) << name;
  for (const std::string& name : kept) EXPECT_EQ(Read("sub/" + name), "kept") << name;
  EXPECT_EQ(Read(".game.sav.saving-" + ended + "-0"), "another folder");
  EXPECT_TRUE(fs::is_symlink("sub/.game.sav.saving-" + ended + "-3"));
  EXPECT_EQ(Read("outside"), "outside");
  EXPECT_EQ(Read("sub/game.sav"), "new");
}

}  // namespace

}  // namespace korvelin
