#pragma once

#include <cstdint>

#include "toolkit/flags.h"
#include "view/form1.h"

namespace ovali {

// Lays the player labels out on the two rings around the centre of Line2 and
// moves the two ring markers beside P(0) and P(1). With `bothrings` False only
// the inner ring is turned, by `offset` pair positions.
void placeplayers(Form1& f, std::int16_t offset, Flag bothrings);

}  // namespace ovali
