#pragma once

#include <cstdint>

#include "view/form1.h"

namespace ovali {

// Start/Stop (0), Reset (2), Step (3) and Analyze (4).
void Command1_Click(Form1& f, std::int16_t index);

void chkFast_Click(Form1& f);

}  // namespace ovali
