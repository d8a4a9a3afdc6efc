// The 35 list options: one table read by sorting, rendering, the column
// toggles, the sort keywords and the save file's column flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "roster/derived.h"
#include "roster/member.h"
#include "roster/settings.h"

namespace korvelin {

class Format;

enum class OptionKind { kInteger, kReal };

// One sortable and displayable variable: a stat of the member or a derived
// one, read by the function of its kind.
struct OptionInfo {
  int number;           // 1-35: sort option and flag order
  const char* keyword;  // lower-case field name
  OptionKind kind;
  std::int64_t (*integer)(const Member&, const Weights&);  // set for kInteger
  double (*real)(const Member&, const Weights&);           // set for kReal
  const char* header;                                      // printf format of the heading
  const char* cell;                                        // printf format of a cell
  int position;                                            // 1-35: column order in a table
};

constexpr int kOptionCount = 35;

namespace option_table {

using I = std::int64_t;
using W = Weights;

template <int Member::*Field>
I Stored(const Member& m, const W&) {
  return m.*Field;
}
template <double Member::*Field>
double StoredReal(const Member& m, const W&) {
  return m.*Field;
}
template <I (*Value)(const Member&)>
I Derived(const Member& m, const W&) {
  return Value(m);
}
template <double (*Value)(const Member&)>
double DerivedReal(const Member& m, const W&) {
  return Value(m);
}

constexpr OptionInfo Int(int number, const char* keyword, I (*read)(const Member&, const W&),
                         const char* header, const char* cell, int position) {
  return {number, keyword, OptionKind::kInteger, read, nullptr, header, cell, position};
}
constexpr OptionInfo Real(int number, const char* keyword, double (*read)(const Member&, const W&),
                          const char* header, const char* cell, int position) {
  return {number, keyword, OptionKind::kReal, nullptr, read, header, cell, position};
}

using M = Member;
namespace d = derived;

// Columns: option number (the sort option and the order of the save file's
// flags), keyword (the field's name), how the value is read, heading, cell
// format, position of the column in a table.  The level cell is as wide as
// its heading; the Total % cell is one wider than its heading.  The numbers
// and formats are written to save files and list files and typed by users:
// they must not change.
//
// To add one: an entry numbered kOptionCount + 1 (and kOptionCount one
// more), its keyword, its read (a derived value in roster/derived.h), its
// heading and cell formats, and a position (those after it move up by
// one).  Sorting, every option table and its exports, the column toggles,
// the sort keywords and Tab all find it here; the option lists in the help
// texts (list/settings.cpp PrintOptionList), the README and the manual name
// it.  The save file's 35 column flags are frozen (files/save_file.h
// kSavedColumnFlags): a new option never adds a flag, the reader reads
// exactly 35, and the new option's column starts hidden after a LOAD.  A
// saved sort option may be the new one's number; earlier versions sort by
// ID instead.
constexpr std::array<OptionInfo, kOptionCount> kOptions = {{
    Real(1, "beggain", DerivedReal<d::BegGain>, " Beg Gain :", "  %6.2f  :", 23),
    Real(2, "begp", DerivedReal<d::BegPercent>, "  Beg %%  :", "  %6.2f :", 30),
    Real(3, "healthp", DerivedReal<d::HealthPercent>, " Health%% :", "  %6.2f :", 28),
    Real(4, "oldbeg", StoredReal<&M::oldbeg>, " Old Beg :", "  %6.2f :", 9),
    Real(5, "intelp", DerivedReal<d::IntelPercent>, " Intel %% :", "  %6.2f :", 29),
    Real(6, "newbeg", StoredReal<&M::newbeg>, " New Beg :", "  %6.2f :", 16),
    Real(7, "powerp", DerivedReal<d::PowerPercent>, " Power %% :", "  %6.2f :", 26),
    Real(8, "speedp", DerivedReal<d::SpeedPercent>, " Speed %% :", "  %6.2f :", 25),
    Real(9, "strenp", DerivedReal<d::StrenPercent>, " Stren %% :", "  %6.2f :", 27),
    Real(10, "totalp", DerivedReal<d::TotalPercent>, " Total %% :", "  %6.2f  :", 24),
    Real(11, "whealth", d::WeightedHealth, " Wt Health :", " %8.0f  :", 35),
    Real(12, "wpower", d::WeightedPower, " Wt Power :", " %7.0f  :", 33),
    Real(13, "wspeed", d::WeightedSpeed, " Wt Speed :", " %7.0f  :", 32),
    Real(14, "wstren", d::WeightedStren, " Wt Stren :", " %7.0f  :", 34),
    Real(15, "wtotal", d::WeightedTotal, "  Wt Total :", " %8.0f  :", 31),
    Int(16, "healthgain", Derived<d::HealthGain>, " Health Gain :", "    %6lld   :", 21),
    Int(17, "id", Stored<&M::id>, "  ID #  :", " %6.0d :", 1),
    Int(18, "oldhealth", Stored<&M::oldhealth>, " Old Health :", "   %6.0d   :", 7),
    Int(19, "oldintel", Stored<&M::oldintel>, " Old Intel :", "    %4.0d   :", 8),
    Int(20, "oldpower", Stored<&M::oldpower>, " Old Power :", "   %6.0d  :", 5),
    Int(21, "oldspeed", Stored<&M::oldspeed>, " Old Speed :", "   %6.0d  :", 4),
    Int(22, "oldstren", Stored<&M::oldstren>, " Old Stren :", "   %6.0d  :", 6),
    Int(23, "oldtotal", Derived<d::OldTotal>, " Old Total :", "  %7.0lld  :", 3),
    Int(24, "intelgain", Derived<d::IntelGain>, " Intel Gain :", "   %6lld   :", 22),
    Int(25, "level", Stored<&M::level>, " Level :", "  %3.0d  :", 2),
    Int(26, "newhealth", Stored<&M::newhealth>, " New Health :", "   %6.0d   :", 14),
    Int(27, "newintel", Stored<&M::newintel>, " New Intel :", "    %4.0d   :", 15),
    Int(28, "newpower", Stored<&M::newpower>, " New Power :", "   %6.0d  :", 12),
    Int(29, "newspeed", Stored<&M::newspeed>, " New Speed :", "   %6.0d  :", 11),
    Int(30, "newstren", Stored<&M::newstren>, " New Stren :", "   %6.0d  :", 13),
    Int(31, "newtotal", Derived<d::NewTotal>, " New Total :", "   %6.0lld  :", 10),
    Int(32, "powergain", Derived<d::PowerGain>, " Power Gain :", "   %6lld   :", 19),
    Int(33, "speedgain", Derived<d::SpeedGain>, " Speed Gain :", "   %6lld   :", 18),
    Int(34, "strengain", Derived<d::StrenGain>, " Stren Gain :", "   %6lld   :", 20),
    Int(35, "totalgain", Derived<d::TotalGain>, " Total Gain :", "   %6lld   :", 17),
}};

}  // namespace option_table

// The number of the option with this keyword, usable where a constant is
// needed; 0 when no option has it.
constexpr int OptionNumber(std::string_view keyword) {
  for (const OptionInfo& option : option_table::kOptions) {
    if (keyword == option.keyword) return option.number;
  }
  return 0;
}

// The option with this number (1-35); the number must be in range.
const OptionInfo& OptionByNumber(int number);
// The option whose keyword equals `word` exactly, or null.
const OptionInfo* OptionByKeyword(std::string_view word);
// The 35 keywords, in option-number order.
const std::vector<const char*>& OptionKeywords();
// The options in the order their columns are printed.
const std::vector<const OptionInfo*>& OptionsInDisplayOrder();

// An option's value for one member.
struct OptionValue {
  bool real;             // a real value; otherwise an integer
  std::int64_t integer;  // the value of an integer option
  double number;         // the value of a real option
};

// The option's value for `member` under the weights `weights`.
OptionValue OptionRead(const OptionInfo& option, const Member& member, const Weights& weights);

// The decimals the table shows of the option's values (0 for integers).
int OptionDecimals(const OptionInfo& option);
// The heading as printed ("%%" shown as "%").
std::string OptionHeader(const OptionInfo& option);
// The printf format of the option's cells, read once.
const Format& OptionCellFormat(const OptionInfo& option);
// The member's cell as printed, appended to a line.
void OptionAppendCell(std::string& line, const OptionInfo& option, const OptionValue& value);

}  // namespace korvelin
