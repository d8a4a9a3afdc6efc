// The sort engine: the roster in the order of any of the 35 options.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/large_memory.h"
#include "base/radix_sort.h"
#include "roster/options.h"
#include "roster/roster.h"
#include "roster/settings.h"

namespace korvelin {

// Members of a roster by position, in the order of a sort.  Valid while the
// roster keeps its members.
using MemberOrder = LargeVector<std::uint32_t>;

// Sorts rosters, keeping its working arrays from one sort to the next, so
// that sorting a large roster again costs no fresh memory.
class Sorter {
 public:
  // The roster in the order of `option` (1-35) under `weights`: keys
  // non-increasing for kDescending, non-decreasing otherwise; members with
  // equal keys in reverse roster order, NaN keys last (also in reverse roster
  // order).
  MemberOrder Sort(const Roster& roster, const Weights& weights, const OptionInfo& option,
                   SortDirection direction);

 private:
  LargeVector<KeyedPosition> items_;      // the members and their keys
  LargeVector<KeyedPosition> scratch_;    // the radix sort's second array
  std::vector<std::uint32_t> unordered_;  // NaN keys
};

// The option the custom list is sorted by: `number` when it is one (1-35),
// otherwise null, and the list is then sorted by ID, ascending.
const OptionInfo* CustomSortOption(int number);

}  // namespace korvelin
