// STALLED and CHANGES over the README's four weeks (examples/) and a fifth,
// and REPORT cut into chat messages for a gang of 60, worked out by hand.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "files/files_support.h"
#include "text/dates.h"
#include "text/width.h"

namespace korvelin {

namespace {

// A STALLED row and a CHANGES row as the fixed table lays them out.
std::string Stall(const char* name, int id, int level, const char* rise, const char* weeks,
                  int gain, const char* per_week) {
  char row[200];
  std::snprintf(row, sizeof row, "|%-29s : %6d : %5d : %-10s : %5s : %8d : %8s :|\n", name, id,
                level, rise, weeks, gain, per_week);
  return row;
}
std::string Change(const char* date, const char* change, int id, const char* name,
                   const char* was = "", const char* now = "") {
  char row[300];
  std::snprintf(row, sizeof row, "| %s : %-8s : %6d : %-29s : %-29s : %-29s :|\n", date, change, id,
                name, was, now);
  return row;
}

const std::string kStalledHead =
    "| NAME:                        :   ID # : Level : Last Rise  : Weeks :     Gain : Per Week "
    ":|\n|" +
    std::string(91, '*') + "|\n";
const std::string kListPrompt = "\n   [KORVELIN-LIST]\n >>> ";

class SeasonAnswersTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    const fs::path examples = std::getenv("KORVELIN_EXAMPLES");
    for (const char* day : {"03", "10", "17", "24"}) {
      const std::string name = std::string("gang-2026-11-") + day + ".txt";
      fs::copy_file(examples / name, dir_ / name);
      session.season.empty() ? LoadFile(name) : UpdateFrom(name);
    }
  }
  // 2026-12-01, the stats of 2026-11-24 but: Skint Sid has left, Ivy
  // Slagheap is Ivy Ironheap, Rivet is at level 62, Gritty Nell is back at
  // 38 (from 37 on 2026-11-10) and Rook Ashgrave joins.
  void FifthWeek() {
    std::string week = Read("gang-2026-11-24.txt");
    const std::size_t sid = week.find("Skint Sid");
    week.erase(sid, week.find('\n', sid) + 1 - sid);
    week.replace(week.find("Slagheap"), 8, "Ironheap");
    week.replace(week.find("(677814) 61"), 11, "(677814) 62");
    Write("gang-2026-12-01.txt", week + "Gritty Nell (961168) 38 8300 8200 7700 14000\n" +
                                     "Rook Ashgrave (808808) 8 1500 1600 1400 1800\n");
    UpdateFrom("gang-2026-12-01.txt");
  }
  // What the List protocol prints for `typed`.
  std::string Listed(const std::string& typed) {
    ConsoleCapture console(typed + " done\n");
    List(console, session);
    return console.Printed();
  }
};

// Over three weeks everyone rose (Marla by 255); over the last two, by at
// most 500 a week: Marla none since 2026-11-10, the others rose in the last
// week, by half their two weeks' gain a week.  In the fifth week, which
// repeats the fourth's stats, the span is the three weeks from 2026-11-10,
// over which only Marla is flat, and Sprocket Sal's the week since she
// joined: both 0.0 a week, Marla's 3.0 weeks first.
TEST_F(SeasonAnswersTest, StalledTakesTheLastWeeksUpToTheBarLeastRisenFirst) {
  EXPECT_NE(Listed("stalled").find("   [NOBODY STALLED: EVERY MEMBER ROSE BY MORE THAN 0 A WEEK "
                                   "OVER 3 WEEKS]\n" +
                                   kListPrompt),
            std::string::npos);
  session.list.stall = {2, 500};
  const std::string first = Stall("Marla Quickfingers", 782554, 29, "2026-11-10", "2.0", 0, "0.0") +
                            Stall("Fennick Grubb", 711097, 12, "2026-11-24", "0.0", 154, "77.0") +
                            Stall("Dolly Gearbox", 227529, 21, "2026-11-24", "0.0", 483, "241.5");
  const std::string rest = Stall("Ivy Slagheap", 198702, 17, "2026-11-24", "0.0", 528, "264.0") +
                           Stall("Tobias Wrench", 352353, 17, "2026-11-24", "0.0", 566, "283.0") +
                           Stall("Old Tom Ricket", 150631, 13, "2026-11-24", "0.0", 785, "392.5") +
                           Stall("Junkyard Jax", 632084, 30, "2026-11-24", "0.0", 823, "411.5") +
                           Stall("Lady Scrapwell", 160816, 13, "2026-11-24", "0.0", 929, "464.5");
  EXPECT_NE(Listed("stalled").find(kStalledHead + first + rest + "\n" + kListPrompt),
            std::string::npos);
  EXPECT_NE(Listed("set entries 3 stalled").find(kStalledHead + first + "\n" + kListPrompt),
            std::string::npos);
  FifthWeek();
  session.list.stall = StallBar();
  EXPECT_NE(
      Listed("stalled").find(
          kStalledHead + Stall("Marla Quickfingers", 782554, 29, "2026-11-10", "3.0", 0, "0.0") +
          Stall("Sprocket Sal", 404404, 9, "", "1.0", 0, "0.0") + "\n" + kListPrompt),
      std::string::npos);
}

