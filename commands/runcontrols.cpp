#include "commands/runcontrols.h"

namespace ovali {

void Command1_Click(Form1&, std::int16_t) {}
void chkFast_Click(Form1&) {}

}  // namespace ovali
