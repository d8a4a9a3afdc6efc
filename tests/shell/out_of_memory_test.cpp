// Running out of memory part-way through LOAD, UPDATE or a listing: the
// command is abandoned with the message, the prompt it was typed at comes
// back and the session is as it was; a table cut short still ends whole.
// Every allocation of this test program can be made to fail, one at a time.
#include <cstdlib>
#include <new>

#include "files/files_support.h"
#include "list/export_readers.h"
#include "list/table_writer.h"

namespace {

std::size_t fail_in = 0;  // allocations until the one that fails; 0: none fails

void* Allocate(std::size_t size) {
  if (fail_in != 0 && --fail_in == 0) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& n) noexcept {
  return operator new(size, n);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace korvelin {

namespace {

const std::string kMessage = "   [NOT ENOUGH MEMORY.  COMMAND ABORTED]\n";

class OutOfMemoryTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    setenv("XDG_STATE_HOME", Path("state").c_str(), 1);  // where work would be kept
    Write("gang-2026-11-03.txt", "Ann (1) 10 100 200 300 400\nBob (2) 20 110 210 310 410\n");
    Write("gang-2026-11-10.txt", "Ann (1) 11 150 250 350 450\nCid (3) 5 1 2 3 4\n");
    LoadFile("gang-2026-11-03.txt");
  }
  void TearDown() override {
    unsetenv("XDG_STATE_HOME");
    FilesTest::TearDown();
  }

  // Runs the program on `typed` (which changes the session only in its
  // last command), on the session's copy, with the allocation `n` (from
  // the start, 1 the first) failing; false when there were not that many.
  // Each time the message was printed and the program went on (returning
  // 0), the prompt `next` follows it and the session is unchanged.
  bool ExpectUnchangedFailing(const std::string& typed, std::size_t n, const std::string& next) {
    Session copy = session;
    ConsoleCapture console(typed);
    fail_in = n;
    const int status = RunProgram(console, copy);
    const bool failed = fail_in == 0;
    fail_in = 0;
    const std::string printed = console.Printed();
    const std::size_t at = printed.find(kMessage);
    if (status != 0) {
      // Out of memory outside any command: the program ends there.
      EXPECT_EQ(printed.substr(printed.size() - kMessage.size()), kMessage) << n;
    } else if (at != std::string::npos) {
      ++abandoned_;
      EXPECT_EQ(printed.compare(at + kMessage.size(), next.size(), next), 0) << n;
      EXPECT_TRUE(copy.roster == session.roster && copy.season == session.season) << n;
      EXPECT_TRUE(copy.list == session.list && copy.columns == session.columns) << n;
      EXPECT_EQ(copy.saved.unsaved, session.saved.unsaved) << n;
    }
    return failed;
  }

  // Each allocation fails in turn until the whole session runs without one.
  void ExpectAbandonedCleanly(const std::string& typed, const std::string& next) {
    abandoned_ = 0;
    for (std::size_t n = 1; ExpectUnchangedFailing(typed, n, next); ++n) {
    }
    EXPECT_GT(abandoned_, 20) << typed;
  }

  int abandoned_ = 0;
};

const std::string kMainPrompt = "\n   [KORVELIN-MAIN]\n >>> ";

TEST_F(OutOfMemoryTest, LoadAndUpdateAbandonedLeaveTheSessionAsItWas) {
  UpdateFrom("gang-2026-11-10.txt");
  SaveTo(Path("gang.sav"));
  LoadFile("gang-2026-11-03.txt");
  ExpectAbandonedCleanly("load gang-2026-11-10.txt\n", kMainPrompt);
  ExpectAbandonedCleanly("load gang.sav\n", kMainPrompt);
  ExpectAbandonedCleanly("update gang-2026-11-10.txt\n", kMainPrompt);
}

// A listing abandoned goes back to the prompt its command was typed at
// (the List prompt, TREND's, HISTORY's, SORT's, or the main prompt when
// the List protocol's start was abandoned).
TEST_F(OutOfMemoryTest, AListingAbandonedLeavesTheSessionAsItWas) {
  UpdateFrom("gang-2026-11-10.txt");
  ExpectAbandonedCleanly("list\nwc\ntrend total\nhistory 0\ndone\n", "\n   [");
  ExpectAbandonedCleanly("list\nsort id desc\ndone\n", "\n   [");
}

// However many of its rows were written, a table that ran out of memory
// ends whole, and the file's document with it.
TEST_F(OutOfMemoryTest, ATableCutShortEndsWhole) {
  const MemberOrder order = Sorter().Sort(
      roster, session.list.weights, OptionByNumber(OptionNumber("id")), SortDirection::kAscending);
  const std::unique_ptr<Table> table =
      OptionTable({"wc", roster, session.list.weights, kWCColumns, &order, 9});
  NeverStop never;
  for (std::size_t n = 1; n < 40; ++n) {
    std::FILE* file = std::tmpfile();
    {
      const std::unique_ptr<TableWriter> writer = MakeJsonTables(file);
      fail_in = n;
      try {
        WriteTable(*writer, *table, never);
      } catch (const std::bad_alloc&) {
      }
      fail_in = 0;
      writer->EndFile();
    }
    export_readers::Json document;
    std::size_t end = 0;
    EXPECT_TRUE(export_readers::ReadJson(Contents(file), end, document)) << n;
    std::fclose(file);
  }
}

}  // namespace

}  // namespace korvelin
