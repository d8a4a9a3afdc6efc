// The season: every stat table LOAD and UPDATE have read, kept as a dated
// snapshot of the members it held, so that TREND and HISTORY can look back
// over a season and not only at the roster's two snapshots.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/large_memory.h"
#include "roster/member.h"

namespace korvelin {

// One member as a stat table left it on one date.  A million members over
// eight dates are eight million points: the name is a number into the
// season's own store, where a name that comes back week after week is
// kept once.
struct SeasonPoint {
  double beg;          // begging skill
  std::int32_t day;    // the snapshot's date (text/dates.h)
  std::int32_t id;     // game ID
  std::int32_t level;  // and the new stats
  std::int32_t speed;
  std::int32_t power;
  std::int32_t strength;
  std::int32_t health;
  std::int32_t intel;
  std::uint32_t name;  // in its season's (or batch's) name store
};
static_assert(sizeof(SeasonPoint) <= 48, "a point takes at most 48 bytes");

// A point's total: speed, power and strength, as the roster's totals are.
inline std::int64_t TotalOf(const SeasonPoint& p) {
  return std::int64_t{p.speed} + p.power + p.strength;
}

// A change over `days` days, per week of seven days.
inline double PerWeek(double change, int days) { return change / days * 7; }

// Whether `a` comes before `b` in a season: by date, then by ID.
inline bool PointBefore(const SeasonPoint& a, const SeasonPoint& b) {
  return a.day != b.day ? a.day < b.day : a.id < b.id;
}

// The point of `member` as it now stands (ID, level and its new stats) on
// the date `day`; its name is set apart.
SeasonPoint PointOf(int day, const Member& member);

// The season's names, by number.  A member's name is stored again only
// when it differs from its name at the date before (Season::Add), so that a
// name that comes back week after week is kept once.
class NameStore {
 public:
  // Stores `name`; returns its number.
  std::uint32_t Append(std::string_view name);
  std::string_view operator[](std::uint32_t index) const {
    const NameRef ref = refs_[index];
    return std::string_view(bytes_.data() + ref.offset, ref.length);
  }
  bool empty() const { return refs_.empty(); }
  std::size_t size() const { return refs_.size(); }
  // The bytes the names take.
  std::size_t Bytes() const { return bytes_.size() + refs_.size() * sizeof(NameRef); }
  // Asks the processor for name `index` ahead of reading it: where it lies,
  // then (once that is at hand) its bytes.
  void FetchPlace(std::uint32_t index) const { __builtin_prefetch(&refs_[index]); }
  void FetchBytes(std::uint32_t index) const {
    __builtin_prefetch(bytes_.data() + refs_[index].offset);
  }
  // Makes room for `names` names of `bytes` bytes in all.
  void Reserve(std::size_t names, std::size_t bytes) {
    refs_.reserve(names);
    bytes_.reserve(bytes);
  }

 private:
  LargeVector<char> bytes_;    // every name, one after another
  LargeVector<NameRef> refs_;  // where each name lies, by number
};

// Points gathered apart from a season (a stat table being read, a save
// file's season section) and added to it in one step once they are whole.
class PointBatch {
 public:
  // Adds a point and its name (as a season keeps names: up to a NUL byte,
  // at most kNameBytes, without the spaces that pad its end).
  void Add(const SeasonPoint& point, std::string_view name);
  std::size_t size() const { return points_.size(); }
  bool empty() const { return points_.empty(); }
  // Makes room for `points` points and `name_bytes` bytes of names in all.
  void Reserve(std::size_t points, std::size_t name_bytes = 0) {
    points_.reserve(points);
    names_.Reserve(points, name_bytes);
  }

 private:
  friend class Season;
  LargeVector<SeasonPoint> points_;  // in the order added; name: the number in names_
  NameStore names_;                  // one a point: Season::Add reads them in ID order
};

// A stat table's snapshot while the table is read: the points of one date.
struct Snapshot {
  int day;
  PointBatch points;
  // The member as it stands after its row.
  void Add(const Member& member, std::string_view name) { points.Add(PointOf(day, member), name); }
};

// The points, ordered by date, then ID: at most one for a member and date.
class Season {
 public:
  // The points of one date: [begin, end) of the season.
  struct Date {
    int day;
    std::size_t begin;
    std::size_t end;
  };

  bool empty() const { return points_.empty(); }
  std::size_t size() const { return points_.size(); }
  const SeasonPoint& operator[](std::size_t index) const { return points_[index]; }
  const SeasonPoint* begin() const { return points_.data(); }
  const SeasonPoint* end() const { return points_.data() + points_.size(); }
  std::string_view NameOf(const SeasonPoint& point) const { return names_[point.name]; }
  // The names of points read in order lie wherever their members were first
  // stored: a walk of the points fetches them ahead with these.
  void FetchNamePlace(const SeasonPoint& point) const { names_.FetchPlace(point.name); }
  void FetchName(const SeasonPoint& point) const { names_.FetchBytes(point.name); }

  // The dates that have points, oldest first.
  std::vector<Date> Dates() const;
  // The point of the member `id` on `date`, or null.
  const SeasonPoint* Find(const Date& date, int id) const;

  // Adds the batch's points: each replaces the point of its member and date
  // when there is one (of two in the batch, the later wins), so that a
  // table read again on its date corrects that date's points of the
  // members it holds and leaves the others.
  void Add(PointBatch batch);

  // The same points, names included.
  bool operator==(const Season& other) const;
  bool operator!=(const Season& other) const { return !(*this == other); }
  // The bytes a copy takes.
  std::size_t CopyBytes() const { return points_.size() * sizeof(SeasonPoint) + names_.Bytes(); }

 private:
  LargeVector<SeasonPoint> points_;
  NameStore names_;
};

}  // namespace korvelin
