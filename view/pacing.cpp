#include "view/pacing.h"

#include <algorithm>
#include <cmath>

#include "view/form1.h"

namespace ovali {

bool HistoryRedraw::due(Form1& f) {
  if (drawn_ && version_ == f.history.version()) return false;
  const double now = f.tk.timer();
  // A clock that went back has passed midnight.
  if (drawn_ && f.game.running != kFalse && now >= at_ && now - at_ < kShortestSeconds) {
    return false;
  }
  drawn_ = true;
  version_ = f.history.version();
  at_ = now;
  return true;
}

void PacedToolkit::msgbox(std::string_view text) {
  show();
  box(text, nullptr);
}

void PacedToolkit::msgboxWithChart(std::string_view text, const Chart& chart) {
  show();
  box(text, &chart);
}

void PacedToolkit::doevents() {
  if (callsSinceWait_++ % kCallsPerLook == 0) pass();
}

void PacedToolkit::waitevents(double seconds) {
  callsSinceWait_ = 0;
  sleep(seconds > 0 ? std::ceil(std::min(seconds, kLongestWaitSeconds) * 1000.0) : 0);
}

}  // namespace ovali
