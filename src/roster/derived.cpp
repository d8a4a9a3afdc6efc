// Totals, gains, percentage gains and weighted stats of every member.
#include "roster/derived.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Percentage arithmetic with a zero divisor gives an IEEE infinity of the
// dividend's sign, or NaN when the dividend is zero too, never a trap.
double Divide(double dividend, double divisor) {
  if (divisor != 0.0) return dividend / divisor;
  if (std::isnan(dividend) || dividend == 0.0) return std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  return (dividend > 0.0) == !std::signbit(divisor) ? inf : -inf;
}

// G truncated toward zero, clamped to the 64-bit range; NaN counts as 0.
std::int64_t Truncate(double g) {
  if (std::isnan(g)) return 0;
  if (g >= 0x1p63) return std::numeric_limits<std::int64_t>::max();
  if (g < -0x1p63) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(g);
}

double Percent(int newer, int older) {
  return Divide(static_cast<double>(newer) - static_cast<double>(older),
                static_cast<double>(older)) *
         100.0;
}

void Calculate(PlayerRecord& r) {
  using I = std::int64_t;
  r.oldtotal = I{r.oldspeed} + r.oldpower + r.oldstren;
  r.newtotal = I{r.newspeed} + r.newpower + r.newstren;

  r.wspeed = r.newspeed * SpeedWeight();
  r.wpower = r.newpower * PowerWeight();
  r.wstren = r.newstren * StrengthWeight();
  r.whealth = r.newhealth * HealthWeight();
  r.wtotal = r.wspeed + r.wpower + r.wstren + r.whealth;

  r.speedgain = I{r.newspeed} - r.oldspeed;
  r.powergain = I{r.newpower} - r.oldpower;
  r.strengain = I{r.newstren} - r.oldstren;
  r.healthgain = I{r.newhealth} - r.oldhealth;
  r.intelgain = I{r.newintel} - r.oldintel;
  // Begging skill grows slowly, so its gain counts fifteen times.
  r.beggain = (r.newbeg - r.oldbeg) * 15;

  const double g =
      static_cast<double>(r.newtotal - r.oldtotal) + static_cast<double>(r.intelgain) + r.beggain;
  r.totalgain = Truncate(g);

  r.speedp = Percent(r.newspeed, r.oldspeed);
  r.powerp = Percent(r.newpower, r.oldpower);
  r.strenp = Percent(r.newstren, r.oldstren);
  r.healthp = Percent(r.newhealth, r.oldhealth);
  r.intelp = Percent(r.newintel, r.oldintel);
  const double base = static_cast<double>(r.oldtotal) + static_cast<double>(r.oldintel) + r.oldbeg;
  r.totalp = Divide(g, base) * 100.0;
  // The scaled begging gain over 10 only: 1.5 times the plain percentage.
  r.begp = Divide(r.beggain / 10.0, r.oldbeg) * 100.0;
}

}  // namespace

void ListCalc(PlayerRecord* first) {
  for (PlayerRecord* r = first; r != nullptr; r = r->next) {
    // A member without an old speed has no baseline: keep what it holds.
    if (r->oldspeed == 0) continue;
    Calculate(*r);
  }
}
