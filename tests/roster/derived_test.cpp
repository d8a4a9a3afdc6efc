// Totals, gains, percentages and weighted stats.
#include <climits>
#include <cmath>

#include "test_support.h"

namespace {

class ListCalcTest : public RosterTest {
 protected:
  // A member whose old and new snapshots are both (s, p, st, h, intel, beg).
  PlayerRecord* Steady(int s, int p, int st, int h, int intel, double beg) {
    PlayerRecord* r = Member("M", 1);
    r->oldspeed = r->newspeed = s;
    r->oldpower = r->newpower = p;
    r->oldstren = r->newstren = st;
    r->oldhealth = r->newhealth = h;
    r->oldintel = r->newintel = intel;
    r->oldbeg = r->newbeg = beg;
    return r;
  }
  void DefaultWeights() {
    SpeedWeight() = 2.12;
    PowerWeight() = 1.24;
    StrengthWeight() = 1.434;
    HealthWeight() = 0.667;
  }
};

TEST_F(ListCalcTest, ZeroOldSpeedLeavesEveryDerivedFieldAlone) {
  PlayerRecord* r = Steady(0, 10, 10, 10, 10, 2.0);
  r->newspeed = 50;
  r->wtotal = 123.0;  // left over from an earlier computation
  r->speedgain = 9;
  ListCalc(Start->next);
  EXPECT_EQ(r->wtotal, 123.0);
  EXPECT_EQ(r->speedgain, 9);
  EXPECT_EQ(r->oldtotal, 0);
  EXPECT_EQ(r->newtotal, 0);
  EXPECT_EQ(r->totalp, 0.0);
}

TEST_F(ListCalcTest, EqualSnapshotsGiveZeroGainsAndStillWeighNewStats) {
  DefaultWeights();
  PlayerRecord* r = Steady(1000, 1000, 1000, 1000, 1000, 2.0);
  ListCalc(Start->next);
  EXPECT_EQ(r->oldtotal, 3000);
  EXPECT_EQ(r->newtotal, 3000);  // health is not part of the totals
  EXPECT_EQ(r->speedgain, 0);
  EXPECT_EQ(r->healthgain, 0);
  EXPECT_EQ(r->totalgain, 0);
  EXPECT_EQ(r->beggain, 0.0);
  EXPECT_EQ(r->begp, 0.0);
  EXPECT_EQ(r->speedp, 0.0);
  EXPECT_EQ(r->totalp, 0.0);
  EXPECT_DOUBLE_EQ(r->wspeed, 2120.0);
  EXPECT_DOUBLE_EQ(r->wpower, 1240.0);
  EXPECT_DOUBLE_EQ(r->wstren, 1434.0);
  EXPECT_DOUBLE_EQ(r->whealth, 667.0);
  EXPECT_DOUBLE_EQ(r->wtotal, 5461.0);
}

TEST_F(ListCalcTest, GainsAndPercentages) {
  PlayerRecord* r = Steady(100, 200, 300, 400, 1000, 2.0);
  r->newspeed = 150;
  r->newpower = 180;
  r->newintel = 1100;
  r->newbeg = 2.5;
  ListCalc(Start->next);
  EXPECT_EQ(r->speedgain, 50);
  EXPECT_DOUBLE_EQ(r->speedp, 50.0);
  EXPECT_EQ(r->powergain, -20);
  EXPECT_DOUBLE_EQ(r->powerp, -10.0);
  EXPECT_EQ(r->intelgain, 100);
  // Begging counts fifteen times; its percentage is 1.5 times the plain one.
  EXPECT_DOUBLE_EQ(r->beggain, 7.5);
  EXPECT_DOUBLE_EQ(r->begp, 37.5);
  // G = (630 - 600) + 100 + 7.5 = 137.5 over 600 + 1000 + 2.
  EXPECT_EQ(r->totalgain, 137);
  EXPECT_DOUBLE_EQ(r->totalp, 137.5 / 1602.0 * 100.0);
}

TEST_F(ListCalcTest, TotalGainTruncatesTowardZero) {
  PlayerRecord* r = Steady(100, 100, 100, 100, 100, 2.0);
  r->newbeg = 2.0 + 7.9 / 15;  // G = 7.9
  ListCalc(Start->next);
  EXPECT_EQ(r->totalgain, 7);
  r->newbeg = 2.0 - 7.9 / 15;  // G = -7.9
  ListCalc(Start->next);
  EXPECT_EQ(r->totalgain, -7);
}

TEST_F(ListCalcTest, ZeroDivisorsGiveInfinitiesAndNaN) {
  PlayerRecord* r = Steady(100, 0, 100, 0, 0, 0.0);
  r->newpower = 5;
  r->newhealth = -5;
  ListCalc(Start->next);
  EXPECT_TRUE(std::isinf(r->powerp) && r->powerp > 0);
  EXPECT_TRUE(std::isinf(r->healthp) && r->healthp < 0);
  EXPECT_TRUE(std::isnan(r->intelp));  // 0 over 0
  EXPECT_TRUE(std::isnan(r->begp));
  r->newpower = 0;
  ListCalc(Start->next);
  EXPECT_TRUE(std::isnan(r->powerp));
}

TEST_F(ListCalcTest, TotalPercentageWithNothingToMeasureFrom) {
  PlayerRecord* r = Steady(1, 0, 0, 0, 0, 0.0);
  r->oldspeed = 1;
  r->oldpower = r->newpower = -1;  // old total + intel + beg = 0
  r->newspeed = 3;
  ListCalc(Start->next);
  EXPECT_EQ(r->totalgain, 2);
  EXPECT_TRUE(std::isinf(r->totalp) && r->totalp > 0);
}

TEST_F(ListCalcTest, LargeStatsNeverWrap) {
  PlayerRecord* r = Steady(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 2.0);
  r->newspeed = INT_MIN;
  ListCalc(Start->next);
  EXPECT_EQ(r->oldtotal, 3LL * INT_MAX);
  EXPECT_EQ(r->newtotal, 2LL * INT_MAX + INT_MIN);
  EXPECT_EQ(r->speedgain, static_cast<long long>(INT_MIN) - INT_MAX);
  EXPECT_EQ(r->totalgain, static_cast<long long>(INT_MIN) - INT_MAX);
}

TEST_F(ListCalcTest, HugeOrUndefinedOverallGainIsClampedOrZero) {
  PlayerRecord* r = Steady(1, 1, 1, 1, 1, 0.0);
  r->newbeg = 1e300;
  ListCalc(Start->next);
  EXPECT_EQ(r->totalgain, LLONG_MAX);
  r->newbeg = -1e300;
  ListCalc(Start->next);
  EXPECT_EQ(r->totalgain, LLONG_MIN);
  r->oldbeg = INFINITY;
  r->newbeg = INFINITY;  // inf - inf: no overall gain can be told
  ListCalc(Start->next);
  EXPECT_EQ(r->totalgain, 0);
}

TEST_F(ListCalcTest, WeightsOfZeroZeroEveryWeightedStat) {
  PlayerRecord* r = Steady(100, 200, 300, 400, 10, 2.0);
  ListCalc(Start->next);
  EXPECT_EQ(r->wspeed, 0.0);
  EXPECT_EQ(r->wtotal, 0.0);
}

TEST_F(ListCalcTest, NullAndTheSentinelAreNeverComputed) {
  ListCalc(nullptr);
  Start->oldspeed = 3;  // start-up direction: would pass the skip test
  Steady(10, 10, 10, 10, 10, 2.0);
  ListCalc(Start->next);
  EXPECT_EQ(Start->oldtotal, 0);
}

}  // namespace