// Hand-counted LEVEL rows: 13 at 2026-11-10, 10 at -17, 12 at -24 and 2 at
// 2026-12-01; with the 10 other changes, 47 rows.
TEST_F(SeasonAnswersTest, ChangesNameEachJoinLeaveReturnRenameAndLevelNewestFirst) {
  FifthWeek();
  const std::string shown = Listed("changes");
  const char* const d5 = "2026-12-01";
  const std::string newest =
      "| Date       : Change   :   ID # : NAME:                         : Was                "
      "           : Now                           :|\n|" +
      std::string(129, '*') + "|\n" + Change(d5, "JOINED", 808808, "Rook Ashgrave") +
      Change(d5, "LEFT", 161981, "Skint Sid") + Change(d5, "RETURNED", 961168, "Gritty Nell") +
      Change(d5, "RENAMED", 198702, "Ivy Ironheap", "Ivy Slagheap", "Ivy Ironheap") +
      Change(d5, "LEVEL", 677814, "Rivet", "61", "62") +
      Change(d5, "LEVEL", 961168, "Gritty Nell", "37", "38") +
      Change("2026-11-24", "JOINED", 404404, "Sprocket Sal");
  EXPECT_NE(shown.find(newest), std::string::npos) << shown;
  const char* const d2 = "2026-11-10";
  EXPECT_NE(shown.find(
                Change(d2, "JOINED", 227529, "Dolly Gearbox") +
                Change(d2, "JOINED", 536875, "Newt Fizzlewick") +
                Change(d2, "LEFT", 139317, "Hammerhand Hal") +
                Change(d2, "RENAMED", 175954, "Spanner the Great", "Spanner", "Spanner the Great") +
                Change(d2, "LEVEL", 150631, "Old Tom Ricket", "10", "12")),
            std::string::npos);
  EXPECT_NE(shown.find(Change("2026-11-17", "LEFT", 961168, "Gritty Nell") +
                       "| 2026-11-17 : LEVEL    : 173248 :"),
            std::string::npos);
  std::size_t rows = 0;
  for (std::size_t at = 0; (at = shown.find("\n| 20", at + 1)) != std::string::npos;) ++rows;
  EXPECT_EQ(rows, 47u);
  // Back, Nell is picked again: 8300, 8200, 7700 and 14000 weigh 48144.
  EXPECT_NE(Listed("wc").find("|Gritty Nell                   : 961168 :   38  :     8300  :     "
                              "8200  :     7700  :    14000   :    48144  :|\n|Spanner the Great"),
            std::string::npos);
  // REPORT's changes are the newest date's: Nell's point before her return
  // is two dates back.
  EXPECT_NE(Listed("report").find("\nCHANGES\n  Rook Ashgrave  JOINED\n  Skint Sid      LEFT\n"
                                  "  Gritty Nell    RETURNED\n"
                                  "  Ivy Ironheap   RENAMED FROM Ivy Slagheap\n"
                                  "  Rivet          LEVEL 61 -> 62\n"
                                  "  Gritty Nell    LEVEL 37 -> 38\n\nWAR CHAMBER\n"),
            std::string::npos);
}

