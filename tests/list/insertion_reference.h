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
#include "roster/roster.h"
#include "roster/settings.h"

namespace korvelin {

namespace reference {

// Members by their position in the roster.
using Order = std::vector<std::uint32_t>;

template <typename Key, typename Before>
Order Insert(const std::vector<Key>& keys) {
  std::multimap<Key, std::uint32_t, Before> placed;
  Order unordered;  // NaN keys, last member first
  for (std::uint32_t member = 0; member < keys.size(); ++member) {
    const Key key = keys[member];
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
  Order order;
  for (const auto& entry : placed) order.push_back(entry.second);
  order.insert(order.end(), unordered.begin(), unordered.end());
  return order;
}

template <typename Key>
Order ByKey(const std::vector<Key>& keys, bool ascending) {
  if (!ascending) return Insert<Key, std::greater<Key>>(keys);
  return Insert<Key, std::less<Key>>(keys);
}

// The roster in the order of `option` (1-35) under `weights`, descending or
// ascending.
inline Order InsertionOrder(const Roster& roster, const Weights& weights, const OptionInfo& option,
                            bool ascending) {
  std::vector<std::int64_t> integers;
  std::vector<double> reals;
  for (const Member& member : roster) {
    const OptionValue value = OptionRead(option, member, weights);
    if (value.real) {
      reals.push_back(value.number);
    } else {
      integers.push_back(value.integer);
    }
  }
  if (option.kind == OptionKind::kReal) return ByKey(reals, ascending);
  return ByKey(integers, ascending);
}

}  // namespace reference

}  // namespace korvelin
