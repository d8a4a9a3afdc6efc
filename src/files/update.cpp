// UPDATE: new stats from a later stat table.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "console/console.h"
#include "files/files.h"
#include "roster/memory.h"

void Updatemain() {
  std::optional<TextStream> file = AskFileToRead(
      "   [FILE TO UPDATE FROM? '\\' TO CANCEL]\n   [KORVELIN-UPDATE]\n >>> ",
      {"   [ERROR OPENING FILE.  UPDATE ABORTED]", "   [ERROR READING FILE.  UPDATE ABORTED]"});
  if (!file) return;
  SkipByteOrderMark(*file);
  Updater(*file);
}

namespace {

// The first member in roster order with each ID, as a walk from the front
// would find it: an open-addressing table, one probe in the usual case.
class FirstWithId {
 public:
  explicit FirstWithId(std::size_t members) {
    std::size_t capacity = 16;
    while (capacity < 2 * members) capacity *= 2;
    Resize(capacity);
  }
  PlayerRecord* Find(int id) const { return slots_[SlotOf(id)].member; }
  // Hints that `id` will be looked up, and then its member used, soon.
  void Prefetch(int id) const { __builtin_prefetch(&slots_[Home(id)]); }
  void PrefetchMember(int id) const {
    // The fields an update writes lie in the record's first 128 bytes.
    static_assert(offsetof(PlayerRecord, newhealth) < 128, "update writes beyond two lines");
    if (PlayerRecord* member = Find(id)) {
      __builtin_prefetch(member, 1);
      __builtin_prefetch(reinterpret_cast<const char*>(member) + 64, 1);
      __builtin_prefetch(member->name, 1);
    }
  }
  // Records `member` unless an earlier member already has its ID.
  void Add(PlayerRecord* member) {
    Slot& slot = slots_[SlotOf(member->id)];
    if (slot.member != nullptr) return;
    slot = {member->id, member};
    if (++count_ * 2 > slots_.size()) Grow();
  }

 private:
  struct Slot {
    int id = 0;
    PlayerRecord* member = nullptr;
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
    while (slots_[i].member != nullptr && slots_[i].id != id) i = (i + 1) & mask;
    return i;
  }
  void Grow() {
    LargeVector<Slot> old;
    old.swap(slots_);
    Resize(old.size() * 2);
    count_ = 0;
    for (const Slot& slot : old) {
      if (slot.member != nullptr) Add(slot.member);
    }
  }
  LargeVector<Slot> slots_;  // a power of two of them
  int shift_ = 64;           // 64 less the bits of a slot number
  std::size_t count_ = 0;
};

}  // namespace

namespace {

// Applies one row: the member with its ID takes the row's name, level and
// new stats, or the row joins the roster at the front.
void Apply(std::unique_ptr<PlayerRecord> row, FirstWithId& index) {
  PlayerRecord* member = index.Find(row->id);
  if (member == nullptr) {
    index.Add(InsertFront(std::move(row)));
    return;
  }
  // The old snapshot, intelligence and beg stay: gains are measured
  // against them.
  std::memcpy(member->name, row->name, sizeof member->name);
  member->level = row->level;
  member->newspeed = row->newspeed;
  member->newpower = row->newpower;
  member->newstren = row->newstren;
  member->newhealth = row->newhealth;
}

}  // namespace

void Updater(TextStream& in) {
  PrintLine("   [LOADING]");
  // A member this update adds is the only one with its ID, and it goes in
  // front of all others, so the index stays right as the roster grows.
  std::vector<PlayerRecord*> members;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) members.push_back(r);
  FirstWithId index(members.size());
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (i + kAhead < members.size()) index.Prefetch(members[i + kAhead]->id);
    index.Add(members[i]);
  }
  members = std::vector<PlayerRecord*>();

  // Rows are read a few ahead of the one applied, and the members they will
  // change are fetched from memory meanwhile: a large table names members
  // all over the roster.  Rows are still applied one by one in file order.
  std::deque<std::unique_ptr<PlayerRecord>> ahead;
  int skipped = 0;
  for (;;) {
    std::unique_ptr<PlayerRecord> row = MakeRecord();
    const bool more = ReadTableRow(in, *row, &skipped);
    if (more) {
      index.Prefetch(row->id);
      ahead.push_back(std::move(row));
      if (ahead.size() > kAhead / 2) index.PrefetchMember(ahead[ahead.size() - kAhead / 2 - 1]->id);
      if (ahead.size() <= kAhead) continue;
    }
    if (ahead.empty()) break;
    Apply(std::move(ahead.front()), index);
    ahead.pop_front();
  }
  ReportSkippedLines(skipped);
}
