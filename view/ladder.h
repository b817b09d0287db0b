#pragma once

#include "view/form1.h"

namespace ovali {

// Copies the per-level counts into the ladder and moves the two level markers.
void checklevels(Form1& f);

// Notes the rows the two level markers would stand on, for a round whose
// ladder is written later; checklevels places them there.
void notemarkers(Form1& f);

}  // namespace ovali
