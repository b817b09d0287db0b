#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "view/form1.h"

namespace ovali {

// "MS Sans Serif" is rare outside its home desktop; the metric-compatible
// families that follow keep the captions close to their designed widths. The
// build writes them into the page's shell (web/shell.html) too.
inline constexpr std::array<std::string_view, 4> kFontFamilies{
    "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"};

// The light ring around each marker disc, in pixels at the design size: it
// keeps a disc apart from digits of any colour beneath it, its own included.
inline constexpr double kMarkerOutlinePixels = 2;

// A caption drawn smaller to fit its box gets no smaller than the window's
// default font: smaller than that it is no longer easy to read across a
// classroom.
inline constexpr double kSmallestCaptionPoints = 8.25;

// What a screen reader calls the controls whose captions are numbers; the
// number itself is read as the description.
inline constexpr std::string_view kRoundName = "Round";
inline constexpr std::string_view kLinkDescription = "Help link";

// The program's name, the window's first title. The build writes it into the
// page's shell and manifest, and checks that the desktop files say the same.
inline constexpr std::string_view kProgramName = "The Ovalin Game";

// A colour as HTML and SVG write it: "#0072b2".
std::string hexColor(const Color& c);

// A browser tab's title: the program's name, and the phase the window's
// title bar shows after it ("The Ovalin Game — Check").
std::string tabTitle(const Form1& f);

// What a screen reader says when a Step or a run has ended: "Round 12, Check".
std::string roundAnnouncement(const Form1& f);

// "Player 3, inner ring": odd players stand in the inner ring.
std::string playerName(std::int16_t index);

// "Players with $2", after the row's caption. While the outer ring is
// counted apart the red column holds the inner ring only: "Inner-ring
// players with $2", and the blue one "Outer-ring players with $2".
std::string countName(const Form1& f, std::int16_t row, bool outer);

}  // namespace ovali
