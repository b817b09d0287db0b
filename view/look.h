#pragma once

#include <algorithm>
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

// What a screen reader calls the controls whose captions are numbers, with
// the number after it (spokenNumber).
inline constexpr std::string_view kRoundName = "Round";
inline constexpr std::string_view kLinkDescription = "Help link";

// The program's name, the window's first title. The build writes it into the
// page's shell and manifest, and checks that the desktop files say the same.
inline constexpr std::string_view kProgramName = "The Ovalin Game";

// Message boxes and menus grow with the picture, for the back of a room,
// from these sizes at the design's; never below kSmallestPanelPixels.
inline constexpr double kBoxFontPoints = 8.25;
inline constexpr double kMenuFontPoints = 9;
inline constexpr int kSmallestPanelPixels = 13;

// The size a caption too wide for its box is drawn at: the largest at most
// `pixels`, and no smaller than `smallest`, at which `widthAt(size)` fits
// `room`; the front end measures, this decides. Such a caption stands in the
// middle of its box's height.
template <class Measure>
int fittedPixels(int pixels, int smallest, double room, Measure widthAt) {
  const double need = widthAt(pixels);
  if (need <= room || pixels <= smallest) return pixels;
  int size = std::max(smallest, static_cast<int>(pixels * room / need));
  // Glyph widths do not scale exactly with the size.
  while (size > smallest && widthAt(size) > room) --size;
  return size;
}

// A colour as HTML and SVG write it: "#0072b2".
std::string hexColor(const Color& c);

// A browser tab's title: the program's name, and the phase the window's
// title bar shows after it ("The Ovalin Game — Check").
std::string tabTitle(const Form1& f);

// What a screen reader says when a Step or a run has ended: "Round 12, Check".
std::string roundAnnouncement(const Form1& f);

// "Player 4 of 30, inner ring" for the player at index 3: players are
// counted from 1, and those at odd indexes stand in the inner ring; before
// the first deal there are none to count ("Player 1, outer ring").
std::string playerName(std::int16_t index, std::int16_t players);

// What a screen reader says of a label that shows a number, in one: what it
// counts, and the number with its unit ("Player 4 of 30, inner ring: $3",
// "Players with $2: 5", "Round: 12"), written over `said`: a frame of a fast
// run says it anew for every player, in the same buffer.
void spokenNumber(std::string& said, std::string_view name, std::string_view unit,
                  std::string_view number);

// "Players with $2", after the row's caption. While the outer ring is
// counted apart the red column holds the inner ring only: "Inner-ring
// players with $2", and the blue one "Outer-ring players with $2".
std::string countName(const Form1& f, std::int16_t row, bool outer);

}  // namespace ovali
