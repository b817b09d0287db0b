#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "toolkit/flags.h"

namespace ovali {

// The one record every part of the game reads or changes, as numbers. The
// window's captions are a view of it, written when a frame is shown.
struct GameState {
  // Rounds keep being played until Stop clears it.
  Flag running = kFalse;
  // A round or a run is under way; it stays set until the round that Stop
  // interrupted has finished.
  Flag playing = kFalse;
  // Players per level (dollars / units), indexes 0 to ndollars: every player
  // while `separate` is off, the inner ring only while it is on. Counted from
  // the holdings by countlevels (engine/transfer.h), which whatever reads
  // them calls first: the rounds move the holdings only.
  std::vector<std::int16_t> levels;
  // Outer-ring players per level; all 0 while `separate` is off.
  std::vector<std::int16_t> outerlevels;
  // Each player's money in units, by player: its dollars are units times this.
  std::vector<std::int16_t> holdings;
  // Rounds played since the reset; the counter the window shows.
  std::int64_t round = 0;
  std::int16_t nplayers = 0;
  std::int16_t ndollars = 0;
  std::int16_t units = 0;
  // The long-run sums are 64-bit: with 200 players a fast run would overflow
  // 32-bit sums within minutes.
  std::int64_t nsamples = 0;
  Flag ready = kFalse;
  // Up to date only after flushsums (engine/transfer.h): a sample does not
  // add every level; a player's samples are booked when it plays.
  std::array<std::int64_t, 101> sumlevels{};
  // The samples booked since the last flush, by level, in two banks (the
  // outer and the inner player of a pair), so that the two books of a pair
  // never wait for each other. Levels above 100 share the last slot, which is
  // never read; a level above the sampled range holds nothing of meaning
  // until it enters the range, when it is set to what it owes.
  std::array<std::array<std::int64_t, 102>, 2> booked{};
  // By player: the sample count up to which its samples are booked.
  std::vector<std::int64_t> sampledto;
  std::int16_t maxlevel = 0;
  Flag randomexchange = kFalse;
  Flag inneronly = kFalse;
  Flag outeronly = kFalse;
  Flag alltoone = kFalse;
  Flag separate = kFalse;
};

// The options' names in an address or on the lab's command line, in the
// order of the Options menu's items and of the flags below: separate,
// inneronly, outeronly, alltoone, randomexchange.
inline constexpr std::array<std::string_view, 5> kOptionNames{"separate", "inner", "outer", "one",
                                                              "random"};

}  // namespace ovali
