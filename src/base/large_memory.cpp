// Large arrays, on huge pages where Linux offers them.
#include "base/large_memory.h"

#include <cstdint>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace korvelin {

// Under the address sanitizer large arrays come from the ordinary allocator,
// which the leak checker watches and which catches a use after release.
#if defined(__SANITIZE_ADDRESS__)
#define KORVELIN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVELIN_ASAN 1
#endif
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

}  // namespace korvelin
