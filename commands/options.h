#pragma once

#include <cstdint>

#include "view/form1.h"

namespace ovali {

// A click on Options item `index` (0 to 4).
void mnuO_Click(Form1& f, std::int16_t index);

}  // namespace ovali
