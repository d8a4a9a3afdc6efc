// The season's points and its store of names.
#include "roster/season.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "base/radix_sort.h"

namespace korvelin {

namespace {

bool SameKey(const SeasonPoint& a, const SeasonPoint& b) { return a.day == b.day && a.id == b.id; }

// A name as a season keeps it: as the roster would (up to its first NUL,
// at most kNameBytes), without the spaces that pad its end.
std::string_view Kept(std::string_view name) {
  name = name.substr(0, std::min(name.find('\0'), kNameBytes));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

}  // namespace

SeasonPoint PointOf(int day, const Member& member) {
  SeasonPoint point{};
  point.beg = member.newbeg;
  point.day = day;
  point.id = member.id;
  point.level = member.level;
  point.speed = member.newspeed;
  point.power = member.newpower;
  point.strength = member.newstren;
  point.health = member.newhealth;
  point.intel = member.newintel;
  return point;
}

// ---------------------------------------------------------------------------
// NameStore
// ---------------------------------------------------------------------------

std::uint32_t NameStore::Append(std::string_view name) {
  NameRef ref;
  ref.offset = bytes_.size();
  ref.length = name.size();
  bytes_.insert(bytes_.end(), name.begin(), name.end());
  refs_.push_back(ref);
  return static_cast<std::uint32_t>(refs_.size() - 1);
}

// ---------------------------------------------------------------------------
// PointBatch and Season
// ---------------------------------------------------------------------------

void PointBatch::Add(const SeasonPoint& point, std::string_view name) {
  points_.push_back(point);
  points_.back().name = names_.Append(Kept(name));
}

std::vector<Season::Date> Season::Dates() const {
  std::vector<Date> dates;
  for (std::size_t at = 0; at < points_.size();) {
    const int day = points_[at].day;
    const auto after =
        std::upper_bound(points_.begin() + static_cast<std::ptrdiff_t>(at), points_.end(), day,
                         [](int d, const SeasonPoint& point) { return d < point.day; });
    const std::size_t end = static_cast<std::size_t>(after - points_.begin());
    dates.push_back({day, at, end});
    at = end;
  }
  return dates;
}

const SeasonPoint* Season::Find(const Date& date, int id) const {
  const auto first = points_.begin() + static_cast<std::ptrdiff_t>(date.begin);
  const auto last = points_.begin() + static_cast<std::ptrdiff_t>(date.end);
  const auto found = std::lower_bound(first, last, id,
                                      [](const SeasonPoint& point, int i) { return point.id < i; });
  return found != last && found->id == id ? &*found : nullptr;
}

namespace {

// A point's place in a season: by date, then ID, as unsigned numbers.
std::uint64_t KeyOf(const SeasonPoint& point) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(point.day) ^ 0x80000000u) << 32) |
         (static_cast<std::uint32_t>(point.id) ^ 0x80000000u);
}

// The points of `day` in [first, last) of points sorted by date: a range.
struct Block {
  const SeasonPoint* begin = nullptr;
  const SeasonPoint* end = nullptr;
  int day = 0;
  bool empty() const { return begin == end; }
};

// The points of the last date before `day` in sorted `points`.
Block DateBefore(const SeasonPoint* first, const SeasonPoint* last, int day) {
  const SeasonPoint* before = std::lower_bound(
      first, last, day, [](const SeasonPoint& point, int d) { return point.day < d; });
  if (before == first) return {};
  const int previous = before[-1].day;
  const SeasonPoint* start = std::lower_bound(
      first, before, previous, [](const SeasonPoint& point, int d) { return point.day < d; });
  return {start, before, previous};
}

}  // namespace

void Season::Add(PointBatch batch) {
  LargeVector<SeasonPoint>& added = batch.points_;
  // By date and ID, and in the order added among the points of one member
  // and date: the radix sort keeps the order of equal keys.
  {
    LargeVector<SeasonPoint> scratch;
    RadixSortBy(added, scratch, KeyOf);
  }
  // Of the points of one member and date, the last added is kept.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < added.size(); ++i) {
    if (i + 1 < added.size() && SameKey(added[i], added[i + 1])) continue;
    added[kept++] = added[i];
  }
  added.resize(kept);
  if (added.empty()) return;

  // The names.  A first snapshot's are taken over whole.  Otherwise each
  // date's points are walked beside those of the date before (in the
  // season or earlier in the batch, whichever is later), both in ID order:
  // a member named as it was then keeps that name's number, and only a new
  // or changed name is stored.
  if (points_.empty() && names_.empty() && added.front().day == added.back().day) {
    names_ = std::move(batch.names_);
  } else {
    Block earlier;  // the batch's date before the one being named
    for (std::size_t at = 0; at < added.size();) {
      const int day = added[at].day;
      std::size_t end = at;
      while (end < added.size() && added[end].day == day) ++end;
      Block before = DateBefore(points_.data(), points_.data() + points_.size(), day);
      if (!earlier.empty() && (before.empty() || earlier.day > before.day)) before = earlier;
      const SeasonPoint* previous = before.begin;
      for (std::size_t i = at; i < end; ++i) {
        SeasonPoint& point = added[i];
        while (previous != before.end && previous->id < point.id) ++previous;
        const std::string_view name = batch.names_[point.name];
        if (previous != before.end && previous->id == point.id && names_[previous->name] == name) {
          point.name = previous->name;
        } else {
          point.name = names_.Append(name);
        }
      }
      earlier = {added.data() + at, added.data() + end, day};
      at = end;
    }
  }

  // A table of a date after every other (the weekly UPDATE) goes at the
  // end; a first one is the season.
  if (points_.empty()) {
    points_.swap(added);
    return;
  }
  if (PointBefore(points_.back(), added.front())) {
    points_.insert(points_.end(), added.begin(), added.end());
    return;
  }
  LargeVector<SeasonPoint> merged;
  merged.reserve(points_.size() + added.size());
  std::size_t a = 0, b = 0;
  while (a < points_.size() || b < added.size()) {
    if (b == added.size() || (a < points_.size() && PointBefore(points_[a], added[b]))) {
      merged.push_back(points_[a++]);
    } else {
      if (a < points_.size() && SameKey(points_[a], added[b])) ++a;  // replaced
      merged.push_back(added[b++]);
    }
  }
  points_.swap(merged);
}

bool Season::operator==(const Season& other) const {
  // A point's fields before its name are compared as bytes, so that a
  // begging skill read as NaN equals itself.
  static_assert(offsetof(SeasonPoint, name) == sizeof(double) + 8 * sizeof(std::int32_t),
                "a point's values are compared as bytes");
  if (size() != other.size()) return false;
  for (std::size_t i = 0; i < size(); ++i) {
    const SeasonPoint& a = points_[i];
    const SeasonPoint& b = other.points_[i];
    if (std::memcmp(&a, &b, offsetof(SeasonPoint, name)) != 0 || NameOf(a) != other.NameOf(b)) {
      return false;
    }
  }
  return true;
}

}  // namespace korvelin
