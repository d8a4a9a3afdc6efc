// The derived stats: totals, gains, percentage gains and weighted stats.
#pragma once

#include "roster/record.h"

// Computes the 23 derived fields of `first` and of every record after it,
// with the weights held in the sentinel.  Records whose oldspeed is 0 are
// left as they are.  Null does nothing.
void ListCalc(PlayerRecord* first);
