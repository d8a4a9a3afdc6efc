// Totals, gains, percentages and weighted stats.
#include <climits>
#include <cmath>

#include "test_support.h"

namespace korvelin {

namespace {

using namespace derived;

class DerivedTest : public ::testing::Test {
 protected:
  // A member whose old and new snapshots are both (s, p, st, h, intel, beg).
  static Member Steady(int s, int p, int st, int h, int intel, double beg) {
    Member r;
    r.id = 1;
    r.oldspeed = r.newspeed = s;
    r.oldpower = r.newpower = p;
    r.oldstren = r.newstren = st;
    r.oldhealth = r.newhealth = h;
    r.oldintel = r.newintel = intel;
    r.oldbeg = r.newbeg = beg;
    return r;
  }
};

// No old speed, no baseline: whatever the other stats and the weights,
// every derived value is 0.
TEST_F(DerivedTest, ZeroOldSpeedMakesEveryDerivedValueZero) {
  Member r = Steady(0, 10, 20, 30, 40, 2.0);
  r.newspeed = 50;
  r.newpower = 70;
  r.newhealth = 10;
  r.newintel = 45;
  r.newbeg = 3.0;
  for (auto value :
       {OldTotal, NewTotal, SpeedGain, PowerGain, StrenGain, HealthGain, IntelGain, TotalGain}) {
    EXPECT_EQ(value(r), 0);
  }
  for (auto value : {BegGain, SpeedPercent, PowerPercent, StrenPercent, HealthPercent, IntelPercent,
                     TotalPercent, BegPercent}) {
    EXPECT_EQ(value(r), 0.0);
  }
  for (auto value : {WeightedSpeed, WeightedPower, WeightedStren, WeightedHealth, WeightedTotal}) {
    EXPECT_EQ(value(r, kDefaultWeights), 0.0);
  }
}

TEST_F(DerivedTest, EqualSnapshotsGiveZeroGainsAndStillWeighNewStats) {
  const Member r = Steady(1000, 1000, 1000, 1000, 1000, 2.0);
  EXPECT_EQ(OldTotal(r), 3000);
  EXPECT_EQ(NewTotal(r), 3000);  // health is not part of the totals
  EXPECT_EQ(SpeedGain(r), 0);
  EXPECT_EQ(HealthGain(r), 0);
  EXPECT_EQ(TotalGain(r), 0);
  EXPECT_EQ(BegGain(r), 0.0);
  EXPECT_EQ(BegPercent(r), 0.0);
  EXPECT_EQ(SpeedPercent(r), 0.0);
  EXPECT_EQ(TotalPercent(r), 0.0);
  const Weights w = kDefaultWeights;
  EXPECT_DOUBLE_EQ(WeightedSpeed(r, w), 2120.0);
  EXPECT_DOUBLE_EQ(WeightedPower(r, w), 1240.0);
  EXPECT_DOUBLE_EQ(WeightedStren(r, w), 1434.0);
  EXPECT_DOUBLE_EQ(WeightedHealth(r, w), 667.0);
  EXPECT_DOUBLE_EQ(WeightedTotal(r, w), 5461.0);
}

TEST_F(DerivedTest, GainsAndPercentages) {
  Member r = Steady(100, 200, 300, 400, 1000, 2.0);
  r.newspeed = 150;
  r.newpower = 180;
  r.newintel = 1100;
  r.newbeg = 2.5;
  EXPECT_EQ(SpeedGain(r), 50);
  EXPECT_DOUBLE_EQ(SpeedPercent(r), 50.0);
  EXPECT_EQ(PowerGain(r), -20);
  EXPECT_DOUBLE_EQ(PowerPercent(r), -10.0);
  EXPECT_EQ(IntelGain(r), 100);
  // Begging counts fifteen times; its percentage is 1.5 times the plain one.
  EXPECT_DOUBLE_EQ(BegGain(r), 7.5);
  EXPECT_DOUBLE_EQ(BegPercent(r), 37.5);
  // G = (630 - 600) + 100 + 7.5 = 137.5 over 600 + 1000 + 2.
  EXPECT_EQ(TotalGain(r), 137);
  EXPECT_DOUBLE_EQ(TotalPercent(r), 137.5 / 1602.0 * 100.0);
}

TEST_F(DerivedTest, TotalGainTruncatesTowardZero) {
  Member r = Steady(100, 100, 100, 100, 100, 2.0);
  r.newbeg = 2.0 + 7.9 / 15;  // G = 7.9
  EXPECT_EQ(TotalGain(r), 7);
  r.newbeg = 2.0 - 7.9 / 15;  // G = -7.9
  EXPECT_EQ(TotalGain(r), -7);
}

TEST_F(DerivedTest, ZeroDivisorsGiveInfinitiesAndNaN) {
  Member r = Steady(100, 0, 100, 0, 0, 0.0);
  r.newpower = 5;
  r.newhealth = -5;
  EXPECT_TRUE(std::isinf(PowerPercent(r)) && PowerPercent(r) > 0);
  EXPECT_TRUE(std::isinf(HealthPercent(r)) && HealthPercent(r) < 0);
  EXPECT_TRUE(std::isnan(IntelPercent(r)));  // 0 over 0
  EXPECT_TRUE(std::isnan(BegPercent(r)));
  r.newpower = 0;
  EXPECT_TRUE(std::isnan(PowerPercent(r)));
}

TEST_F(DerivedTest, TotalPercentageWithNothingToMeasureFrom) {
  Member r = Steady(1, 0, 0, 0, 0, 0.0);
  r.oldpower = r.newpower = -1;  // old total + intel + beg = 0
  r.newspeed = 3;
  EXPECT_EQ(TotalGain(r), 2);
  EXPECT_TRUE(std::isinf(TotalPercent(r)) && TotalPercent(r) > 0);
}

TEST_F(DerivedTest, LargeStatsNeverWrap) {
  Member r = Steady(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 2.0);
  r.newspeed = INT_MIN;
  EXPECT_EQ(OldTotal(r), 3LL * INT_MAX);
  EXPECT_EQ(NewTotal(r), 2LL * INT_MAX + INT_MIN);
  EXPECT_EQ(SpeedGain(r), static_cast<long long>(INT_MIN) - INT_MAX);
  EXPECT_EQ(TotalGain(r), static_cast<long long>(INT_MIN) - INT_MAX);
}

TEST_F(DerivedTest, HugeOrUndefinedOverallGainIsClampedOrZero) {
  Member r = Steady(1, 1, 1, 1, 1, 0.0);
  r.newbeg = 1e300;
  EXPECT_EQ(TotalGain(r), LLONG_MAX);
  r.newbeg = -1e300;
  EXPECT_EQ(TotalGain(r), LLONG_MIN);
  r.oldbeg = INFINITY;
  r.newbeg = INFINITY;  // inf - inf: no overall gain can be told
  EXPECT_EQ(TotalGain(r), 0);
}

TEST_F(DerivedTest, WeightsOfZeroZeroEveryWeightedStat) {
  const Member r = Steady(100, 200, 300, 400, 10, 2.0);
  EXPECT_EQ(WeightedSpeed(r, Weights{}), 0.0);
  EXPECT_EQ(WeightedTotal(r, Weights{}), 0.0);
}

}  // namespace

}  // namespace korvelin
