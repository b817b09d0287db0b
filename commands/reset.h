#pragma once

#include "view/form1.h"

namespace ovali {

// Builds a fresh game from the three fields and the option flags.
void resetgame(Form1& f);

}  // namespace ovali
