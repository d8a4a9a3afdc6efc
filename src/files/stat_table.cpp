// Reading the game's stat tables: the rows, the import and the update.
#include "files/stat_table.h"

#include <cstdint>
#include <vector>

#include "base/large_memory.h"
#include "files/fields.h"
#include "text/characters.h"
#include "text/format.h"
#include "text/numbers.h"

namespace korvelin {

namespace {

// How a row's name ended.
enum class NameEnd {
  kId,     // at a "(" directly followed by a digit: the ID comes next
  kBlank,  // at the line end, after nothing but spaces
  kNoId,   // at the line end or the end of the stream, without an ID
};

// Reads a row's name: the characters up to the first "(" directly followed
// by a digit, which is consumed (the digit is not).  The first 29 are kept
// and the rest dropped, so the ID and the stats of a long name are still
// read from their own places.  A tab or a Unicode space (a web page's
// no-break space) is read as a space; any other character, control
// characters included, is part of the name.  A line that ends (at LF or a
// lone CR; the stream folds CR LF) or a stream that ends before such a "("
// holds no row.
NameEnd ReadRowName(TextStream& in, std::string& name) {
  name.clear();
  std::size_t characters = 0;
  bool blank = true;
  for (;;) {
    StreamChar c = in.GetChar();
    if (c.code == kEnd || c.code == '\n' || c.code == '\r') {
      return blank ? NameEnd::kBlank : NameEnd::kNoId;
    }
    if (c.code == '(' && IsDigit(in.Peek())) break;
    if (c.code == '\t' || IsUnicodeSpace(c.code)) c = StreamChar{' ', 1, {' '}};
    blank = blank && c.code == ' ';
    if (characters < kNameLength) {
      name.append(c.Bytes());
      ++characters;
    }
  }
  return NameEnd::kId;
}

}  // namespace

bool ReadTableRow(TextStream& in, TableRow& row, int& skipped) {
  Member& r = row.member;
  for (;;) {
    // A row starts after any control characters.
    StreamChar c;
    while ((c = in.GetChar()).code != kEnd && IsControl(c.code)) {
    }
    if (c.code == kEnd) return false;
    in.Unget(c);
    const NameEnd end = ReadRowName(in, row.name);
    if (end != NameEnd::kId) {
      // A line without an ID (a title row, a stray line) is not a member.
      if (end == NameEnd::kNoId) ++skipped;
      continue;
    }
    r = Member();
    ReadTableInt(in, r.id);
    // The level and the stats, each only from the row's own line: a skip
    // that meets the line end (or any control character but a tab) has
    // consumed it, and the row ends there.
    int* const fields[kRowFields] = {&r.level, &r.oldspeed, &r.oldpower, &r.oldstren, &r.oldhealth};
    row.fields = 0;
    while (row.fields < kRowFields && SkipToTableNumber(in) == Skip::kAtNumber) {
      ReadTableInt(in, *fields[row.fields++]);
    }
    if (row.complete()) {
      // What follows the health value on the line is ignored.
      while ((c = in.GetChar()).code != kEnd && (!IsControl(c.code) || c.code == '\t')) {
      }
    }
    if (r.id != 0) break;
    // A row of ID 0 is no member: EDIT and DELETE could never reach it.
    ++skipped;
  }
  if (row.stats() > 0) {
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
  }
  return true;
}

void EchoTableRow(TableRow& row, TextSink& echo) {
  // Each value as read; a full row ends in a dot for each of the seven
  // values set.
  static const Format kEcho("%-30.30s : %6d : %3d");
  static const Format kStatsEcho(" : %5d : %5d : %5d : %6d . . . . . . .   .done");
  static const Format kStatEcho(" : %5d");
  const Member& r = row.member;
  row.echo.clear();
  kEcho.AppendTo(row.echo, {row.name, r.id, r.level});
  if (row.complete()) {
    kStatsEcho.AppendTo(row.echo, {r.oldspeed, r.oldpower, r.oldstren, r.oldhealth});
  } else if (row.stats() > 0) {
    const int stats[] = {r.oldspeed, r.oldpower, r.oldstren};
    for (int i = 0; i < row.stats(); ++i) kStatEcho.AppendTo(row.echo, {stats[i]});
    row.echo += "   [MISSING STATS]";
  }
  row.echo += '\n';
  echo.Write(row.echo);
}

// ---------------------------------------------------------------------------
// The rows taken: LOAD and UPDATE
// ---------------------------------------------------------------------------

namespace {

// Where the member with an ID is: in the roster, or among the members this
// update adds.
struct Place {
  bool added;
  std::uint32_t index;
};

// An open-addressing table keyed by member ID: linear probing from a slot
// picked by the high bits of a multiplicative hash (so that IDs close
// together land apart), doubled when half full.  A `Slot` holds an `id`
// and says whether it is used.
template <typename Slot>
class IdSlots {
 public:
  explicit IdSlots(std::size_t capacity) { Resize(capacity); }
  // The slot holding `id`, or the free one where it would go.
  Slot& operator[](int id) { return slots_[Find(id)]; }
  const Slot& operator[](int id) const { return slots_[Find(id)]; }
  // Hints that `id` will be looked up soon.
  void Prefetch(int id) const { __builtin_prefetch(&slots_[Home(id)]); }
  // Counts a slot just filled; the table grows when half of it is used,
  // which moves every slot.
  void Filled() {
    if (++count_ * 2 > slots_.size()) Grow();
  }

