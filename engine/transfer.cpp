#include "engine/transfer.h"

namespace ovali {

void addmoney(Form1&, std::int16_t, std::int16_t&, std::int16_t, Flag) {}

}  // namespace ovali
