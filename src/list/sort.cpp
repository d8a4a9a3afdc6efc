// The sort engine: a sort list of the whole roster by any of the 35 options.
//
// The order: keys non-increasing (descending) or non-decreasing; members with
// equal keys in reverse roster order, the last member of the roster first.
// Taking the members in reverse roster order and sorting them stably gives
// exactly that order.  A NaN key is unordered against everything, so NaN
// members are set apart first and go after all others, still in reverse
// roster order.
//
// Every key is turned into an unsigned 64-bit number that orders as the key
// does (infinities as the largest and smallest values), and the numbers are
// sorted by a stable radix sort: a fixed number of passes over the members,
// so the time grows in step with the roster.
#include "list/sort.h"

#include <cmath>
#include <cstring>

namespace korvelin {

namespace {

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;

// Unsigned numbers in the order of the signed keys.
std::uint64_t Ordered(std::int64_t value) { return static_cast<std::uint64_t>(value) ^ kSignBit; }

// Unsigned numbers in the order of the doubles: negative values have all
// their bits turned (the larger the magnitude, the smaller), positive ones
// the sign bit set.  Minus zero counts as zero.  Not for NaN.
std::uint64_t Ordered(double value) {
  value += 0.0;  // -0.0 becomes +0.0
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return (bits & kSignBit) != 0 ? ~bits : bits | kSignBit;
}

}  // namespace

MemberOrder Sorter::Sort(const Roster& roster, const Weights& weights, const OptionInfo& option,
                         SortDirection direction) {
  const bool descending = direction == SortDirection::kDescending;
  items_.clear();
  items_.reserve(roster.size());
  unordered_.clear();
  // Last member of the roster first, NaN keys too.
  for (std::size_t i = roster.size(); i-- > 0;) {
    const Member& member = roster[i];
    const auto at = static_cast<std::uint32_t>(i);
    std::uint64_t key;
    if (option.kind == OptionKind::kReal) {
      const double value = option.real(member, weights);
      if (std::isnan(value)) {
        unordered_.push_back(at);
        continue;
      }
      key = Ordered(value);
    } else {
      key = Ordered(option.integer(member, weights));
    }
    items_.push_back({descending ? ~key : key, at});
  }
  RadixSort(items_, scratch_);

  MemberOrder order;
  order.reserve(items_.size() + unordered_.size());
  for (const KeyedPosition& item : items_) order.push_back(item.position);
  order.insert(order.end(), unordered_.begin(), unordered_.end());
  return order;
}

const OptionInfo* CustomSortOption(int number) {
  return number >= 1 && number <= kOptionCount ? &OptionByNumber(number) : nullptr;
}

}  // namespace korvelin
