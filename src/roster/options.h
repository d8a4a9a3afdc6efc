// The 35 list options: one table read by sorting, rendering, the column
// toggles, the sort keywords and the save file's column flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "roster/record.h"

enum class OptionKind { kInt, kWide, kReal };  // int, 64-bit derived, double

// One sortable and displayable variable.
struct OptionInfo {
  int number;           // 1-35: sort option and flag order
  const char* keyword;  // lower-case field name
  OptionKind kind;
  int PlayerRecord::*int_field;            // set when kind is kInt
  std::int64_t PlayerRecord::*wide_field;  // set when kind is kWide
  double PlayerRecord::*real_field;        // set when kind is kReal
  const char* header;                      // printf format of the heading
  const char* cell;                        // printf format of a cell
  int position;                            // 1-35: column order in a table
};

constexpr int kOptionCount = 35;

namespace option_table {

using R = PlayerRecord;

constexpr OptionInfo Int(int number, const char* keyword, int R::*field, const char* header,
                         const char* cell, int position) {
  return {number, keyword, OptionKind::kInt, field, nullptr, nullptr, header, cell, position};
}
constexpr OptionInfo Wide(int number, const char* keyword, std::int64_t R::*field,
                          const char* header, const char* cell, int position) {
  return {number, keyword, OptionKind::kWide, nullptr, field, nullptr, header, cell, position};
}
constexpr OptionInfo Real(int number, const char* keyword, double R::*field, const char* header,
                          const char* cell, int position) {
  return {number, keyword, OptionKind::kReal, nullptr, nullptr, field, header, cell, position};
}

// Columns: option number (the sort option and the order of the save file's
// flags), keyword (the field's name), field, heading, cell format, position
// of the column in a table (the record's field order).  The level cell is as
// wide as its heading; the Total % cell is one wider than its heading.
// The numbers and formats are written to save files and list files and typed
// by users: they must not change.
constexpr std::array<OptionInfo, kOptionCount> kOptions = {{
    Real(1, "beggain", &R::beggain, " Beg Gain :", "  %6.2f  :", 23),
    Real(2, "begp", &R::begp, "  Beg %%  :", "  %6.2f :", 30),
    Real(3, "healthp", &R::healthp, " Health%% :", "  %6.2f :", 28),
    Real(4, "oldbeg", &R::oldbeg, " Old Beg :", "  %6.2f :", 9),
    Real(5, "intelp", &R::intelp, " Intel %% :", "  %6.2f :", 29),
    Real(6, "newbeg", &R::newbeg, " New Beg :", "  %6.2f :", 16),
    Real(7, "powerp", &R::powerp, " Power %% :", "  %6.2f :", 26),
    Real(8, "speedp", &R::speedp, " Speed %% :", "  %6.2f :", 25),
    Real(9, "strenp", &R::strenp, " Stren %% :", "  %6.2f :", 27),
    Real(10, "totalp", &R::totalp, " Total %% :", "  %6.2f  :", 24),
    Real(11, "whealth", &R::whealth, " Wt Health :", " %8.0f  :", 35),
    Real(12, "wpower", &R::wpower, " Wt Power :", " %7.0f  :", 33),
    Real(13, "wspeed", &R::wspeed, " Wt Speed :", " %7.0f  :", 32),
    Real(14, "wstren", &R::wstren, " Wt Stren :", " %7.0f  :", 34),
    Real(15, "wtotal", &R::wtotal, "  Wt Total :", " %8.0f  :", 31),
    Wide(16, "healthgain", &R::healthgain, " Health Gain :", "    %6lld   :", 21),
    Int(17, "id", &R::id, "  ID #  :", " %6.0d :", 1),
    Int(18, "oldhealth", &R::oldhealth, " Old Health :", "   %6.0d   :", 7),
    Int(19, "oldintel", &R::oldintel, " Old Intel :", "    %4.0d   :", 8),
    Int(20, "oldpower", &R::oldpower, " Old Power :", "   %6.0d  :", 5),
    Int(21, "oldspeed", &R::oldspeed, " Old Speed :", "   %6.0d  :", 4),
    Int(22, "oldstren", &R::oldstren, " Old Stren :", "   %6.0d  :", 6),
    Wide(23, "oldtotal", &R::oldtotal, " Old Total :", "  %7.0lld  :", 3),
    Wide(24, "intelgain", &R::intelgain, " Intel Gain :", "   %6lld   :", 22),
    Int(25, "level", &R::level, " Level :", "  %3.0d  :", 2),
    Int(26, "newhealth", &R::newhealth, " New Health :", "   %6.0d   :", 14),
    Int(27, "newintel", &R::newintel, " New Intel :", "    %4.0d   :", 15),
    Int(28, "newpower", &R::newpower, " New Power :", "   %6.0d  :", 12),
    Int(29, "newspeed", &R::newspeed, " New Speed :", "   %6.0d  :", 11),
    Int(30, "newstren", &R::newstren, " New Stren :", "   %6.0d  :", 13),
    Wide(31, "newtotal", &R::newtotal, " New Total :", "   %6.0lld  :", 10),
    Wide(32, "powergain", &R::powergain, " Power Gain :", "   %6lld   :", 19),
    Wide(33, "speedgain", &R::speedgain, " Speed Gain :", "   %6lld   :", 18),
    Wide(34, "strengain", &R::strengain, " Stren Gain :", "   %6lld   :", 20),
    Wide(35, "totalgain", &R::totalgain, " Total Gain :", "   %6lld   :", 17),
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
const OptionInfo* OptionByKeyword(const std::string& word);
// The 35 keywords, in option-number order.
const std::vector<const char*>& OptionKeywords();
// The options in the order their columns are printed.
const std::vector<const OptionInfo*>& OptionsInDisplayOrder();

// An option's value in one record, as its field holds it.
struct OptionValue {
  bool real;             // a double field; otherwise an int or 64-bit one
  std::int64_t integer;  // the value of an integer field
  double number;         // the value of a double field
};

// The one place that tells the kinds of field apart: calls `use` with the
// option's field as a member pointer of its own type (int, std::int64_t or
// double PlayerRecord::*) and returns what `use` returns.
template <typename Use>
decltype(auto) WithField(const OptionInfo& option, Use&& use) {
  switch (option.kind) {
    case OptionKind::kInt: return use(option.int_field);
    case OptionKind::kWide: return use(option.wide_field);
    case OptionKind::kReal: break;
  }
  return use(option.real_field);
}

// The option's value in `record`.
OptionValue OptionRead(const OptionInfo& option, const PlayerRecord& record);

// Whether the mask's field selects the column (int nonzero, double != 0.0).
bool OptionSelected(const PlayerRecord& mask, const OptionInfo& option);
// Selects or clears the column in a mask (int 1/0, double 1.0/0.0).
void OptionSelect(PlayerRecord& mask, const OptionInfo& option, bool selected);
// The decimals the table shows of the option's values (0 for integers).
int OptionDecimals(const OptionInfo& option);
// The heading as printed ("%%" shown as "%").
std::string OptionHeader(const OptionInfo& option);
// The member's cell as printed.
std::string OptionCell(const OptionInfo& option, const PlayerRecord& member);
// The same, appended to a line.
void OptionAppendCell(std::string& line, const OptionInfo& option, const PlayerRecord& member);
