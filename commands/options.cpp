#include "commands/options.h"

namespace ovali {

void mnuO_Click(Form1&, std::int16_t) {}

}  // namespace ovali
