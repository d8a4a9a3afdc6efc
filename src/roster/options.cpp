// The accessors of the option table.
#include "roster/options.h"

#include <algorithm>
#include <array>

#include "text/format.h"

namespace korvelin {

using option_table::kOptions;

const OptionInfo& OptionByNumber(int number) { return kOptions[number - 1]; }

const OptionInfo* OptionByKeyword(std::string_view word) {
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

OptionValue OptionRead(const OptionInfo& option, const Member& member, const Weights& weights) {
  if (option.kind == OptionKind::kReal) return {true, 0, option.real(member, weights)};
  return {false, option.integer(member, weights), 0.0};
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

const Format& OptionCellFormat(const OptionInfo& option) {
  // In option order.
  static const std::vector<Format> cells = [] {
    std::vector<Format> formats;
    for (const OptionInfo& o : kOptions) formats.emplace_back(o.cell);
    return formats;
  }();
  return cells[static_cast<std::size_t>(option.number - 1)];
}

void OptionAppendCell(std::string& line, const OptionInfo& option, const OptionValue& value) {
  const Format& cell = OptionCellFormat(option);
  if (value.real) {
    cell.AppendTo(line, {value.number});
  } else {
    cell.AppendTo(line, {static_cast<long long>(value.integer)});
  }
}

}  // namespace korvelin
