// A stop request part-way through LOAD, UPDATE and SAVE: the session, and a
// file saved before, are left exactly as they were.
#include <string>

#include "files_support.h"

namespace korvelin {

namespace {

// Stops once it has been asked `looks` times, as Ctrl-C pressed part-way
// through a long command would.
class StopAfter final : public StopRequest {
 public:
  explicit StopAfter(int looks) : looks_(looks) {}
  bool Requested() override { return looks_-- <= 0; }

 private:
  int looks_;
};

// A stat table of `members` rows, IDs from `first` on.
std::string Table(int members, int first) {
  std::string table;
  for (int i = 0; i < members; ++i) {
    const std::string n = std::to_string(first + i);
    table += "Member " + n + " (" + n + ") 10 100 200 300 400\n";
  }
  return table;
}

bool EndsInterrupted(const std::string& printed) {
  const std::string end = "   [INTERRUPTED]\n";
  return printed.size() >= end.size() &&
         printed.compare(printed.size() - end.size(), end.size(), end) == 0;
}

using StopTest = FilesTest;

TEST_F(StopTest, AStopHalfwayThroughLoadUpdateOrSaveChangesNothing) {
  Write("gang-2026-11-03.txt", Table(40, 1));
  LoadFile("gang-2026-11-03.txt");
  ASSERT_EQ(roster.size(), 40u);
  SaveTo(Path("gang.sav"));
  const std::string saved = Read("gang.sav");
  const Session before = session;
  Write("gang-2026-11-10.txt", Table(40, 21));

  // Each command is stopped after half of its rows.
  const auto stopped = [this](const std::string& typed,
                              bool (*command)(Console&, Session&, Session*)) {
    ConsoleCapture console(typed + "\n");
    StopAfter half(20);
    console.StopWith(&half);
    command(console, session, nullptr);
    EXPECT_TRUE(EndsInterrupted(console.Printed())) << typed;
  };
  stopped("gang-2026-11-10.txt", Load);
  stopped("gang-2026-11-10.txt", Update);
  stopped("gang.sav", Load);
  EXPECT_TRUE(session.roster == before.roster);
  EXPECT_TRUE(session.season == before.season);
  EXPECT_TRUE(session.list == before.list);
  EXPECT_TRUE(session.columns == before.columns);

  ConsoleCapture console("gang.sav\n");
  StopAfter half(20);
  console.StopWith(&half);
  Save(console, session);
  EXPECT_TRUE(EndsInterrupted(console.Printed()));
  EXPECT_EQ(Read("gang.sav"), saved);
  EXPECT_EQ(Listing(),
            (std::vector<std::string>{"gang-2026-11-03.txt", "gang-2026-11-10.txt", "gang.sav"}));
}

}  // namespace

}  // namespace korvelin
