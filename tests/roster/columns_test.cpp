// Column sets against the option table: each option has a column of its
// own, the presets' sets hold exactly their columns, and the save file's
// flags carry any set.
#include <set>
#include <string>

#include "files/save_file.h"
#include "test_support.h"

namespace korvelin {

namespace {

std::set<std::string> Shown(const ColumnSet& columns) {
  std::set<std::string> keywords;
  for (int n = 1; n <= kOptionCount; ++n) {
    if (columns.Shows(OptionByNumber(n))) keywords.insert(OptionByNumber(n).keyword);
  }
  return keywords;
}

// DEFAULT: ID, level and the old stats; WC (and SPEED, POWER, STRENGTH): ID,
// level, the new stats but intelligence and begging, and the weighted total;
// PERCENT: ID and the gains and percentages, health's left out.
TEST(ColumnSet, PresetsShowExactlyTheirColumns) {
  EXPECT_TRUE(ColumnSet().Empty());
  EXPECT_TRUE(Shown(ColumnSet()).empty());
  EXPECT_EQ(Shown(kDefaultColumns),
            (std::set<std::string>{"id", "level", "oldspeed", "oldpower", "oldstren", "oldhealth",
                                   "oldintel", "oldbeg"}));
  EXPECT_EQ(Shown(kWCColumns), (std::set<std::string>{"id", "level", "newspeed", "newpower",
                                                      "newstren", "newhealth", "wtotal"}));
  EXPECT_EQ(
      Shown(kPercentColumns),
      (std::set<std::string>{"id", "totalgain", "speedgain", "powergain", "strengain", "intelgain",
                             "beggain", "totalp", "speedp", "powerp", "strenp", "intelp", "begp"}));
}

// Every option, the 35th included, turns its own column on and off and no
// other; and each set reads back from the save file's flags as it was.
TEST(ColumnSet, EachOptionTogglesOnlyItsOwnColumnAndSurvivesTheSaveFlags) {
  auto round_trip = [](const ColumnSet& columns) {
    std::string flags;
    WriteColumnFlags(columns, flags);
    TextStream in = TextStream::Memory(flags);
    return ReadColumnFlags(in);
  };
  for (const ColumnSet& preset : {kDefaultColumns, kWCColumns, kPercentColumns}) {
    EXPECT_EQ(round_trip(preset), preset);
  }
  for (int n = 1; n <= kOptionCount; ++n) {
    const OptionInfo& option = OptionByNumber(n);
    const std::set<std::string> alone = {option.keyword};
    ColumnSet columns;
    columns.Toggle(option);
    EXPECT_EQ(Shown(columns), alone);
    EXPECT_EQ(columns, ColumnSet::Of({option.keyword}));
    std::string flags;
    WriteColumnFlags(columns, flags);
    EXPECT_EQ(flags.find("  0  :  "), 8u * static_cast<unsigned>(n - 1)) << option.keyword;
    EXPECT_EQ(round_trip(columns), columns) << option.keyword;
    columns.Show(option, true);  // already shown: stays shown
    EXPECT_EQ(Shown(columns), alone);
    columns.Toggle(option);
    EXPECT_TRUE(columns.Empty());

    ColumnSet all_but;
    for (int m = 1; m <= kOptionCount; ++m) all_but.Show(OptionByNumber(m), true);
    all_but.Show(option, false);
    EXPECT_EQ(Shown(all_but).size(), 34u);
    EXPECT_FALSE(all_but.Shows(option));
    EXPECT_EQ(round_trip(all_but), all_but) << option.keyword;
  }
}

}  // namespace

}  // namespace korvelin
