// The 35 list options: one table read by sorting, rendering, column toggles,
// sort keywords and the save file's column flags.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "roster/roster.h"

namespace {

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

}  // namespace

const OptionInfo& OptionByNumber(int number) { return kOptions[number - 1]; }

const OptionInfo* OptionByKeyword(const std::string& word) {
  for (const OptionInfo& option : kOptions) {
    if (word == option.keyword) return &option;
  }
  return nullptr;
}

const std::vector<const OptionInfo*>& OptionsInDisplayOrder() {
  static const std::vector<const OptionInfo*> order = [] {
    std::vector<const OptionInfo*> v;
    for (const OptionInfo& option : kOptions) v.push_back(&option);
    std::sort(v.begin(), v.end(),
              [](const OptionInfo* a, const OptionInfo* b) { return a->position < b->position; });
    return v;
  }();
  return order;
}

bool OptionSelected(const PlayerRecord& mask, const OptionInfo& option) {
  switch (option.kind) {
    case OptionKind::kInt: return mask.*option.int_field != 0;
    case OptionKind::kWide: return mask.*option.wide_field != 0;
    case OptionKind::kReal: return mask.*option.real_field != 0.0;
  }
  return false;
}

void OptionSelect(PlayerRecord& mask, const OptionInfo& option, bool selected) {
  switch (option.kind) {
    case OptionKind::kInt: mask.*option.int_field = selected ? 1 : 0; break;
    case OptionKind::kWide: mask.*option.wide_field = selected ? 1 : 0; break;
    case OptionKind::kReal: mask.*option.real_field = selected ? 1.0 : 0.0; break;
  }
}

std::string OptionHeader(const OptionInfo& option) {
  return Format(option.header)({});
}

void OptionAppendCell(std::string& line, const OptionInfo& option, const PlayerRecord& member) {
  // The cell formats, read once, in option order.
  static const std::vector<Format> cells = [] {
    std::vector<Format> formats;
    for (const OptionInfo& o : kOptions) formats.emplace_back(o.cell);
    return formats;
  }();
  const Format& cell = cells[static_cast<std::size_t>(option.number - 1)];
  switch (option.kind) {
    case OptionKind::kInt: cell.AppendTo(line, {member.*option.int_field}); break;
    case OptionKind::kWide:
      cell.AppendTo(line, {static_cast<long long>(member.*option.wide_field)});
      break;
    case OptionKind::kReal: cell.AppendTo(line, {member.*option.real_field}); break;
  }
}

std::string OptionCell(const OptionInfo& option, const PlayerRecord& member) {
  std::string cell;
  OptionAppendCell(cell, option, member);
  return cell;
}
