#include "view/arrangements.h"

#include <array>

namespace ovali {

namespace {

// The areas in the window's layout, in twips. The board takes in the rings
// at every count of players; the fields stand inside the rings.
constexpr TwipsBox kBoard{0, 150, 6250, 6450};
constexpr TwipsBox kInputs{2000, 2400, 2900, 2300};
constexpr TwipsBox kLadder{6480, 700, 2040, 5600};
constexpr TwipsBox kLinks{6100, 100, 2200, 480};
constexpr TwipsBox kControls{1500, 6450, 5900, 380};
// The round counter grows to the right as the rounds mount up.
constexpr TwipsBox kCounter{7200, 6480, 1200, 300};

// The window's own layout: every area where the design puts it.
constexpr TwipsBox kWhole{0, 0, kDesignWidth, kDesignHeight};
constexpr Arrangement kWindow{kDesignWidth,
                              kDesignHeight,
                              {{{kWhole, kWhole, 1},
                                {kWhole, kWhole, 1},
                                {kWhole, kWhole, 1},
                                {kWhole, kWhole, 1},
                                {kWhole, kWhole, 1},
                                {kWhole, kWhole, 1}}},
                              0.9};

// A tablet upright: the board as in the window with the ladder beside it,
// the help links twice their size below, then the buttons twice as tall;
// the round counter under the ladder.
constexpr Arrangement kTablet{8330,
                              8560,
                              {{{kBoard, {0, 0, 6250, 6450}, 1},
                                {kInputs, {2000, 2250, 2900, 2300}, 1},
                                {kLadder, {6270, 400, 2040, 5600}, 1},
                                {kLinks, {200, 6600, 4400, 960}, 2},
                                {kControls, {200, 7700, 8000, 760}, 1.4},
                                {kCounter, {6270, 6650, 1680, 420}, 1.4}}},
                              0.53};

// A phone upright, 360 pixels wide: the board across the width, the fields
// and the help links below it on the left, the ladder on the right, and the
// buttons at the bottom, at least 40 pixels tall; the round counter in the
// board's empty top left corner.
constexpr Arrangement kPhone{5400,
                             10680,
                             {{{kBoard, {0, 0, 5400, 5573}, 0.864},
                               {kInputs, {60, 5680, 2755, 2185}, 0.95},
                               {kLadder, {3900, 5680, 1469, 4032}, 0.72},
                               {kLinks, {60, 7950, 3850, 840}, 1.75},
                               {kControls, {60, 9820, 5280, 760}, 1.15},
                               {kCounter, {60, 30, 1200, 300}, 1}}},
                             0};

constexpr std::array kArrangements{kWindow, kTablet, kPhone};

}  // namespace

std::span<const Arrangement> pageArrangements() { return kArrangements; }

const Arrangement& arrangementFor(double clientWidth, double clientHeight) {
  if (clientWidth <= 0 || clientHeight <= 0) return kArrangements.front();
  const double aspect = clientWidth / clientHeight;
  for (const Arrangement& a : kArrangements) {
    if (aspect >= a.narrowest) return a;
  }
  return kArrangements.back();
}

}  // namespace ovali
