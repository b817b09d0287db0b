#pragma once

#include <cstdint>
#include <string>

#include "view/form1.h"

namespace ovali {

// Shows the time-averaged counts per level beside the theoretical ones.
void analyze(Form1& f);

// `value` with `decimals` decimals (halves away from zero), right-aligned in
// exactly `width` characters; a longer number loses its leading characters.
std::string fmtnum(const float& value, std::int16_t decimals, std::int16_t width);

}  // namespace ovali
