// The sort engine: a sort list of the whole roster by any of the 35 options.
//
// The order: keys non-increasing (direction 0) or non-decreasing (any other
// direction); members with equal keys in reverse roster order, the last
// member of the roster first.  Taking the members in reverse roster order and
// sorting them stably gives exactly that order in O(n log n).  A NaN key is
// unordered against everything, so NaN members are set apart first and go
// after all others, still in reverse roster order.  Infinities compare as the
// largest and smallest keys of their own accord.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "list/list.h"
#include "shell/shell.h"

namespace {

constexpr int kFallbackOption = 17;  // id, ascending

template <typename Key>
struct Keyed {
  Key key;
  PlayerRecord* record;
};

bool IsNaN(std::int64_t) {
  return false;
}
bool IsNaN(double key) {
  return std::isnan(key);
}

// The members with their keys, last member of the roster first.
template <typename Key, typename Field>
std::vector<Keyed<Key>> KeysInReverseRosterOrder(Field field) {
  std::vector<Keyed<Key>> keyed;
  keyed.reserve(static_cast<std::size_t>(std::max(EntryCount(), 0)));
  for (PlayerRecord* member = Start->next; member != nullptr; member = member->next) {
    keyed.push_back({static_cast<Key>(member->*field), member});
  }
  std::reverse(keyed.begin(), keyed.end());
  return keyed;
}

template <typename Key>
void Order(std::vector<Keyed<Key>>& keyed, bool descending) {
  const auto ordered_end = std::stable_partition(keyed.begin(), keyed.end(),
                                                 [](const Keyed<Key>& k) { return !IsNaN(k.key); });
  if (descending) {
    std::stable_sort(keyed.begin(), ordered_end,
                     [](const Keyed<Key>& a, const Keyed<Key>& b) { return a.key > b.key; });
  } else {
    std::stable_sort(keyed.begin(), ordered_end,
                     [](const Keyed<Key>& a, const Keyed<Key>& b) { return a.key < b.key; });
  }
}

// Chains one node per member in the given order.
template <typename Key>
SlinkList Chain(const std::vector<Keyed<Key>>& keyed) {
  SlinkList first;
  Slink* last = nullptr;
  for (const Keyed<Key>& k : keyed) {
    Slink* node = new Slink{k.record, nullptr, last};
    if (last == nullptr) {
      first.reset(node);
    } else {
      last->next = node;
    }
    last = node;
  }
  return first;
}

template <typename Key, typename Field>
SlinkList SortBy(Field field, bool descending) {
  std::vector<Keyed<Key>> keyed = KeysInReverseRosterOrder<Key>(field);
  Order(keyed, descending);
  return Chain(keyed);
}

SlinkList SortByOption(const OptionInfo& option, int direction) {
  const bool descending = direction == 0;
  switch (option.kind) {
    case OptionKind::kInt:
      return SortBy<std::int64_t>(option.int_field, descending);
    case OptionKind::kWide:
      return SortBy<std::int64_t>(option.wide_field, descending);
    case OptionKind::kReal:
      return SortBy<double>(option.real_field, descending);
  }
  return SlinkList();
}

}  // namespace

SlinkList SortMain(int option, SlinkList old, int direction) {
  old.reset();
  if (option >= 1 && option <= kOptionCount) {
    return SortByOption(OptionByNumber(option), direction);
  }
  PrintLine("   [ERROR, SORT FAILED]");
  return SortByOption(OptionByNumber(kFallbackOption), 1);
}
