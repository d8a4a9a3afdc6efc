// STALLED and CHANGES over the README's four weeks (examples/) and a fifth,
// and REPORT cut into chat messages for a gang of 60, worked out by hand.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "files/files_support.h"
#include "text/dates.h"
#include "text/width.h"

namespace korvelin {

namespace {

// 2026-12-01: Gritty Nell comes back at level 38, Ivy Slagheap is Ivy
// Ironheap, Skint Sid has left, Rook Ashgrave joins and Rivet reaches 62;
// Marla Quickfingers and Fennick Grubb are as they were, the others rose.
const char kFifthWeek[] = R"(Pip Tinker (325127) 46 10560 8120 10390 8600
Cinder Vale (258176) 18 5300 6050 8010 6200
Dolly Gearbox (227529) 21 5400 5050 5510 6300
Lady Scrapwell (160816) 13 3600 2600 2900 3700
Crowbar Kate (538485) 14 3900 3950 4000 4050
Tobias Wrench (352353) 17 5950 4250 6950 7700
Sprocket Sal (404404) 9 1800 1850 1700 2000
Big Bertha Coil (545140) 20 3750 5300 3640 4500
Mags the Beggar (195119) 25 5550 5450 6850 6600
Rustjaw Mcgee (439563) 44 13700 11200 11300 9400
Ivy Ironheap (198702) 17 4900 3200 5350 4700
Newt Fizzlewick (536875) 13 3300 3150 3550 3900
Spanner the Great (175954) 27 9600 6250 9800 8550
Soot (190122) 31 9300 8500 7300 7200
Bolt Thrower (514002) 24 8300 7700 7100 8900
Old Tom Ricket (150631) 13 2850 2650 3000 2400
Duke of Dross (661913) 35 12500 11400 13400 15900
Widow Ashcombe (554710) 35 7400 7200 6900 8200
Junkyard Jax (632084) 30 4800 7350 7250 6950
Fennick Grubb (711097) 12 1929 2155 2115 2973
Nails Norbury (173248) 57 16800 11700 11100 13900
Quill Burrows (967017) 54 16200 17300 16200 22500
Marla Quickfingers (782554) 29 8534 7886 8186 11146
Copperhead (483452) 55 25300 21500 22200 22400
Rivet (677814) 62 25000 32800 25900 30500
Gritty Nell (961168) 38 8300 8200 7700 14000
Rook Ashgrave (808808) 8 1500 1600 1400 1800
)";

const std::string kStalledHead =
    "| NAME:                        :   ID # : Level : Last Rise  : Weeks :     Gain : Per Week "
    ":|\n"
    "|" +
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
      if (session.season.empty()) {
        LoadFile(name);
      } else {
        UpdateFrom(name);
      }
    }
  }
  void FifthWeek() {
    Write("gang-2026-12-01.txt", kFifthWeek);
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
// week, by half their two weeks' gain a week.  In the fifth week the span
// is the three weeks from 2026-11-10, over which only Marla is flat.
TEST_F(SeasonAnswersTest, StalledTakesTheLastWeeksUpToTheBarLeastRisenFirst) {
  EXPECT_NE(Listed("stalled").find("   [NOBODY STALLED: EVERY MEMBER ROSE BY MORE THAN 0 A WEEK "
                                   "OVER 3 WEEKS]\n" +
                                   kListPrompt),
            std::string::npos);
  session.list.stall = {2, 500};
  const std::string rows =
      "|Marla Quickfingers            : 782554 :    29 : 2026-11-10 :   2.0 :        0 :      0.0 "
      ":|\n"
      "|Fennick Grubb                 : 711097 :    12 : 2026-11-24 :   0.0 :      154 :     77.0 "
      ":|\n"
      "|Dolly Gearbox                 : 227529 :    21 : 2026-11-24 :   0.0 :      483 :    241.5 "
      ":|\n"
      "|Ivy Slagheap                  : 198702 :    17 : 2026-11-24 :   0.0 :      528 :    264.0 "
      ":|\n"
      "|Tobias Wrench                 : 352353 :    17 : 2026-11-24 :   0.0 :      566 :    283.0 "
      ":|\n"
      "|Old Tom Ricket                : 150631 :    13 : 2026-11-24 :   0.0 :      785 :    392.5 "
      ":|\n"
      "|Junkyard Jax                  : 632084 :    30 : 2026-11-24 :   0.0 :      823 :    411.5 "
      ":|\n"
      "|Lady Scrapwell                : 160816 :    13 : 2026-11-24 :   0.0 :      929 :    464.5 "
      ":|\n";
  EXPECT_NE(Listed("stalled").find(kStalledHead + rows + "\n" + kListPrompt), std::string::npos);
  // The entries setting keeps the first three.
  EXPECT_NE(Listed("set entries 3 stalled")
                .find(kStalledHead + rows.substr(0, 3 * 94) + "\n" + kListPrompt),
            std::string::npos);
  FifthWeek();
  session.list.stall = StallBar();
  EXPECT_NE(Listed("stalled").find(kStalledHead +
                                   "|Marla Quickfingers            : 782554 :    29 : 2026-11-10 "
                                   ":   3.0 :        0 :      0.0 :|\n\n" +
                                   kListPrompt),
            std::string::npos);
}

// Hand-counted LEVEL rows: 13 at 2026-11-10, 10 at -17, 12 at -24 and 2 at
// 2026-12-01; with the 10 other changes, 47 rows.
TEST_F(SeasonAnswersTest, ChangesNameEachJoinLeaveReturnRenameAndLevelNewestFirst) {
  FifthWeek();
  const std::string shown = Listed("changes");
  const std::string empty = "                               :";
  const std::string head =
      "| Date       : Change   :   ID # : NAME:                         : Was                "
      "           : Now                           :|\n|" +
      std::string(129, '*') + "|\n";
  const std::string newest =
      "| 2026-12-01 : JOINED   : 808808 : Rook Ashgrave                 :" + empty + empty +
      "|\n| 2026-12-01 : LEFT     : 161981 : Skint Sid                     :" + empty + empty +
      "|\n| 2026-12-01 : RETURNED : 961168 : Gritty Nell                   :" + empty + empty +
      "|\n| 2026-12-01 : RENAMED  : 198702 : Ivy Ironheap                  : Ivy Slagheap       "
      "           : Ivy Ironheap                  :|\n"
      "| 2026-12-01 : LEVEL    : 677814 : Rivet                         : 61                 "
      "           : 62                            :|\n"
      "| 2026-12-01 : LEVEL    : 961168 : Gritty Nell                   : 37                 "
      "           : 38                            :|\n"
      "| 2026-11-24 : JOINED   : 404404 : Sprocket Sal                  :" +
      empty + empty + "|\n";
  EXPECT_NE(shown.find(head + newest), std::string::npos) << shown;
  const std::string first_week =
      "| 2026-11-10 : JOINED   : 227529 : Dolly Gearbox                 :" + empty + empty +
      "|\n| 2026-11-10 : JOINED   : 536875 : Newt Fizzlewick               :" + empty + empty +
      "|\n| 2026-11-10 : LEFT     : 139317 : Hammerhand Hal                :" + empty + empty +
      "|\n| 2026-11-10 : RENAMED  : 175954 : Spanner the Great             : Spanner            "
      "           : Spanner the Great             :|\n"
      "| 2026-11-10 : LEVEL    : 150631 : Old Tom Ricket                : 10                 "
      "           : 12                            :|\n";
  EXPECT_NE(shown.find(first_week), std::string::npos);
  EXPECT_NE(shown.find("| 2026-11-17 : LEFT     : 961168 : Gritty Nell                   :" +
                       empty + empty + "|\n| 2026-11-17 : LEVEL    : 173248 :"),
            std::string::npos);
  std::size_t rows = 0;
  for (std::size_t at = 0; (at = shown.find("\n| 20", at + 1)) != std::string::npos;) ++rows;
  EXPECT_EQ(rows, 47u);
  // REPORT's changes are the newest date's: Nell's point before her return
  // is two dates back.
  EXPECT_NE(Listed("report").find("\nCHANGES\n  Rook Ashgrave  JOINED\n  Skint Sid      LEFT\n"
                                  "  Gritty Nell    RETURNED\n"
                                  "  Ivy Ironheap   RENAMED FROM Ivy Slagheap\n"
                                  "  Rivet          LEVEL 61 -> 62\n"
                                  "  Gritty Nell    LEVEL 37 -> 38\n\nWAR CHAMBER\n"),
            std::string::npos);
}

// A gang of 60: members 1 to 10 rose in the week, the other 50 stalled,
// everyone went up a level and member 2 took a name of 29 characters two
// columns wide.  The first message holds what comes before the stalled
// (whose 50 lines of 39 characters, 1,962 with their heading, need a
// message of their own); the changes, the rename first (72 characters),
// then 60 levels of 44 (38 for member 1, its name escaped; 48 for member
// 2), fill the third message with 44 lines (1,974 characters) and go on in
// the fourth under their heading again, 17 lines, with the War Chamber
// after them.  On the screen the wide name is cut to 29 columns and the
// rename's line to 60.
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
