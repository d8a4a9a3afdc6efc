// The accessors of the option table.
#include "roster/options.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <type_traits>

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

OptionValue OptionRead(const OptionInfo& option, const PlayerRecord& record) {
  return WithField(option, [&record](auto field) {
    if constexpr (std::is_same_v<decltype(field), double PlayerRecord::*>) {
      return OptionValue{true, 0, record.*field};
    } else {
      return OptionValue{false, record.*field, 0.0};
    }
  });
}

bool OptionSelected(const PlayerRecord& mask, const OptionInfo& option) {
  const OptionValue value = OptionRead(option, mask);
  return value.real ? value.number != 0.0 : value.integer != 0;
}

void OptionSelect(PlayerRecord& mask, const OptionInfo& option, bool selected) {
  WithField(option, [&](auto field) { mask.*field = selected ? 1 : 0; });
}

int OptionDecimals(const OptionInfo& option) {
  // Read once from the cell formats, in option order.
  static const std::array<int, kOptionCount> decimals = [] {
    std::array<int, kOptionCount> d{};
    for (const OptionInfo& o : kOptions) {
      if (o.kind == OptionKind::kReal) d[o.number - 1] = std::max(Format(o.cell).Precision(), 0);
    }
    return d;
  }();
  return decimals[static_cast<std::size_t>(option.number - 1)];
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
  const OptionValue value = OptionRead(option, member);
  if (value.real) {
    cell.AppendTo(line, {value.number});
  } else {
    cell.AppendTo(line, {static_cast<long long>(value.integer)});
  }
}

std::string OptionCell(const OptionInfo& option, const PlayerRecord& member) {
  std::string cell;
  OptionAppendCell(cell, option, member);
  return cell;
}
