// The sort engine: a sort list of the whole roster by any of the 35 options.
//
// The order: keys non-increasing (direction 0) or non-decreasing (any other
// direction); members with equal keys in reverse roster order, the last
// member of the roster first.  Taking the members in reverse roster order and
// sorting them stably gives exactly that order.  A NaN key is unordered
// against everything, so NaN members are set apart first and go after all
// others, still in reverse roster order.
//
// Every key is turned into an unsigned 64-bit number that orders as the key
// does (infinities as the largest and smallest values), and the numbers are
// sorted by a stable radix sort: a fixed number of passes over the members,
// so the time grows in step with the roster.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "console/console.h"
#include "list/list.h"
#include "roster/options.h"

namespace {

constexpr int kFallbackOption = OptionNumber("id");  // ascending
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

// Sorts by key, smallest first, keeping the order of equal keys: one pass
// per 11-bit digit of the key, least significant first, skipping a digit
// that every key shares.  The second buffer is kept from one sort to the
// next, so that sorting a large roster again costs no fresh memory.
constexpr int kDigitBits = 11;
constexpr int kDigits = (64 + kDigitBits - 1) / kDigitBits;
constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;

std::size_t Digit(std::uint64_t key, int digit) {
  return static_cast<std::size_t>(key >> (kDigitBits * digit)) & (kBuckets - 1);
}

void RadixSort(LargeVector<SortItem>& items) {
  const std::size_t n = items.size();
  if (n < 2) return;
  static std::vector<std::array<std::size_t, kBuckets>> counts(kDigits);
  for (auto& count : counts) count.fill(0);
  for (const SortItem& item : items) {
    for (int digit = 0; digit < kDigits; ++digit) ++counts[digit][Digit(item.key, digit)];
  }
  LargeVector<SortItem>& sorted = SortScratch();
  sorted.resize(n);
  for (int digit = 0; digit < kDigits; ++digit) {
    std::array<std::size_t, kBuckets>& count = counts[digit];
    if (std::find(count.begin(), count.end(), n) != count.end()) continue;
    std::size_t start = 0;
    for (std::size_t& c : count) {
      const std::size_t here = c;
      c = start;
      start += here;
    }
    for (const SortItem& item : items) sorted[count[Digit(item.key, digit)]++] = item;
    items.swap(sorted);
  }
}

// The members in the order of `field`, descending or ascending.
template <typename Value>
SlinkList SortBy(Value PlayerRecord::*field, bool descending) {
  LargeVector<SortItem>& keyed = SortItems();
  keyed.clear();
  std::vector<PlayerRecord*> unordered;
  for (PlayerRecord* member = Start->next; member != nullptr; member = member->next) {
    std::uint64_t key;
    if constexpr (std::is_same_v<Value, double>) {
      if (std::isnan(member->*field)) {
        unordered.push_back(member);
        continue;
      }
      key = Ordered(member->*field);
    } else {
      key = Ordered(static_cast<std::int64_t>(member->*field));
    }
    keyed.push_back({descending ? ~key : key, member});
  }
  // Last member of the roster first, NaN keys too.
  std::reverse(keyed.begin(), keyed.end());
  std::reverse(unordered.begin(), unordered.end());
  RadixSort(keyed);

  SlinkList list = NewSlinkList(keyed.size() + unordered.size());
  Slink* node = list.get();
  for (const SortItem& k : keyed) {
    node->record = k.record;
    node = node->next;
  }
  for (PlayerRecord* member : unordered) {
    node->record = member;
    node = node->next;
  }
  return list;
}

// The typed fast path: each kind of field has its own instance of SortBy.
SlinkList SortByOption(const OptionInfo& option, int direction) {
  const bool descending = direction == kDescending;
  return WithField(option, [descending](auto field) { return SortBy(field, descending); });
}

}  // namespace

SlinkList SortMain(int option, SlinkList old, int direction) {
  old.reset();
  if (option >= 1 && option <= kOptionCount) {
    return SortByOption(OptionByNumber(option), direction);
  }
  PrintLine("   [ERROR, SORT FAILED]");
  return SortByOption(OptionByNumber(kFallbackOption), kAscending);
}
