// Totals, gains, percentage gains and weighted stats of a member.
#include "roster/derived.h"

#include <cmath>
#include <limits>

namespace korvelin {

namespace derived {

namespace {

using I = std::int64_t;

bool HasBaseline(const Member& m) { return m.oldspeed != 0; }

double Divide(double dividend, double divisor) {
  if (divisor != 0.0) return dividend / divisor;
  if (std::isnan(dividend) || dividend == 0.0) return std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  return (dividend > 0.0) == !std::signbit(divisor) ? inf : -inf;
}

double Percent(int newer, int older) {
  return Divide(static_cast<double>(newer) - static_cast<double>(older),
                static_cast<double>(older)) *
         100.0;
}

// G, before truncation: the gain of the total, of intelligence and of
// begging skill (counted 15 times).
double OverallGain(const Member& m) {
  const I totals =
      (I{m.newspeed} + m.newpower + m.newstren) - (I{m.oldspeed} + m.oldpower + m.oldstren);
  return static_cast<double>(totals) + static_cast<double>(I{m.newintel} - m.oldintel) +
         (m.newbeg - m.oldbeg) * 15;
}

}  // namespace

I OldTotal(const Member& m) { return HasBaseline(m) ? I{m.oldspeed} + m.oldpower + m.oldstren : 0; }
I NewTotal(const Member& m) { return HasBaseline(m) ? I{m.newspeed} + m.newpower + m.newstren : 0; }
I SpeedGain(const Member& m) { return HasBaseline(m) ? I{m.newspeed} - m.oldspeed : 0; }
I PowerGain(const Member& m) { return HasBaseline(m) ? I{m.newpower} - m.oldpower : 0; }
I StrenGain(const Member& m) { return HasBaseline(m) ? I{m.newstren} - m.oldstren : 0; }
I HealthGain(const Member& m) { return HasBaseline(m) ? I{m.newhealth} - m.oldhealth : 0; }
I IntelGain(const Member& m) { return HasBaseline(m) ? I{m.newintel} - m.oldintel : 0; }
double BegGain(const Member& m) { return HasBaseline(m) ? (m.newbeg - m.oldbeg) * 15 : 0.0; }

I TotalGain(const Member& m) {
  if (!HasBaseline(m)) return 0;
  const double g = OverallGain(m);
  if (std::isnan(g)) return 0;
  if (g >= 0x1p63) return std::numeric_limits<I>::max();
  if (g < -0x1p63) return std::numeric_limits<I>::min();
  return static_cast<I>(g);
}

double SpeedPercent(const Member& m) {
  return HasBaseline(m) ? Percent(m.newspeed, m.oldspeed) : 0.0;
}
double PowerPercent(const Member& m) {
  return HasBaseline(m) ? Percent(m.newpower, m.oldpower) : 0.0;
}
double StrenPercent(const Member& m) {
  return HasBaseline(m) ? Percent(m.newstren, m.oldstren) : 0.0;
}
double HealthPercent(const Member& m) {
  return HasBaseline(m) ? Percent(m.newhealth, m.oldhealth) : 0.0;
}
double IntelPercent(const Member& m) {
  return HasBaseline(m) ? Percent(m.newintel, m.oldintel) : 0.0;
}

double TotalPercent(const Member& m) {
  if (!HasBaseline(m)) return 0.0;
  const double base = static_cast<double>(I{m.oldspeed} + m.oldpower + m.oldstren) +
                      static_cast<double>(m.oldintel) + m.oldbeg;
  return Divide(OverallGain(m), base) * 100.0;
}

double BegPercent(const Member& m) {
  return HasBaseline(m) ? Divide(BegGain(m) / 10.0, m.oldbeg) * 100.0 : 0.0;
}

double WeightedSpeed(const Member& m, const Weights& w) {
  return HasBaseline(m) ? m.newspeed * w.speed : 0.0;
}
double WeightedPower(const Member& m, const Weights& w) {
  return HasBaseline(m) ? m.newpower * w.power : 0.0;
}
double WeightedStren(const Member& m, const Weights& w) {
  return HasBaseline(m) ? m.newstren * w.strength : 0.0;
}
double WeightedHealth(const Member& m, const Weights& w) {
  return HasBaseline(m) ? m.newhealth * w.health : 0.0;
}
double WeightedTotal(const Member& m, const Weights& w) {
  if (!HasBaseline(m)) return 0.0;
  return m.newspeed * w.speed + m.newpower * w.power + m.newstren * w.strength +
         m.newhealth * w.health;
}

}  // namespace derived

}  // namespace korvelin
