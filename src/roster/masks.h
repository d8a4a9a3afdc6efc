// The column sets: the custom list's, DEFAULT's and the other presets'.
#pragma once

#include "roster/record.h"

// Each puts a fresh mask in its global; the previous mask is released.
void TempReset();       // tempoptions: nothing selected
void DefaultDisplay();  // displayoptions: the default columns
void MainDisplay();     // main_d_options: the default columns
void WCOptions();       // tempoptions: the WC columns
void PercentOptions();  // tempoptions: the PERCENT columns
