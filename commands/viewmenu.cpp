#include "commands/viewmenu.h"

namespace ovali {

void mnuHistory_Click(Form1& f) { f.mnuHistory.checked = !f.mnuHistory.checked; }

void mnuLab_Click(Form1& f) { f.mnuLab.checked = !f.mnuLab.checked; }

}  // namespace ovali
