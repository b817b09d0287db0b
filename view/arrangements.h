#pragma once

#include <span>

#include "view/projection.h"

namespace ovali {

// The page's arrangements of the window, as data. The first is the window's
// own layout; the others are upright, for tablets and phones held upright:
// the board across the top, the fields, the ladder and the help links below
// it, and the buttons with the "fast" box in a row of large targets at the
// bottom.
std::span<const Arrangement> pageArrangements();

// The arrangement for a client area of this shape: the window's own down to
// a width of 0.9 times the height, then the tablet's, and below 0.53 (where
// the tablet's would no longer span a phone's width) the phone's.
const Arrangement& arrangementFor(double clientWidth, double clientHeight);

}  // namespace ovali
