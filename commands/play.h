#pragma once

#include "toolkit/flags.h"
#include "view/form1.h"

namespace ovali {

// Plays one round, or rounds until `running` is cleared when `continuous`:
// slow, with the phases shown, beeps and pauses; fast while the box is
// ticked; or, with the box clear and a pace chosen, without beeps or pauses
// at that many rounds a second, waiting for events between them.
void playgame(Form1& f, Flag continuous);

// Beeps and lets events run for `seconds`, unless the fast box is ticked or
// a pace is chosen.
void pause(Form1& f, double seconds);

void showplayers(Form1& f, Flag show);

// Locks (False) or unlocks (True) the controls that must not be used while
// rounds are played.
void enablecontrols(Form1& f, Flag enable);

}  // namespace ovali
