// The roster list hanging from the sentinel, and sort-list release.
#include "roster/roster.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

std::unique_ptr<PlayerRecord> Start;
std::unique_ptr<PlayerRecord> displayoptions;
std::unique_ptr<PlayerRecord> tempoptions;
std::unique_ptr<PlayerRecord> main_d_options;

// ---------------------------------------------------------------------------
// Where records live
// ---------------------------------------------------------------------------

// Builds with the address sanitizer use the ordinary allocator, which it
// watches, for records and large arrays alike.
#if defined(__SANITIZE_ADDRESS__)
#define KORVELIN_PLAIN_MEMORY 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVELIN_PLAIN_MEMORY 1
#endif
#endif

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

[[maybe_unused]] std::size_t RoundedToHugePages(std::size_t bytes) {
  return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

void* AllocateLarge(std::size_t bytes) {
#if defined(__linux__) && !defined(KORVELIN_PLAIN_MEMORY)
  if (bytes >= kHugePage) {
    const std::size_t size = RoundedToHugePages(bytes);
    void* area = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (area == MAP_FAILED) throw std::bad_alloc();
    // Keep the aligned part: a huge page can only back aligned memory.
    char* start = static_cast<char*>(area);
    char* aligned = reinterpret_cast<char*>(
        (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1));
    if (aligned > start) munmap(start, static_cast<std::size_t>(aligned - start));
    char* end = aligned + size;
    if (start + size + kHugePage > end) {
      munmap(end, static_cast<std::size_t>(start + size + kHugePage - end));
    }
    madvise(aligned, size, MADV_HUGEPAGE);
    return aligned;
  }
#endif
  return ::operator new(bytes);
}

void ReleaseLarge(void* memory, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && !defined(KORVELIN_PLAIN_MEMORY)
  if (bytes >= kHugePage) {
    munmap(memory, RoundedToHugePages(bytes));
    return;
  }
#endif
  ::operator delete(memory);
}

#ifndef KORVELIN_PLAIN_MEMORY
namespace {

// Records are carved from blocks of 2 MiB, and a record given back is kept
// for the next one: a roster of a million members takes a few hundred large
// blocks instead of a million small allocations, and reaching a member
// anywhere in it costs one memory access, not a page-table walk as well.
class RecordPool {
 public:
  void* Take() {
    if (free_ != nullptr) {
      void* record = free_;
      free_ = *static_cast<void**>(record);
      return record;
    }
    if (next_ + sizeof(PlayerRecord) > end_) {
      next_ = static_cast<char*>(AllocateLarge(kHugePage));
      end_ = next_ + kHugePage;
    }
    void* record = next_;
    next_ += sizeof(PlayerRecord);
    return record;
  }
  void Give(void* record) {
    *static_cast<void**>(record) = free_;
    free_ = record;
  }

 private:
  void* free_ = nullptr;  // records given back, each holding the next
  char* next_ = nullptr;  // the unused rest of the newest block
  char* end_ = nullptr;
};

// Never destroyed: records may be released at any point of the program's
// exit.  The blocks stay reachable from it.
RecordPool& Pool() {
  static RecordPool* pool = new RecordPool;
  return *pool;
}

}  // namespace
#endif

void* PlayerRecord::operator new(std::size_t size) {
#ifdef KORVELIN_PLAIN_MEMORY
  return ::operator new(size);
#else
  (void)size;
  return Pool().Take();
#endif
}

void PlayerRecord::operator delete(void* record) {
#ifdef KORVELIN_PLAIN_MEMORY
  ::operator delete(record);
#else
  if (record != nullptr) Pool().Give(record);
#endif
}

std::unique_ptr<PlayerRecord> MakeRecord() { return std::make_unique<PlayerRecord>(); }

void CreateStart() {
  if (Start) EmptyRoster();
  Start = MakeRecord();
}

void ReleaseAll() {
  if (Start) EmptyRoster();
  Start.reset();
  displayoptions.reset();
  tempoptions.reset();
  main_d_options.reset();
}

PlayerRecord* Search(int id) {
  for (PlayerRecord* member = Start->next; member != nullptr; member = member->next) {
    if (member->id == id) return member;
  }
  return nullptr;
}

PlayerRecord* InsertFront(std::unique_ptr<PlayerRecord> record) {
  PlayerRecord* r = record.release();
  r->prev = Start.get();
  r->next = Start->next;
  if (Start->next != nullptr) Start->next->prev = r;
  Start->next = r;
  ++EntryCount();
  return r;
}

PlayerRecord* Append(PlayerRecord* tail, std::unique_ptr<PlayerRecord> record) {
  PlayerRecord* r = record.release();
  tail->next = r;
  r->prev = tail;
  ++EntryCount();
  return r;
}

void Unlink(PlayerRecord* member) {
  if (member->next != nullptr) member->next->prev = member->prev;
  member->prev->next = member->next;
  delete member;
  --EntryCount();
}

void EmptyRoster() {
  PlayerRecord* member = Start->next;
  while (member != nullptr) {
    PlayerRecord* next = member->next;
    delete member;
    member = next;
  }
  Start->next = nullptr;
  EntryCount() = 0;
}

namespace {

// A sort list is one block: a header holding the block's size, then the
// nodes.  The largest block released is kept for the next list, so a preset
// that sorts a large roster again needs no fresh memory.
constexpr std::size_t kListHeader = alignof(std::max_align_t);

struct SpareBlock {
  void* base = nullptr;
  std::size_t bytes = 0;
};

SpareBlock& Spare() {
  static SpareBlock* spare = new SpareBlock;  // never destroyed, like the pool
  return *spare;
}

}  // namespace

SlinkList NewSlinkList(std::size_t count) {
  if (count == 0) return SlinkList();
  std::size_t bytes = kListHeader + count * sizeof(Slink);
  SpareBlock& spare = Spare();
  void* base;
  if (spare.base != nullptr && spare.bytes >= bytes) {
    base = spare.base;
    bytes = spare.bytes;
    spare = SpareBlock();
  } else {
    base = AllocateLarge(bytes);
  }
  *static_cast<std::size_t*>(base) = bytes;
  Slink* nodes = reinterpret_cast<Slink*>(static_cast<char*>(base) + kListHeader);
  for (std::size_t i = 0; i < count; ++i) {
    nodes[i] = Slink{nullptr, i + 1 < count ? &nodes[i + 1] : nullptr, i > 0 ? &nodes[i - 1] : nullptr};
  }
  return SlinkList(nodes);
}

void Slink_Clear(Slink* first) {
  if (first == nullptr) return;
  void* base = reinterpret_cast<char*>(first) - kListHeader;
  const std::size_t bytes = *static_cast<std::size_t*>(base);
  SpareBlock& spare = Spare();
  if (bytes <= spare.bytes) {
    ReleaseLarge(base, bytes);
    return;
  }
  if (spare.base != nullptr) ReleaseLarge(spare.base, spare.bytes);
  spare = SpareBlock{base, bytes};
}
