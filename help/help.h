#pragma once

#include <cstdint>
#include <string>

#include "view/form1.h"

namespace ovali {

// A click on help link `index` (0 to 3); -2 and -3 are the second and third
// pages of the answers.
void Label3_Click(Form1& f, std::int16_t index);

void mnuAbout_Click(Form1& f);

// The text a help link shows, for the indexes Label3_Click takes; empty for others.
std::string helptext(std::int16_t index);

// What the two curves of the history view mean, shown in the view itself.
std::string historyHelp();

}  // namespace ovali
