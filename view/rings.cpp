#include "view/rings.h"

namespace ovali {

void placeplayers(Form1&, std::int16_t, Flag) {}

}  // namespace ovali
