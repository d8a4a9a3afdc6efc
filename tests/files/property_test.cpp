// Seeded, reproducible properties over many random rosters and files: a save
// and load restore everything a save file holds, and a second save is the
// same file; a stat-table import touches only what it is meant to.
#include <random>
#include <string>
#include <vector>

#include "files_support.h"
#include "text/characters.h"

namespace korvelin {

namespace {

class PropertyTest : public FilesTest {
 protected:
  std::mt19937 random_{20261208};

  int Any() { return static_cast<int>(random_()); }
  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  // A name of any length up to 29, of bytes 32-255 other than 127-159.
  std::string Name() {
    std::string name;
    const int length = Below(30);
    while (static_cast<int>(name.size()) < length) {
      const int c = 32 + Below(224);
      if (c < 127 || c > 159) name += static_cast<char>(c);
    }
    return name;
  }

  // A value with up to six decimals, as the save file keeps it.
  double Decimal() {
    const std::string text =
        std::to_string(Below(2000001) - 1000000) + "." + std::to_string(Below(1000000));
    return std::strtod(text.c_str(), nullptr);
  }

  void RandomRoster() {
    roster.Clear();
    const int members = Below(12);
    for (int i = 0; i < members; ++i) {
      Member& r = AddMember(Name().c_str(), Any());
      for (int Member::*field :
           {&Member::level, &Member::oldspeed, &Member::oldpower, &Member::oldstren,
            &Member::oldhealth, &Member::oldintel, &Member::newspeed, &Member::newpower,
            &Member::newstren, &Member::newhealth, &Member::newintel}) {
        r.*field = Any();
      }
      r.oldbeg = Decimal();
      r.newbeg = Decimal();
    }
    session.columns = ColumnSet();
    for (int n = 1; n <= kOptionCount; ++n) {
      if (Below(2) == 0) session.columns.Show(OptionByNumber(n), true);
    }
    session.list.weights.speed = Decimal();
    session.list.weights.power = Decimal();
    session.list.weights.strength = Decimal();
    session.list.weights.health = Decimal();
    session.list.sort_option = 1 + Below(35);
    session.list.sort_direction =
        Below(2) == 0 ? SortDirection::kDescending : SortDirection::kAscending;
  }
};

TEST_F(PropertyTest, SaveLoadSaveRestoresEverythingAndRepeatsTheFile) {
  for (int round = 0; round < 150; ++round) {
    RandomRoster();
    const std::vector<Member> before(roster.begin(), roster.end());
    std::vector<std::string> names;
    for (const Member& r : roster) names.push_back(NameOf(r));
    const ColumnSet columns = session.columns;
    const Weights weights = session.list.weights;
    const int option = session.list.sort_option;
    const SortDirection direction = session.list.sort_direction;
    SaveTo("first.sav");

    roster.Clear();
    session.columns = ColumnSet();
    session.list.weights = {-1, -1, -1, -1};
    session.list.sort_option = -1;
    session.list.sort_direction = SortDirection::kStartUp;
    LoadFile("first.sav");

    ASSERT_EQ(roster.size(), before.size()) << round;
    for (std::size_t i = 0; i < roster.size(); ++i) {
      const Member& r = roster[i];
      const Member& b = before[i];
      // The save file pads a name by characters to 29 columns.
      std::string padded = names[i];
      padded.append(29 - CountCharacters(padded), ' ');
      ASSERT_EQ(NameOf(r), padded) << round;
      EXPECT_EQ(r.id, b.id);
      EXPECT_EQ(r.level, b.level);
      EXPECT_EQ(r.oldspeed, b.oldspeed);
      EXPECT_EQ(r.oldpower, b.oldpower);
      EXPECT_EQ(r.oldstren, b.oldstren);
      EXPECT_EQ(r.oldhealth, b.oldhealth);
      EXPECT_EQ(r.oldintel, b.oldintel);
      EXPECT_EQ(r.oldbeg, b.oldbeg);
      EXPECT_EQ(r.newspeed, b.newspeed);
      EXPECT_EQ(r.newpower, b.newpower);
      EXPECT_EQ(r.newstren, b.newstren);
      EXPECT_EQ(r.newhealth, b.newhealth);
      EXPECT_EQ(r.newintel, b.newintel);
      EXPECT_EQ(r.newbeg, b.newbeg);
    }
    EXPECT_TRUE(session.columns == columns);
    EXPECT_EQ(session.list.weights.speed, weights.speed);
    EXPECT_EQ(session.list.weights.power, weights.power);
    EXPECT_EQ(session.list.weights.strength, weights.strength);
    EXPECT_EQ(session.list.weights.health, weights.health);
    EXPECT_EQ(session.list.sort_option, option);
    EXPECT_EQ(session.list.sort_direction, direction);

    SaveTo("second.sav");
    ASSERT_EQ(Read("second.sav"), Read("first.sav")) << round;
  }
}

// Any text that looks more or less like a stat table: names, parentheses,
// numbers with signs, tabs, blank lines, CR LF and LF.
std::string TableLike(std::mt19937& random) {
  const char* pieces[] = {"Bob", "  Ann Lee", "(",    ")",    "(12)", " ",      " ",
                          "\t",  "\n",        "\r\n", "7",    "-3",   "123456", "99999999999",
                          "x",   ":",         "|",    "\xE9", "(X)"};
  std::string text;
  const int count = static_cast<int>(random() % 60);
  for (int i = 0; i < count; ++i) text += pieces[random() % (sizeof pieces / sizeof *pieces)];
  return text;
}

TEST_F(PropertyTest, AnImportChangesOnlyTheRosterAndItsSettings) {
  std::mt19937 random(99);
  for (int round = 0; round < 300; ++round) {
    RandomRoster();
    const ListSettings before = session.list;
    const ColumnSet columns = session.columns;
    const std::size_t kept = roster.size();
    const std::string table = TableLike(random);
    Write("table.txt", table);
    LoadFile("table.txt");
    const std::size_t members = roster.size();
    // A row needs an ID: a "(" directly followed by a digit.
    bool any_row = false;
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
      any_row = any_row || (table[i] == '(' && IsDigit(static_cast<unsigned char>(table[i + 1])));
    }
    if (!any_row) {
      // A table without a row changes nothing at all.
      EXPECT_EQ(members, kept) << round;
      EXPECT_TRUE(session.columns == columns);
      EXPECT_EQ(session.list.sort_option, before.sort_option);
      EXPECT_EQ(session.list.sort_direction, before.sort_direction);
      EXPECT_EQ(session.list.weights.speed, before.weights.speed);
      continue;
    }
    ASSERT_GT(members, 0u) << round;
    EXPECT_EQ(session.list.sort_option, 17);
    EXPECT_EQ(session.list.sort_direction, SortDirection::kAscending);
    EXPECT_EQ(session.list.weights.speed, 2.12);
    EXPECT_EQ(session.list.weights.power, 1.24);
    EXPECT_EQ(session.list.weights.strength, 1.434);
    EXPECT_EQ(session.list.weights.health, 0.667);
    EXPECT_TRUE(session.columns == kDefaultColumns);
  }
}

}  // namespace

}  // namespace korvelin