 private:
  std::size_t Home(int id) const {
    return static_cast<std::size_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(id)) * 0x9E3779B97F4A7C15u) >>
        shift_);
  }
  std::size_t Find(int id) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = Home(id);
    while (slots_[i].used() && slots_[i].id != id) i = (i + 1) & mask;
    return i;
  }
  void Resize(std::size_t capacity) {
    slots_.assign(capacity, Slot());
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c /= 2) --shift_;
  }
  void Grow() {
    LargeVector<Slot> old;
    old.swap(slots_);
    Resize(old.size() * 2);
    for (const Slot& slot : old) {
      if (slot.used()) slots_[Find(slot.id)] = slot;
    }
  }
  LargeVector<Slot> slots_;  // a power of two of them
  int shift_ = 64;           // 64 less the bits of a slot number
  std::size_t count_ = 0;
};

// The first member in roster order with each ID, as a walk from the front
// would find it: one probe in the usual case.
class FirstWithId {
 public:
  // Room for `members` and for a table's new members as many again as a
  // quarter of them without growing.
  explicit FirstWithId(std::size_t members) : slots_(Capacity(members)) {}
  // False when no member has the ID.
  bool Find(int id, Place& place) const {
    const Slot& slot = slots_[id];
    if (!slot.used()) return false;
    place = {(slot.place - 1) % 2 != 0, (slot.place - 1) / 2};
    return true;
  }
  // Hints that `id` will be looked up soon.
  void Prefetch(int id) const { slots_.Prefetch(id); }
  // Records `place` for `id` unless an earlier member already has the ID
  // (false then).
  bool Add(int id, Place place) {
    Slot& slot = slots_[id];
    if (slot.used()) return false;
    slot = {id, place.index * 2 + (place.added ? 1u : 0u) + 1};
    slots_.Filled();
    return true;
  }

 private:
  // Eight bytes, so that a million members' table stays small: the place
  // as index * 2 + added + 1, 0 for a free slot.
  struct Slot {
    std::int32_t id = 0;
    std::uint32_t place = 0;
    bool used() const { return place != 0; }
  };
  static std::size_t Capacity(std::size_t members) {
    std::size_t capacity = 16;
    while (capacity < 2 * (members + members / 4)) capacity *= 2;
    return capacity;
  }
  IdSlots<Slot> slots_;
};

// Reads every row of a table and hands it to `taker`, in file order, which
// takes it or, when an earlier row had its ID, refuses it; a row taken is
// echoed.  Every row a table yields passes through the taker's Take.
//
// Rows are read a few ahead of the one handed over, and the memory its
// taker will touch is fetched meanwhile (Prefetch as a row is read,
// PrefetchMore a few rows later): a large table names members all over the
// roster.  The rows read ahead wait in a ring of kAhead + 1 rows, reused.
template <class Taker>
void ReadRows(TextStream& in, TextSink& echo, Taker& taker, StopRequest& stop,
              TableReport& report) {
  constexpr std::size_t kAhead = 16;
  std::vector<TableRow> ring(kAhead + 1);
  std::size_t first = 0, waiting = 0;
  for (;;) {
    if (stop.Requested()) {
      report.interrupted = true;
      return;
    }
    TableRow& row = ring[(first + waiting) % ring.size()];
    if (ReadTableRow(in, row, report.skipped)) {
      taker.Prefetch(row.member.id);
      ++waiting;
      if (waiting > kAhead / 2) {
        taker.PrefetchMore(ring[(first + waiting - kAhead / 2 - 1) % ring.size()].member.id);
      }
      if (waiting <= kAhead) continue;
    }
    if (waiting == 0) break;
    TableRow& next = ring[first];
    if (taker.Take(next)) {
      ++report.rows;
      if (!next.complete()) ++report.incomplete;
      EchoTableRow(next, echo);
    } else {
      ++report.repeated;
    }
    first = (first + 1) % ring.size();
    --waiting;
  }
}

// The IDs of a table's rows, which are never 0: the IDs themselves, 0
// marking a free slot, four bytes a slot.
class IdSet {
 public:
  IdSet() : slots_(std::size_t{1} << 12) {}
  // Hints that `id` will be looked up soon.
  void Prefetch(int id) const { slots_.Prefetch(id); }
  // Adds `id`; false when the set holds it already.
  bool Insert(int id) {
    Slot& slot = slots_[id];
    if (slot.used()) return false;
    slot.id = id;
    slots_.Filled();
    return true;
  }

 private:
  struct Slot {
    int id = 0;
    bool used() const { return id != 0; }
  };
  IdSlots<Slot> slots_;
};

