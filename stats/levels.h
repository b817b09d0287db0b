#pragma once

#include "view/form1.h"

namespace ovali {

// Copies the per-level counts into the ladder and moves the two level markers.
void checklevels(Form1& f);

}  // namespace ovali
