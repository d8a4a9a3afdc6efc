// The order a sort list must have, worked out the straightforward way: each
// member, taken in roster order, is placed in front of the first placed
// member whose key is less than or equal to its own (descending) or greater
// than or equal to its own (ascending).  The placed members always stay in
// order, so that first member is found by a search of an ordered index
// rather than a walk, which keeps the reference usable on large rosters.
// A NaN key has no place in that order: NaN members go last, in reverse
// roster order.  Kept here, apart from the program, to check its sort engine.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "roster/options.h"
#include "roster/record.h"

namespace reference {

template <typename Key, typename Before>
std::vector<const PlayerRecord*> Insert(
    const std::vector<std::pair<Key, const PlayerRecord*>>& keyed) {
  std::multimap<Key, const PlayerRecord*, Before> placed;
  std::vector<const PlayerRecord*> unordered;  // NaN keys, last member first
  for (const auto& [key, member] : keyed) {
    if constexpr (std::is_floating_point_v<Key>) {
      if (std::isnan(key)) {
        unordered.insert(unordered.begin(), member);
        continue;
      }
    }
    // lower_bound: the first placed member whose key is not before this one,
    // i.e. <= (descending) or >= (ascending); the new member goes in front.
    placed.emplace_hint(placed.lower_bound(key), key, member);
  }
  std::vector<const PlayerRecord*> order;
  for (const auto& entry : placed) order.push_back(entry.second);
  order.insert(order.end(), unordered.begin(), unordered.end());
  return order;
}

template <typename Key, typename Field>
std::vector<const PlayerRecord*> ByField(Field field, int direction) {
  std::vector<std::pair<Key, const PlayerRecord*>> keyed;
  for (const PlayerRecord* r = Start->next; r != nullptr; r = r->next) {
    keyed.emplace_back(static_cast<Key>(r->*field), r);
  }
  if (direction == 0) return Insert<Key, std::greater<Key>>(keyed);
  return Insert<Key, std::less<Key>>(keyed);
}

// The roster in the order of option `option` (1-35) and `direction`.
inline std::vector<const PlayerRecord*> InsertionOrder(const OptionInfo& option, int direction) {
  switch (option.kind) {
    case OptionKind::kInt: return ByField<std::int64_t>(option.int_field, direction);
    case OptionKind::kWide: return ByField<std::int64_t>(option.wide_field, direction);
    case OptionKind::kReal: return ByField<double>(option.real_field, direction);
  }
  return {};
}

}  // namespace reference
