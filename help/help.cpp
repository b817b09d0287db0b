#include "help/help.h"

namespace ovali {

void Label3_Click(Form1&, std::int16_t) {}
void mnuAbout_Click(Form1&) {}
std::string helptext(std::int16_t) { return {}; }

}  // namespace ovali
