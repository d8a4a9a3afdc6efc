// UPDATE: new stats from a later stat table.
#include <cstring>
#include <cstdint>
#include <vector>

#include "files/files.h"
#include "shell/shell.h"

void Updatemain() {
  Print("   [FILE TO UPDATE FROM? '\\' TO CANCEL]\n   [KORVELIN-UPDATE]\n >>> ");
  std::string name;
  if (!ReadWord(name, kWordLength) || name[0] == '\\') return;
  FilePtr file = OpenForReading(name);
  if (!file) {
    PrintLine("   [ERROR OPENING FILE.  UPDATE ABORTED]");
    return;
  }
  TextStream in = TextStream::File(std::move(file));
  Updater(in);
}

namespace {

// The first member in roster order with each ID, as a walk from the front
// would find it: an open-addressing table, one probe in the usual case.
class FirstWithId {
 public:
  explicit FirstWithId(std::size_t members) {
    std::size_t capacity = 16;
    while (capacity < 2 * members) capacity *= 2;
    slots_.resize(capacity);
  }
  PlayerRecord* Find(int id) const { return slots_[SlotOf(id)].member; }
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
  std::size_t SlotOf(int id) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = (static_cast<std::uint32_t>(id) * 0x9E3779B1u) & mask;
    while (slots_[i].member != nullptr && slots_[i].id != id) i = (i + 1) & mask;
    return i;
  }
  void Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    count_ = 0;
    for (const Slot& slot : old) {
      if (slot.member != nullptr) Add(slot.member);
    }
  }
  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

}  // namespace

void Updater(TextStream& in) {
  PrintLine("   [LOADING]");
  // A member this update adds is the only one with its ID, and it goes in
  // front of all others, so the index stays right as the roster grows.
  FirstWithId index(static_cast<std::size_t>(EntryCount()));
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) index.Add(r);

  for (;;) {
    std::unique_ptr<PlayerRecord> row = MakeRecord();
    if (!ReadTableRow(in, *row)) break;
    PlayerRecord* member = index.Find(row->id);
    if (member == nullptr) {
      index.Add(InsertFront(std::move(row)));
      continue;
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
}
