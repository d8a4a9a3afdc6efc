// Reading the game's stat tables: the rows, the import and the update.
#include "files/stat_table.h"

#include <cstdint>
#include <vector>

#include "console/interrupt.h"
#include "files/fields.h"
#include "roster/memory.h"
#include "text/format.h"
#include "text/numbers.h"

namespace {

// How a row's name ended.
enum class NameEnd {
  kId,     // at a "(" directly followed by a digit: the ID comes next
  kBlank,  // at the line end, after nothing but spaces and tabs
  kNoId,   // at the line end or the end of the stream, without an ID
};

// Reads a row's name: the characters up to the first "(" directly followed
// by a digit, which is consumed (the digit is not).  The first 29 are kept
// and the rest dropped, so the ID and the stats of a long name are still
// read from their own places.  A tab is read as a space; any other
// character, control characters included, is part of the name.  A line
// that ends (or a stream that ends) before such a "(" holds no row.
NameEnd ReadRowName(TextStream& in, std::string& name) {
  name.clear();
  std::size_t characters = 0;
  bool blank = true;
  for (;;) {
    StreamChar c = in.GetChar();
    if (c.code == kEnd || c.code == '\n') return blank ? NameEnd::kBlank : NameEnd::kNoId;
    if (c.code == '(' && IsDigit(in.Peek())) break;
    if (c.code == '\t') c = StreamChar{' ', 1, {' '}};
    blank = blank && c.code == ' ';
    if (characters < kNameLength) {
      name.append(c.Bytes());
      ++characters;
    }
  }
  return NameEnd::kId;
}

}  // namespace

bool ReadTableRow(TextStream& in, TableRow& row, int& skipped, TextSink& echo) {
  for (;;) {
    // A row starts after any control characters.
    StreamChar c;
    while ((c = in.GetChar()).code != kEnd && IsControl(c.code)) {
    }
    if (c.code == kEnd) return false;
    in.Unget(c);
    const NameEnd end = ReadRowName(in, row.name);
    if (end == NameEnd::kId) break;
    // A line without an ID (a title row, a stray line) is not a member.
    if (end == NameEnd::kNoId) ++skipped;
  }
  Member& r = row.member;
  r = Member();
  ReadTableInt(in, r.id);
  SkipToTableNumber(in);
  ReadTableInt(in, r.level);
  // A row that ends after its level carries no stats.  Tabs separate the
  // fields like spaces; any other control character ends the row.
  const bool stats = SkipToTableNumber(in) == Skip::kAtNumber;
  if (stats) {
    ReadTableInt(in, r.oldspeed);
    SkipToTableNumber(in);
    ReadTableInt(in, r.oldpower);
    SkipToTableNumber(in);
    ReadTableInt(in, r.oldstren);
    SkipToTableNumber(in);
    ReadTableInt(in, r.oldhealth);
    // Tables carry neither intelligence nor begging skill: every member
    // starts from 1000 and 2.0.
    r.newspeed = r.oldspeed;
    r.newpower = r.oldpower;
    r.newstren = r.oldstren;
    r.newhealth = r.oldhealth;
    r.newintel = 1000;
    r.oldintel = 1000;
    r.newbeg = 2.0;
    r.oldbeg = 2.0;
    // What follows the health value on the line is ignored.
    StreamChar c;
    while ((c = in.GetChar()).code != kEnd && (!IsControl(c.code) || c.code == '\t')) {
    }
  }
  // The echo: each value as read, a dot for each of the seven values set.
  static const Format kEcho("%-30.30s : %6d : %3d");
  static const Format kStatsEcho(" : %5d : %5d : %5d : %6d . . . . . . .   .done");
  row.echo.clear();
  kEcho.AppendTo(row.echo, {row.name, r.id, r.level});
  if (stats) kStatsEcho.AppendTo(row.echo, {r.oldspeed, r.oldpower, r.oldstren, r.oldhealth});
  row.echo += '\n';
  echo.Write(row.echo);
  return true;
}

TableReport ImportStatTable(TextStream& in, Roster& roster, TextSink& echo) {
  roster.Clear();
  TableReport report;
  TableRow row;
  while (ReadTableRow(in, row, report.skipped, echo)) {
    roster.Append(row.member, row.name);
    ++report.rows;
    if (InterruptRequested()) break;
  }
  report.interrupted = InterruptRequested();
  return report;
}

// ---------------------------------------------------------------------------
// UPDATE
// ---------------------------------------------------------------------------

