#pragma once

#include "view/form1.h"

namespace ovali {

// Shows the time-averaged counts per level beside the theoretical ones, with
// the chart of both, or asks for a game first.
void analyze(Form1& f);

}  // namespace ovali
