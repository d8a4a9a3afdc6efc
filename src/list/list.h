// The List protocol: sorting, the table renderer, the presets and the
// settings reached from it, and the constructors of the option masks.
#pragma once

#include "roster/roster.h"

// Mask constructors.  Each puts a fresh mask in its global; the previous
// mask is released.
void TempReset();       // tempoptions: nothing selected
void DefaultDisplay();  // displayoptions: the default columns
void MainDisplay();     // main_d_options: the default columns
void WCOptions();       // tempoptions: the WC columns
void PercentOptions();  // tempoptions: the PERCENT columns
