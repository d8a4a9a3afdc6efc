// The one radix sort of the program: items ordered by 64-bit keys, which the
// sort engine (list/sort.h) and the season (roster/season.h) build from
// their own values.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/large_memory.h"

namespace korvelin {

// Sorts `items` by `key_of(item)` (a 64-bit unsigned key), smallest first,
// keeping the order of equal keys: one pass per 11-bit digit of the key,
// least significant first, skipping a digit that every key shares, so that
// the time grows in step with the items.  `scratch` is the second array the
// passes need, kept by the caller from one sort to the next.
template <typename T, typename KeyOf>
void RadixSortBy(LargeVector<T>& items, LargeVector<T>& scratch, KeyOf key_of) {
  constexpr int kDigitBits = 11;
  constexpr int kDigits = (64 + kDigitBits - 1) / kDigitBits;
  constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;
  const auto digit_of = [](std::uint64_t key, int digit) {
    return static_cast<std::size_t>(key >> (kDigitBits * digit)) & (kBuckets - 1);
  };
  const std::size_t n = items.size();
  if (n < 2) return;
  std::vector<std::array<std::size_t, kBuckets>> counts(kDigits);
  for (const T& item : items) {
    const std::uint64_t key = key_of(item);
    for (int digit = 0; digit < kDigits; ++digit) ++counts[digit][digit_of(key, digit)];
  }
  scratch.resize(n);
  for (int digit = 0; digit < kDigits; ++digit) {
    std::array<std::size_t, kBuckets>& count = counts[digit];
    if (std::find(count.begin(), count.end(), n) != count.end()) continue;
    std::size_t start = 0;
    for (std::size_t& c : count) {
      const std::size_t here = c;
      c = start;
      start += here;
    }
    for (const T& item : items) scratch[count[digit_of(key_of(item), digit)]++] = item;
    items.swap(scratch);
  }
}

// A position and the key it is ordered by.
struct KeyedPosition {
  std::uint64_t key;
  std::uint32_t position;
};

inline void RadixSort(LargeVector<KeyedPosition>& items, LargeVector<KeyedPosition>& scratch) {
  RadixSortBy(items, scratch, [](const KeyedPosition& item) { return item.key; });
}

}  // namespace korvelin
