// The history's points and its store of names.
#include "roster/history.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>

namespace {

bool SameKey(const HistoryPoint& a, const HistoryPoint& b) {
  return a.day == b.day && a.id == b.id;
}

// A name as a history keeps it: as the roster would (up to its first NUL,
// at most kNameBytes), without the spaces that pad its end.
std::string_view Kept(std::string_view name) {
  name = name.substr(0, std::min(name.find('\0'), kNameBytes));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

}  // namespace

HistoryPoint PointOf(int day, const Member& member) {
  HistoryPoint point{};
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

namespace {

std::uint64_t HashOf(std::string_view name) { return std::hash<std::string_view>()(name); }

// A slot holds the upper half of its name's hash beside the name's number
// + 1, so that a probe compares a name's bytes only when the hashes agree.
std::uint64_t Slot(std::uint64_t hash, std::uint32_t index) {
  return (hash & 0xFFFFFFFF00000000u) | (index + 1u);
}

}  // namespace

std::uint32_t NameStore::Intern(std::string_view name) {
  if (2 * (refs_.size() + 1) > slots_.size()) Rehash(std::max<std::size_t>(64, 2 * slots_.size()));
  const std::size_t mask = slots_.size() - 1;
  const std::uint64_t hash = HashOf(name);
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const std::uint64_t slot = slots_[i];
    if (slot == 0) {
      NameRef ref;
      ref.offset = bytes_.size();
      ref.length = name.size();
      bytes_.insert(bytes_.end(), name.begin(), name.end());
      refs_.push_back(ref);
      const std::uint32_t index = static_cast<std::uint32_t>(refs_.size() - 1);
      slots_[i] = Slot(hash, index);
      return index;
    }
    const std::uint32_t index = static_cast<std::uint32_t>(slot) - 1;
    if (slot == Slot(hash, index) && (*this)[index] == name) return index;
  }
}

void NameStore::Rehash(std::size_t slots) {
  slots_.assign(slots, 0);
  const std::size_t mask = slots - 1;
  for (std::uint32_t index = 0; index < refs_.size(); ++index) {
    const std::uint64_t hash = HashOf((*this)[index]);
    std::size_t i = hash & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = Slot(hash, index);
  }
}

// ---------------------------------------------------------------------------
// PointBatch and History
// ---------------------------------------------------------------------------

void PointBatch::Add(const HistoryPoint& point, std::string_view name) {
  name = Kept(name);
  NameRef ref;
  ref.offset = name_bytes_.size();
  ref.length = name.size();
  name_bytes_.insert(name_bytes_.end(), name.begin(), name.end());
  names_.push_back(ref);
  points_.push_back(point);
  points_.back().name = static_cast<std::uint32_t>(names_.size() - 1);
}

std::vector<History::Date> History::Dates() const {
  std::vector<Date> dates;
  for (std::size_t at = 0; at < points_.size();) {
    const int day = points_[at].day;
    const auto after =
        std::upper_bound(points_.begin() + static_cast<std::ptrdiff_t>(at), points_.end(), day,
                         [](int d, const HistoryPoint& point) { return d < point.day; });
    const std::size_t end = static_cast<std::size_t>(after - points_.begin());
    dates.push_back({day, at, end});
    at = end;
  }
  return dates;
}

const HistoryPoint* History::Find(const Date& date, int id) const {
  const auto first = points_.begin() + static_cast<std::ptrdiff_t>(date.begin);
  const auto last = points_.begin() + static_cast<std::ptrdiff_t>(date.end);
  const auto found = std::lower_bound(
      first, last, id, [](const HistoryPoint& point, int i) { return point.id < i; });
  return found != last && found->id == id ? &*found : nullptr;
}

void History::Add(PointBatch batch) {
  LargeVector<HistoryPoint>& added = batch.points_;
  // By date and ID, and in the order added among the points of one member
  // and date: a batch point's name is its number in the order added.
  std::sort(added.begin(), added.end(), [](const HistoryPoint& a, const HistoryPoint& b) {
    return PointBefore(a, b) || (SameKey(a, b) && a.name < b.name);
  });
  // Of the points of one member and date, the last added is kept.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < added.size(); ++i) {
    if (i + 1 < added.size() && SameKey(added[i], added[i + 1])) continue;
    HistoryPoint& point = added[kept++] = added[i];
    const NameRef ref = batch.names_[point.name];
    point.name = names_.Intern(std::string_view(batch.name_bytes_.data() + ref.offset, ref.length));
  }
  added.resize(kept);
  if (added.empty()) return;

  // A table of a date after every other (the weekly UPDATE) goes at the
  // end; a first one is the history.
  if (points_.empty()) {
    points_.swap(added);
    return;
  }
  if (PointBefore(points_.back(), added.front())) {
    points_.insert(points_.end(), added.begin(), added.end());
    return;
  }
  LargeVector<HistoryPoint> merged;
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

bool History::operator==(const History& other) const {
  // A point's fields before its name are compared as bytes, so that a
  // begging skill read as NaN equals itself.
  static_assert(offsetof(HistoryPoint, name) == sizeof(double) + 8 * sizeof(std::int32_t),
                "a point's values are compared as bytes");
  if (size() != other.size()) return false;
  for (std::size_t i = 0; i < size(); ++i) {
    const HistoryPoint& a = points_[i];
    const HistoryPoint& b = other.points_[i];
    if (std::memcmp(&a, &b, offsetof(HistoryPoint, name)) != 0 || NameOf(a) != other.NameOf(b)) {
      return false;
    }
  }
  return true;
}
