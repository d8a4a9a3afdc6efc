// The derived stats: totals, gains, percentage gains and weighted stats,
// worked out from a member's two snapshots (and the weights) whenever a
// table shows them or a sort orders by them, so they are always current.
//
// A member whose old speed is 0 has no baseline: every derived stat of it is
// 0.  The integer stats' totals and gains are 64-bit, so that large stats
// never wrap.  Percentages divide by a zero old value into an IEEE infinity
// of the dividend's sign, or NaN when the dividend is 0 too, never a trap.
#pragma once

#include <cstdint>

#include "roster/member.h"
#include "roster/settings.h"

namespace korvelin {

namespace derived {

std::int64_t OldTotal(const Member& m);  // oldspeed + oldpower + oldstren
std::int64_t NewTotal(const Member& m);  // newspeed + newpower + newstren
std::int64_t SpeedGain(const Member& m);
std::int64_t PowerGain(const Member& m);
std::int64_t StrenGain(const Member& m);
std::int64_t HealthGain(const Member& m);
std::int64_t IntelGain(const Member& m);
// The begging gain counted 15 times: begging skill grows slowly.
double BegGain(const Member& m);
// The overall gain G (total, intelligence and begging gains) truncated
// toward zero, clamped to 64 bits.
std::int64_t TotalGain(const Member& m);

double SpeedPercent(const Member& m);
double PowerPercent(const Member& m);
double StrenPercent(const Member& m);
double HealthPercent(const Member& m);
double IntelPercent(const Member& m);
// G over old total + old intelligence + old begging skill.
double TotalPercent(const Member& m);
// The scaled begging gain over 10 only: 1.5 times the plain percentage.
double BegPercent(const Member& m);

// The new stats times their weights, and their sum.
double WeightedSpeed(const Member& m, const Weights& w);
double WeightedPower(const Member& m, const Weights& w);
double WeightedStren(const Member& m, const Weights& w);
double WeightedHealth(const Member& m, const Weights& w);
double WeightedTotal(const Member& m, const Weights& w);

}  // namespace derived

}  // namespace korvelin