namespace {

// Where the member with an ID is: in the roster, or among the members this
// update adds.
struct Place {
  bool added;
  std::uint32_t index;
};

// The first member in roster order with each ID, as a walk from the front
// would find it: an open-addressing table, one probe in the usual case.
class FirstWithId {
 public:
  explicit FirstWithId(std::size_t members) {
    std::size_t capacity = 16;
    while (capacity < 2 * members) capacity *= 2;
    Resize(capacity);
  }
  // False when no member has the ID.
  bool Find(int id, Place& place) const {
    const Slot& slot = slots_[SlotOf(id)];
    if (!slot.used) return false;
    place = slot.place;
    return true;
  }
  // Hints that `id` will be looked up soon.
  void Prefetch(int id) const { __builtin_prefetch(&slots_[Home(id)]); }
  // Records `place` for `id` unless an earlier member already has the ID.
  void Add(int id, Place place) {
    Slot& slot = slots_[SlotOf(id)];
    if (slot.used) return;
    slot = {id, true, place};
    if (++count_ * 2 > slots_.size()) Grow();
  }

 private:
  struct Slot {
    int id = 0;
    bool used = false;
    Place place{false, 0};
  };
  // The high bits of a multiplicative hash: IDs close together land apart.
  std::size_t Home(int id) const {
    return static_cast<std::size_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(id)) * 0x9E3779B97F4A7C15u) >>
        shift_);
  }
  void Resize(std::size_t capacity) {
    slots_.assign(capacity, Slot());
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c /= 2) --shift_;
  }
  std::size_t SlotOf(int id) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = Home(id);
    while (slots_[i].used && slots_[i].id != id) i = (i + 1) & mask;
    return i;
  }
  void Grow() {
    LargeVector<Slot> old;
    old.swap(slots_);
    Resize(old.size() * 2);
    count_ = 0;
    for (const Slot& slot : old) {
      if (slot.used) Add(slot.id, slot.place);
    }
  }
  LargeVector<Slot> slots_;  // a power of two of them
  int shift_ = 64;           // 64 less the bits of a slot number
  std::size_t count_ = 0;
};

// Applies rows to a roster; members of new IDs are gathered apart and put
// in front once every row is read, as if each had gone in front in turn.
class RosterUpdate {
 public:
  explicit RosterUpdate(Roster& roster) : roster_(roster), index_(roster.size()) {
    constexpr std::size_t kAhead = 16;
    for (std::size_t i = 0; i < roster.size(); ++i) {
      if (i + kAhead < roster.size()) index_.Prefetch(roster[i + kAhead].id);
      index_.Add(roster[i].id, {false, static_cast<std::uint32_t>(i)});
    }
  }

  // Hints that the row of `id` will be applied soon: its slot now, its
  // member once the slot has arrived.
  void Prefetch(int id) const { index_.Prefetch(id); }
  void PrefetchMember(int id) const {
    Place place;
    if (index_.Find(id, place) && !place.added) __builtin_prefetch(&roster_[place.index], 1);
  }

  void Apply(const TableRow& row) {
    Place place;
    if (!index_.Find(row.member.id, place)) {
      added_.Append(row.member, row.name);
      index_.Add(row.member.id, {true, static_cast<std::uint32_t>(added_.size() - 1)});
      return;
    }
    Roster& holder = place.added ? added_ : roster_;
    Member& member = holder[place.index];
    holder.Rename(member, row.name);
    member.level = row.member.level;
    member.newspeed = row.member.newspeed;
    member.newpower = row.member.newpower;
    member.newstren = row.member.newstren;
    member.newhealth = row.member.newhealth;
  }

  void Finish() { roster_.InsertAllFront(added_); }

 private:
  Roster& roster_;
  Roster added_;  // the members of new IDs, in file order
  FirstWithId index_;
};

}  // namespace

TableReport UpdateFromStatTable(TextStream& in, Roster& roster, TextSink& echo) {
  RosterUpdate updater(roster);
  TableReport report;
  // Rows are read a few ahead of the one applied, and the members they will
  // change are fetched from memory meanwhile: a large table names members
  // all over the roster.  Rows are still applied one by one in file order.
  // The rows read ahead wait in a ring of kAhead + 1 rows, reused.
  constexpr std::size_t kAhead = 16;
  std::vector<TableRow> ring(kAhead + 1);
  std::size_t first = 0, waiting = 0;
  for (;;) {
    if (InterruptRequested()) {
      report.interrupted = true;
      return report;
    }
    TableRow& row = ring[(first + waiting) % ring.size()];
    if (ReadTableRow(in, row, report.skipped, echo)) {
      ++report.rows;
      updater.Prefetch(row.member.id);
      ++waiting;
      if (waiting > kAhead / 2) {
        updater.PrefetchMember(ring[(first + waiting - kAhead / 2 - 1) % ring.size()].member.id);
      }
      if (waiting <= kAhead) continue;
    }
    if (waiting == 0) break;
    updater.Apply(ring[first]);
    first = (first + 1) % ring.size();
    --waiting;
  }
  updater.Finish();
  report.interrupted = InterruptRequested();
  return report;
}
