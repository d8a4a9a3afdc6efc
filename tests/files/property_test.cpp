// Seeded, reproducible properties over many random rosters and files: a save
// and load restore everything a save file holds, and a second save is the
// same file; a stat-table import touches only what it is meant to.
#include <random>
#include <string>
#include <vector>

#include "files_support.h"
#include "text/characters.h"

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
    EmptyRoster();
    const int members = Below(12);
    for (int i = 0; i < members; ++i) {
      PlayerRecord* r = Member(Name().c_str(), Any());
      for (int PlayerRecord::*field :
           {&PlayerRecord::level, &PlayerRecord::oldspeed, &PlayerRecord::oldpower,
            &PlayerRecord::oldstren, &PlayerRecord::oldhealth, &PlayerRecord::oldintel,
            &PlayerRecord::newspeed, &PlayerRecord::newpower, &PlayerRecord::newstren,
            &PlayerRecord::newhealth, &PlayerRecord::newintel}) {
        r->*field = Any();
      }
      r->oldbeg = Decimal();
      r->newbeg = Decimal();
    }
    displayoptions = MakeRecord();
    for (int n = 1; n <= kOptionCount; ++n) {
      if (Below(2) == 0) OptionSelect(*displayoptions, OptionByNumber(n), true);
    }
    SpeedWeight() = Decimal();
    PowerWeight() = Decimal();
    StrengthWeight() = Decimal();
    HealthWeight() = Decimal();
    ListSortOption() = 1 + Below(35);
    ListSortDirection() = Below(2);
  }
};

TEST_F(PropertyTest, SaveLoadSaveRestoresEverythingAndRepeatsTheFile) {
  for (int round = 0; round < 150; ++round) {
    RandomRoster();
    std::vector<PlayerRecord> before;
    for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) before.push_back(*r);
    const PlayerRecord mask = *displayoptions;
    const double weights[] = {SpeedWeight(), PowerWeight(), StrengthWeight(), HealthWeight()};
    const int option = ListSortOption(), direction = ListSortDirection();
    SaveTo("first.sav");

    EmptyRoster();
    displayoptions = MakeRecord();
    SpeedWeight() = PowerWeight() = StrengthWeight() = HealthWeight() = -1;
    ListSortOption() = ListSortDirection() = -1;
    LoadFile("first.sav");

    ASSERT_EQ(static_cast<std::size_t>(EntryCount()), before.size()) << round;
    std::size_t i = 0;
    for (PlayerRecord* r = Start->next; r != nullptr; r = r->next, ++i) {
      const PlayerRecord& b = before[i];
      // The save file pads a name by characters to 29 columns.
      std::string padded = b.name;
      padded.append(29 - CountCharacters(padded), ' ');
      ASSERT_EQ(std::string(r->name), padded) << round;
      EXPECT_EQ(r->id, b.id);
      EXPECT_EQ(r->level, b.level);
      EXPECT_EQ(r->oldspeed, b.oldspeed);
      EXPECT_EQ(r->oldpower, b.oldpower);
      EXPECT_EQ(r->oldstren, b.oldstren);
      EXPECT_EQ(r->oldhealth, b.oldhealth);
      EXPECT_EQ(r->oldintel, b.oldintel);
      EXPECT_EQ(r->oldbeg, b.oldbeg);
      EXPECT_EQ(r->newspeed, b.newspeed);
      EXPECT_EQ(r->newpower, b.newpower);
      EXPECT_EQ(r->newstren, b.newstren);
      EXPECT_EQ(r->newhealth, b.newhealth);
      EXPECT_EQ(r->newintel, b.newintel);
      EXPECT_EQ(r->newbeg, b.newbeg);
    }
    for (int n = 1; n <= kOptionCount; ++n) {
      EXPECT_EQ(OptionSelected(*displayoptions, OptionByNumber(n)),
                OptionSelected(mask, OptionByNumber(n)));
    }
    EXPECT_EQ(SpeedWeight(), weights[0]);
    EXPECT_EQ(PowerWeight(), weights[1]);
    EXPECT_EQ(StrengthWeight(), weights[2]);
    EXPECT_EQ(HealthWeight(), weights[3]);
    EXPECT_EQ(ListSortOption(), option);
    EXPECT_EQ(ListSortDirection(), direction);

    SaveTo("second.sav");
    ASSERT_EQ(Read("second.sav"), Read("first.sav")) << round;
  }
}

bool SameColumns(const PlayerRecord& a, const PlayerRecord& b) {
  for (int n = 1; n <= kOptionCount; ++n) {
    if (OptionSelected(a, OptionByNumber(n)) != OptionSelected(b, OptionByNumber(n))) return false;
  }
  return true;
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
    WCOptions();
    const PlayerRecord temp = *tempoptions;
    const PlayerRecord main_mask = *main_d_options;
    const PlayerRecord before_settings = *Start;
    const PlayerRecord display = *displayoptions;
    const std::string table = TableLike(random);
    Write("table.txt", table);
    LoadFile("table.txt");

    int members = 0;
    for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) ++members;
    EXPECT_EQ(members, EntryCount());
    EXPECT_TRUE(SameColumns(*tempoptions, temp));
    EXPECT_TRUE(SameColumns(*main_d_options, main_mask));
    // A row needs an ID: a "(" directly followed by a digit.
    bool any_row = false;
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
      any_row = any_row || (table[i] == '(' && IsDigit(static_cast<unsigned char>(table[i + 1])));
    }
    ASSERT_EQ(members > 0, any_row) << round;
    if (!any_row) {
      EXPECT_TRUE(SameColumns(*displayoptions, display));
      EXPECT_EQ(ListSortOption(), before_settings.oldpower);
      EXPECT_EQ(ListSortDirection(), before_settings.oldspeed);
      EXPECT_EQ(SpeedWeight(), before_settings.speedp);
      continue;
    }
    EXPECT_EQ(ListSortOption(), 17);
    EXPECT_EQ(ListSortDirection(), 1);
    EXPECT_EQ(SpeedWeight(), 2.12);
    EXPECT_EQ(PowerWeight(), 1.24);
    EXPECT_EQ(StrengthWeight(), 1.434);
    EXPECT_EQ(HealthWeight(), 0.667);
    const PlayerRecord loaded = *displayoptions;
    DefaultDisplay();  // the default columns, to compare with
    EXPECT_TRUE(SameColumns(loaded, *displayoptions));
  }
}

}  // namespace
