#include "commands/viewmenu.h"

#include "view/present.h"

namespace ovali {

void mnuHistory_Click(Form1& f) { f.mnuHistory.checked = !f.mnuHistory.checked; }

void mnuLab_Click(Form1& f) { f.mnuLab.checked = !f.mnuLab.checked; }

void mnuSpeed_Click(Form1& f, std::int16_t speed) {
  if (speed < 0 || speed >= kSpeedCount) return;
  f.chkFast.value = speed == kFastSpeed ? 1 : 0;
  f.pace = kSpeedPaces[static_cast<std::size_t>(speed)];
  markSpeed(f);
}

}  // namespace ovali
