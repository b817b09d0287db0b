#include "engine/rounds.h"

namespace ovali {

void playgame(Form1&, Flag) {}
void pause(Form1&, double) {}
void showplayers(Form1&, Flag) {}
void enablecontrols(Form1&, Flag) {}

}  // namespace ovali
