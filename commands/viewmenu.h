#pragma once

#include "view/form1.h"

namespace ovali {

// View, History: opens the history view, or closes it when it is open.
void mnuHistory_Click(Form1& f);

// View, Explorations lab: opens the lab, or closes it (ending its run).
void mnuLab_Click(Form1& f);

}  // namespace ovali
