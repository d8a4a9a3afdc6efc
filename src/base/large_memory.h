// Memory for large rosters: large arrays on huge pages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvelin {

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

}  // namespace korvelin