// LOAD's taker: each ID's first row joins the roster at the end (and the
// snapshot, when there is one).
class RosterImport {
 public:
  RosterImport(Roster& roster, Snapshot* snapshot) : roster_(roster), snapshot_(snapshot) {}
  void Prefetch(int id) const { taken_.Prefetch(id); }
  void PrefetchMore(int) const {}
  bool Take(const TableRow& row) {
    if (!taken_.Insert(row.member.id)) return false;
    roster_.Append(row.member, row.name);
    if (snapshot_ != nullptr) snapshot_->Add(row.member, row.name);
    return true;
  }

 private:
  Roster& roster_;
  Snapshot* snapshot_;
  IdSet taken_;  // the IDs taken
};

// UPDATE's taker: applies rows to a roster; members of new IDs are gathered
// apart and put in front once every row is read, as if each had gone in
// front in turn.  Each member taken goes to the snapshot, when there is one,
// as its row left it.
class RosterUpdate {
 public:
  RosterUpdate(Roster& roster, Snapshot* snapshot)
      : roster_(roster),
        snapshot_(snapshot),
        index_(roster.size()),
        carried_(roster.size(), false) {
    constexpr std::size_t kAhead = 16;
    for (std::size_t i = 0; i < roster.size(); ++i) {
      if (i + kAhead < roster.size()) index_.Prefetch(roster[i + kAhead].id);
      if (!index_.Add(roster[i].id, {false, static_cast<std::uint32_t>(i)})) twins_.push_back(i);
    }
  }

  // Hints that the row of `id` will be applied soon: its slot now, its
  // member once the slot has arrived.
  void Prefetch(int id) const { index_.Prefetch(id); }
  void PrefetchMore(int id) const {
    Place place;
    if (index_.Find(id, place) && !place.added) __builtin_prefetch(&roster_[place.index], 1);
  }

  bool Take(const TableRow& row) {
    Place place;
    if (!index_.Find(row.member.id, place)) {
      added_.Append(row.member, row.name);
      index_.Add(row.member.id, {true, static_cast<std::uint32_t>(added_.size() - 1)});
      if (snapshot_ != nullptr) snapshot_->Add(row.member, row.name);
      return true;
    }
    // A member this update added, or one a row has already updated, had
    // its row earlier in the table.
    if (place.added || carried_[place.index]) return false;
    carried_[place.index] = true;
    Member& member = roster_[place.index];
    roster_.Rename(member, row.name);
    if (row.fields > 0) member.level = row.member.level;
    // A stat the row lacks keeps its value.
    int Member::*const stats[] = {&Member::newspeed, &Member::newpower, &Member::newstren,
                                  &Member::newhealth};
    for (int i = 0; i < row.stats(); ++i) member.*stats[i] = row.member.*stats[i];
    if (snapshot_ != nullptr) snapshot_->Add(member, row.name);
    return true;
  }

  // Puts the new members in front; `absent` receives where the members
  // whose ID no row carried then stand.
  void Finish(std::vector<std::size_t>& absent) {
    // A member that shares its ID with an earlier one was carried when
    // that one was.
    for (std::size_t twin : twins_) {
      Place first{false, 0};
      index_.Find(roster_[twin].id, first);
      carried_[twin] = carried_[first.index];
    }
    for (std::size_t i = 0; i < roster_.size(); ++i) {
      if (!carried_[i]) absent.push_back(added_.size() + i);
    }
    roster_.InsertAllFront(added_);
  }

 private:
  Roster& roster_;
  Snapshot* snapshot_;
  Roster added_;  // the members of new IDs, in file order
  FirstWithId index_;
  std::vector<bool> carried_;       // by roster position: a row had the member's ID
  std::vector<std::size_t> twins_;  // members whose ID an earlier member has
};

}  // namespace

TableReport ImportStatTable(TextStream& in, Roster& roster, TextSink& echo, StopRequest& stop,
                            Snapshot* snapshot) {
  roster.Clear();
  // Room for a member on every line, and for names as long as the file,
  // made at once: growing by steps would copy a large roster again and
  // again (room never used takes no memory).
  const std::size_t lines = in.LinesAhead();
  roster.Reserve(lines, in.BytesAhead());
  if (snapshot != nullptr) snapshot->points.Reserve(lines, in.BytesAhead());
  RosterImport import(roster, snapshot);
  TableReport report;
  ReadRows(in, echo, import, stop, report);
  return report;
}

UpdateReport UpdateFromStatTable(TextStream& in, Roster& roster, TextSink& echo, StopRequest& stop,
                                 Snapshot* snapshot) {
  RosterUpdate update(roster, snapshot);
  if (snapshot != nullptr) snapshot->points.Reserve(in.LinesAhead(), in.BytesAhead());
  UpdateReport report;
  ReadRows(in, echo, update, stop, report);
  if (report.rows > 0 && !report.interrupted) update.Finish(report.absent);
  return report;
}

}  // namespace korvelin
