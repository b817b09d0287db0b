#include "engine/reset.h"

namespace ovali {

void resetgame(Form1&) {}

}  // namespace ovali
