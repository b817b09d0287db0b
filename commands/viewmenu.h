#pragma once

#include "view/form1.h"

namespace ovali {

// View, History: opens the history view, or closes it when it is open.
void mnuHistory_Click(Form1& f);

// View, Explorations lab: opens the lab, or closes it (ending its run).
void mnuLab_Click(Form1& f);

// View's speeds (kSlowSpeed to kFastSpeed): slow clears the fast box, fast
// ticks it, a pace between clears it and sets the pace. Takes effect at the
// next pause or round, also during a run.
void mnuSpeed_Click(Form1& f, std::int16_t speed);

}  // namespace ovali
