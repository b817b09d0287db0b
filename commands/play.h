#pragma once

#include "toolkit/flags.h"
#include "view/form1.h"

namespace ovali {

// Plays one round, or rounds until `running` is cleared when `continuous`.
void playgame(Form1& f, Flag continuous);

// Beeps and lets events run for `seconds`, unless the fast box is ticked.
void pause(Form1& f, double seconds);

void showplayers(Form1& f, Flag show);

// Locks (False) or unlocks (True) the controls that must not be used while
// rounds are played.
void enablecontrols(Form1& f, Flag enable);

}  // namespace ovali
