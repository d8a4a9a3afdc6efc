// The list settings that travel in the save file: the custom list's sort,
// the four weights of the weighted stats and the stall bar.
#pragma once

#include <cstring>

namespace korvelin {

// The custom list's sort direction.  The save file stores it as a number:
// 0 descending and any other value ascending.  A session that was never
// loaded has kStartUp, which sorts ascending and is saved as 3, as the
// program has always written it.
enum class SortDirection { kDescending, kAscending, kStartUp };

constexpr bool IsAscending(SortDirection direction) {
  return direction != SortDirection::kDescending;
}
// The direction a save file's number stands for, and the number it is saved as.
constexpr SortDirection SortDirectionOf(int saved) {
  return saved == 0   ? SortDirection::kDescending
         : saved == 3 ? SortDirection::kStartUp
                      : SortDirection::kAscending;
}
constexpr int SavedNumberOf(SortDirection direction) {
  return direction == SortDirection::kDescending ? 0 : direction == SortDirection::kStartUp ? 3 : 1;
}

// The weights of the weighted stats: each weighted stat is a new stat times
// its weight.
struct Weights {
  double speed = 0.0;
  double power = 0.0;
  double strength = 0.0;
  double health = 0.0;
};

// Weights are equal when a save writes them alike: bit for bit, so that a
// NaN read from a damaged file equals itself.
inline bool operator==(const Weights& a, const Weights& b) {
  static_assert(sizeof(Weights) == 4 * sizeof(double), "four weights, compared as bytes");
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The weights a stat-table import starts from, and the most each may be set to.
constexpr Weights kDefaultWeights = {2.12, 1.24, 1.434, 0.667};
constexpr double kMostFightingWeight = 15.0;  // speed, power and strength
constexpr double kMostHealthWeight = 10.0;

// STALLED's bar: a member stalls when its total rose by at most `per_week`
// a week over the last `weeks` weeks.  The save file keeps it on a line of
// its own, only when it differs from these defaults.
struct StallBar {
  int weeks = 3;          // kFewestStallWeeks to kMostStallWeeks
  double per_week = 0.0;  // 0 or more
};
constexpr int kFewestStallWeeks = 1;
constexpr int kMostStallWeeks = 52;

// Bit for bit, as the weights.
inline bool operator==(const StallBar& a, const StallBar& b) {
  return a.weeks == b.weeks && std::memcmp(&a.per_week, &b.per_week, sizeof a.per_week) == 0;
}
inline bool operator!=(const StallBar& a, const StallBar& b) { return !(a == b); }

// The custom list's sort, the weights and the stall bar.  A new session
// starts with no weights (every weighted stat 0) and sorts by option 3
// (healthp), as it always has; a stat-table import resets them
// (ResetListSettings in files/load.cpp).
struct ListSettings {
  int sort_option = 3;  // 1-35; any other value (from a damaged save file) sorts by ID
  SortDirection sort_direction = SortDirection::kStartUp;
  Weights weights;
  StallBar stall;
};

inline bool operator==(const ListSettings& a, const ListSettings& b) {
  return a.sort_option == b.sort_option && a.sort_direction == b.sort_direction &&
         a.weights == b.weights && a.stall == b.stall;
}
inline bool operator!=(const ListSettings& a, const ListSettings& b) { return !(a == b); }

}  // namespace korvelin
