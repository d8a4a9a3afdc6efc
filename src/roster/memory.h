// Memory for large rosters: records carved from 2 MiB blocks, large arrays on
// huge pages, the sort list's block and the sort's working arrays, all kept
// for reuse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct PlayerRecord;

// Memory for large arrays (a million members' worth): on Linux, from 2 MiB
// on, backed by huge pages, so that reaching any element of it costs one
// memory access rather than a page-table walk as well.
void* AllocateLarge(std::size_t bytes);
void ReleaseLarge(void* memory, std::size_t bytes);

// An allocator for std::vector that takes its memory from AllocateLarge.
template <typename T>
struct LargeAllocator {
  using value_type = T;
  LargeAllocator() = default;
  template <typename U>
  LargeAllocator(const LargeAllocator<U>&) {}
  T* allocate(std::size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) { ReleaseLarge(p, n * sizeof(T)); }
  template <typename U>
  bool operator==(const LargeAllocator<U>&) const {
    return true;
  }
  template <typename U>
  bool operator!=(const LargeAllocator<U>&) const {
    return false;
  }
};
template <typename T>
using LargeVector = std::vector<T, LargeAllocator<T>>;

// Records taken from the pool and not yet given back.
std::size_t LiveRecords();

// ---------------------------------------------------------------------------
// Sort lists
// ---------------------------------------------------------------------------

// A node of a sort list: points at a member, never owns it.
struct Slink {
  PlayerRecord* record;
  Slink* next;
  Slink* prev;
};

// Releases every node of a sort list (records untouched); null does nothing.
// The list must come from NewSlinkList.
void Slink_Clear(Slink* first);

struct SlinkListDeleter {
  void operator()(Slink* first) const { Slink_Clear(first); }
};
// An owned sort list, known by its first node.
using SlinkList = std::unique_ptr<Slink, SlinkListDeleter>;

// A sort list of `count` nodes chained in order, their records not yet set;
// empty for 0.  The nodes are one block, and the largest block released is
// kept for the next list, so that sorting a large roster again costs no
// fresh memory.
SlinkList NewSlinkList(std::size_t count);

// A member and its sort key.
struct SortItem {
  std::uint64_t key;
  PlayerRecord* record;
};
// The radix sort's two working arrays, kept from one sort to the next.
LargeVector<SortItem>& SortItems();
LargeVector<SortItem>& SortScratch();
