// The record pool: records are counted while taken, and under the address
// sanitizer a record used after its release is reported.
#include "test_support.h"

#if defined(__SANITIZE_ADDRESS__)
#define KORVELIN_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVELIN_TEST_ASAN 1
#endif
#endif

namespace {

TEST(RecordPool, CountsRecordsTakenAndGivenBack) {
  const std::size_t before = LiveRecords();
  std::unique_ptr<PlayerRecord> a = MakeRecord();
  std::unique_ptr<PlayerRecord> b = MakeRecord();
  EXPECT_EQ(LiveRecords(), before + 2);
  a.reset();
  // A record given back is handed out again, zero-filled like any other.
  b->id = 99;
  b.reset();
  std::unique_ptr<PlayerRecord> c = MakeRecord();
  EXPECT_EQ(c->id, 0);
  EXPECT_EQ(c->next, nullptr);
  EXPECT_EQ(LiveRecords(), before + 1);
}

TEST(RecordPoolDeathTest, ARecordUsedAfterItsReleaseIsReported) {
#ifdef KORVELIN_TEST_ASAN
  EXPECT_DEATH(
      {
        PlayerRecord* record = MakeRecord().release();
        delete record;
        volatile int id = record->id;
        (void)id;
      },
      "use-after-poison");
#else
  GTEST_SKIP() << "only the address-sanitizer build watches the pool";
#endif
}

}  // namespace
