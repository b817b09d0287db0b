#pragma once

#include "view/form1.h"

namespace ovali {

// Writes each player's dollars and the round counter from the game's numbers
// into their captions.
void showmoney(Form1& f);

// Brings the window up to the game's numbers, as a frame shows it: the
// captions, the inner ring turned to the round, and the ladder, unless a
// round is between its exchanges and its "Check". Front ends call it before
// they copy the window to the screen; a fast run writes nothing else.
void present(Form1& f);

// Checks the speed that runs in View's menu: fast while the box is ticked,
// whatever the pace, so that ticking the box moves the mark too.
void markSpeed(Form1& f);

}  // namespace ovali
