// Where records, sort lists and the sort's arrays live.
#include "roster/memory.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "roster/record.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

// Under the address sanitizer large arrays come from the ordinary allocator,
// which the leak checker watches, and the record pool marks every record
// that is not in use as out of bounds, so a use after release is caught.
#if defined(__SANITIZE_ADDRESS__)
#define KORVELIN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVELIN_ASAN 1
#endif
#endif

#ifdef KORVELIN_ASAN
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

[[maybe_unused]] std::size_t RoundedToHugePages(std::size_t bytes) {
  return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

void* AllocateLarge(std::size_t bytes) {
#if defined(__linux__) && !defined(KORVELIN_ASAN)
  if (bytes >= kHugePage) {
    const std::size_t size = RoundedToHugePages(bytes);
    void* area =
        mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
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
#if defined(__linux__) && !defined(KORVELIN_ASAN)
  if (bytes >= kHugePage) {
    munmap(memory, RoundedToHugePages(bytes));
    return;
  }
#endif
  ::operator delete(memory);
}

// ---------------------------------------------------------------------------
// The record pool
// ---------------------------------------------------------------------------

namespace {

// Records are carved from blocks of 2 MiB, and a record given back is kept
// for the next one: a roster of a million members takes a few hundred large
// blocks instead of a million small allocations, and reaching a member
// anywhere in it costs one memory access, not a page-table walk as well.
class RecordPool {
 public:
  void* Take() {
    ++live_;
    if (free_ != nullptr) {
      void* record = free_;
      ASAN_UNPOISON_MEMORY_REGION(record, sizeof(PlayerRecord));
      free_ = *static_cast<void**>(record);
      return record;
    }
    if (static_cast<std::size_t>(end_ - next_) < sizeof(PlayerRecord)) NewBlock();
    void* record = next_;
    next_ += sizeof(PlayerRecord);
    ASAN_UNPOISON_MEMORY_REGION(record, sizeof(PlayerRecord));
    return record;
  }
  void Give(void* record) {
    --live_;
    *static_cast<void**>(record) = free_;
    free_ = record;
    ASAN_POISON_MEMORY_REGION(record, sizeof(PlayerRecord));
  }
  std::size_t Live() const { return live_; }

 private:
  void NewBlock() {
    next_ = static_cast<char*>(AllocateLarge(kHugePage));
    end_ = next_ + kHugePage;
    ASAN_POISON_MEMORY_REGION(next_, kHugePage);
#ifdef KORVELIN_ASAN
    blocks_.push_back(next_);  // reachable, so the leak checker passes them
#endif
  }

  void* free_ = nullptr;  // records given back, each holding the next
  char* next_ = nullptr;  // the unused rest of the newest block
  char* end_ = nullptr;
  std::size_t live_ = 0;
#ifdef KORVELIN_ASAN
  std::vector<void*> blocks_;
#endif
};

// Never destroyed: records may be released at any point of the program's
// exit.
RecordPool& Pool() {
  static RecordPool* pool = [] {
#ifdef KORVELIN_ASAN
    // The leak checker cannot see inside the pool: records still taken when
    // the program ends are reported here.
    std::atexit([] {
      if (Pool().Live() != 0) {
        std::fprintf(stderr, "korvelin: %zu records were never released\n", Pool().Live());
        std::_Exit(1);
      }
    });
#endif
    return new RecordPool;
  }();
  return *pool;
}

}  // namespace

void* PlayerRecord::operator new(std::size_t) { return Pool().Take(); }

void PlayerRecord::operator delete(void* record) {
  if (record != nullptr) Pool().Give(record);
}

std::size_t LiveRecords() { return Pool().Live(); }

// ---------------------------------------------------------------------------
// Sort lists and the sort's arrays
// ---------------------------------------------------------------------------

namespace {

// A sort list is one block: a header holding the block's size, then the
// nodes.
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
    nodes[i] =
        Slink{nullptr, i + 1 < count ? &nodes[i + 1] : nullptr, i > 0 ? &nodes[i - 1] : nullptr};
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

LargeVector<SortItem>& SortItems() {
  static LargeVector<SortItem> items;
  return items;
}

LargeVector<SortItem>& SortScratch() {
  static LargeVector<SortItem> scratch;
  return scratch;
}
