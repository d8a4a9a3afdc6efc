// UNDO over typed sessions: every kind of command one step, taken back
// newest first; commands that change nothing are no step; what is unsaved;
// at most twenty steps, within their budget of bytes.
#include "shell/undo.h"

#include "files/files_support.h"

namespace korvelin {

namespace {

using UndoTest = FilesTest;

// Runs `typed` from the start on `session`; returns what UNDO said, in order.
std::string Typed(Session& session, const std::string& typed) {
  ConsoleCapture console(typed);
  RunProgram(console, session);
  std::string said;
  const std::string printed = console.Printed();
  for (std::size_t at = 0; (at = printed.find("[UNDONE: ", at)) != std::string::npos; ++at) {
    said += printed.substr(at + 9, printed.find(']', at) - at - 9) + " ";
  }
  return said;
}

TEST_F(UndoTest, EachKindOfCommandIsOneStepAndNothingElseIs) {
  Write("gang.txt", "Ann(1) 10 100 200 300 400\n");
  Write("week2.txt", "Ann(1) 11 150 250 350 450\n");
  const std::string loaded = "load gang.txt\nedit 1 newbeg 5 done\n";
  Session expected;
  Typed(expected, loaded);
  // A LOAD over the edited roster; later, a List visit that only shows a
  // table, FIND, a cancelled EDIT and a refused ADD change nothing.
  const std::string typed = loaded +
                            "load gang.txt\nupdate week2.txt\nsnap\nadd 2\nBo\n1 2 3 4 5 6 7 y\n"
                            "delete 1 y\nedit 2 level 9 done\n"
                            "list set weights speed 3 done set options wtotal done done\n"
                            "list wc done\nfind a\nedit 0\nadd 2\n" +
                            "undo\nundo\nundo\nundo\nundo\nundo\nundo\n";
  EXPECT_EQ(Typed(session, typed), "LIST EDIT DELETE ADD SNAP UPDATE LOAD ");
  EXPECT_EQ(session.roster, expected.roster);
  EXPECT_EQ(session.list, expected.list);
  EXPECT_EQ(session.columns, expected.columns);
  EXPECT_EQ(session.season, expected.season);  // UPDATE's snapshot went with it
  EXPECT_TRUE(session.saved.unsaved);          // the EDIT after the LOAD is still there
}

// Unsaved: after a change, not after UNDO back to the LOAD, again after
// UNDO past a SAVE (whose file holds the change taken back).
TEST_F(UndoTest, UnsavedChangesFollowUndoAndSave) {
  Write("gang.txt", "Ann(1) 10 100 200 300 400\n");
  const std::string changed = "load gang.txt\nedit 1 level 2 done\n";
  for (const auto& [typed, unsaved] : {std::pair{changed, true},
                                       {changed + "undo\n", false},
                                       {"load gang.txt\nlist set stall 2 500 done\n", true},
                                       {changed + "save a.sav\n", false},
                                       {changed + "save a.sav\nundo\n", true}}) {
    Session typed_session;
    Typed(typed_session, typed);
    EXPECT_EQ(HasUnsavedChanges(typed_session), unsaved) << typed;
  }
}

TEST(UndoStepsTest, TwentyStepsAtMostWithinTheirBytes) {
  Session session;
  session.roster.Append(Member{}, "Ann");
  UndoSteps steps;
  const char* const kWords[] = {"FIRST", "SECOND", "THIRD"};
  for (int i = 0; i < 21; ++i) steps.Push({kWords[i % 3], SessionCopy(session, true), {}});
  EXPECT_EQ(steps.size(), 20u);  // the first one went
  for (int i = 20; i > 0; --i) EXPECT_STREQ(UndoLastStep(steps, session), kWords[i % 3]);
  EXPECT_EQ(UndoLastStep(steps, session), nullptr);

  // Room for two copies of the roster: the oldest goes for a third; a
  // roster larger than the whole budget is no step at all.
  const std::size_t copy = SessionCopy::BytesOf(session, true);
  UndoSteps small(2 * copy + copy / 2);
  for (const char* word : kWords) small.Push({word, SessionCopy(session, true), {}});
  EXPECT_EQ(small.size(), 2u);
  EXPECT_STREQ(UndoLastStep(small, session), "THIRD");
  session.roster.Append(Member{}, std::string(3 * copy, 'x').substr(0, kNameBytes));
  for (int i = 0; i < 40; ++i) session.roster.Append(Member{}, "Bob");
  EXPECT_FALSE(small.MakeRoom(SessionCopy::BytesOf(session, true)));
  EXPECT_EQ(small.size(), 1u);
}

// A command on the members alone keeps a step the size of the roster,
// however long the season is: it fits a budget the season alone exceeds.
TEST(UndoStepsTest, AStepOnTheMembersLeavesTheHistoryOut) {
  Session session;
  session.roster.Append(Member{}, "Ann");
  UndoSteps steps(4 * SessionCopy::BytesOf(session, true));
  PointBatch points;
  for (int day = 0; day < 1000; ++day) points.Add({0.0, day, 1, 1, 1, 1, 1, 1, 1, 0}, "Ann");
  session.season.Add(std::move(points));
  const Season season = session.season;
  RunAsStep(steps, session, "ADD", true, [&session] { session.roster.Append(Member{}, "Bo"); });
  EXPECT_STREQ(UndoLastStep(steps, session), "ADD");
  EXPECT_EQ(session.roster.size(), 1u);
  EXPECT_EQ(session.season, season);
}

}  // namespace

}  // namespace korvelin
