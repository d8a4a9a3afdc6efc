// Memory for large arrays: a large array is usable from end to end and, on
// Linux, starts on a huge page; under the address sanitizer an array used
// after its release is reported.
#include <cstdint>

#include "test_support.h"

namespace korvelin {

#if defined(__SANITIZE_ADDRESS__)
#define KORVELIN_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVELIN_TEST_ASAN 1
#endif
#endif

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

TEST(LargeMemory, LargeArraysAreWholeAndVectorsKeepTheirElements) {
  for (std::size_t bytes : {std::size_t{100}, kHugePage, 3 * kHugePage + 1}) {
    char* memory = static_cast<char*>(AllocateLarge(bytes));
    memory[0] = 1;
    memory[bytes - 1] = 2;
#if defined(__linux__) && !defined(KORVELIN_TEST_ASAN)
    if (bytes >= kHugePage) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory) % kHugePage, 0u) << bytes;
    }
#endif
    EXPECT_EQ(memory[0] + memory[bytes - 1], 3);
    ReleaseLarge(memory, bytes);
  }
  // Growing from a few bytes to many huge pages moves the members each time.
  LargeVector<Member> members;
  for (int i = 0; i < 200000; ++i) {
    members.emplace_back();
    members.back().id = i;
  }
  for (int i = 0; i < 200000; ++i) ASSERT_EQ(members[i].id, i);
}

TEST(LargeMemoryDeathTest, AnArrayUsedAfterItsReleaseIsReported) {
#ifdef KORVELIN_TEST_ASAN
  EXPECT_DEATH(
      {
        char* memory = static_cast<char*>(AllocateLarge(2 * kHugePage));
        ReleaseLarge(memory, 2 * kHugePage);
        volatile char c = memory[kHugePage];
        (void)c;
      },
      "heap-use-after-free");
#else
  GTEST_SKIP() << "only the address-sanitizer build watches large arrays";
#endif
}

}  // namespace

}  // namespace korvelin
