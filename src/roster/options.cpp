// The accessors of the option table.
#include "roster/options.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "text/format.h"

using option_table::kOptions;

const OptionInfo& OptionByNumber(int number) { return kOptions[number - 1]; }

const OptionInfo* OptionByKeyword(const std::string& word) {
  for (const OptionInfo& option : kOptions) {
    if (word == option.keyword) return &option;
  }
  return nullptr;
}

const std::vector<const char*>& OptionKeywords() {
  static const std::vector<const char*> keywords = [] {
    std::vector<const char*> v;
    for (const OptionInfo& option : kOptions) v.push_back(option.keyword);
    return v;
  }();
  return keywords;
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

std::string OptionHeader(const OptionInfo& option) { return Format(option.header)({}); }

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