// A gang of 60: members 1 to 10 rose, the other 50 stalled, all went up a
// level, member 2 took a name of 29 characters two columns wide.  Message
// 1 ends before the stalled (50 lines of 39 characters, 1,962 with their
// heading: message 2); the changes, the rename (72) first, then levels of
// 44 (38 for member 1, escaped; 48 for member 2), fill message 3 with 44
// lines (1,974) and go on in message 4 under their heading again.  On the
// screen the wide name is cut to 29 columns, the rename's line to 60.
TEST_F(FilesTest, ReportTakesMessagesOfAtMost2000CharactersCutAtSectionEnds) {
  Snapshot week1{DayOf(2026, 11, 3), {}}, week2{DayOf(2026, 11, 10), {}};
  std::string wide;  // 29 characters of two columns each
  for (int c = 0; c < 29; ++c) wide += "\xE9\xBE\x8D";
  for (int id = 1; id <= 60; ++id) {
    std::string name =
        "Scrapton Member Number " + std::to_string(id / 10) + std::to_string(id % 10);
    if (id == 1) name = "@everyone *Boss*";
    Member member;
    member.id = id;
    member.level = 10;
    member.oldspeed = member.newspeed = 1000;
    week1.Add(member, name);
    if (id == 2) name = wide;
    member.level = 11;
    if (id <= 10) member.newspeed += 100 * id;
    week2.Add(member, name);
    roster.Append(member, name);
  }
  session.season.Add(std::move(week1.points));
  session.season.Add(std::move(week2.points));
  session.list.weights = kDefaultWeights;
  ConsoleCapture console("report output report.md report done\n");
  List(console, session);

  std::vector<std::string> messages;
  const std::string md = Read("report.md");
  for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 6) {
    end = md.find("\n---\n\n", at);
    messages.push_back(md.substr(at, end == std::string::npos ? end : end - at));
  }
  ASSERT_EQ(messages.size(), 4u) << md;
  for (const std::string& message : messages) EXPECT_LE(CountCharacters(message), 2000u);
  EXPECT_EQ(messages[0].rfind("**GANG REPORT 2026-11-10 (SINCE 2026-11-03)**\n", 0), 0u);
  EXPECT_EQ(messages[1].rfind("**STALLED**\n- Scrapton Member Number 11: 1.0 WEEKS\n", 0), 0u);
  EXPECT_EQ(std::count(messages[1].begin(), messages[1].end(), '\n'), 51);
  EXPECT_EQ(messages[2].rfind("**CHANGES**\n- " + wide +
                                  ": RENAMED FROM Scrapton Member Number 02\n- \\@everyone "
                                  "\\*Boss\\*: LEVEL 10 -> 11\n",
                              0),
            0u);
  EXPECT_EQ(std::count(messages[2].begin(), messages[2].end(), '\n'), 45);
  EXPECT_EQ(messages[3].rfind("**CHANGES**\n- Scrapton Member Number 44: LEVEL 10 -> 11\n", 0), 0u);
  const std::string changes = messages[3].substr(0, messages[3].find("\n\n") + 1);
  EXPECT_EQ(std::count(changes.begin(), changes.end(), '\n'), 18);
  EXPECT_NE(messages[3].find("\n\n**WAR CHAMBER**\n"), std::string::npos);

  const std::string screen = console.Printed();
  const std::size_t start = screen.find("GANG REPORT"), end = screen.find(kListPrompt, start);
  ASSERT_NE(start, std::string::npos);
  std::size_t widest = 0;
  for (std::size_t at = start; at < end; at = screen.find('\n', at) + 1) {
    widest = std::max(widest, TextColumns(screen.substr(at, screen.find('\n', at) - at)));
  }
  EXPECT_EQ(widest, 60u);
}

}  // namespace

}  // namespace korvelin
