#include "commands/viewmenu.h"

namespace ovali {

void mnuHistory_Click(Form1& f) { f.mnuHistory.checked = !f.mnuHistory.checked; }

}  // namespace ovali
