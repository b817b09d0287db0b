#include "engine/reset.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "commands/inputs.h"
#include "stats/levels.h"
#include "toolkit/text.h"
#include "view/history.h"
#include "view/rings.h"

namespace ovali {

namespace {

// Pair colours, by palette number.
constexpr std::array<Color, 5> kPairColours{Color{0, 0, 0}, Color{0, 0, 128}, Color{0, 128, 0},
                                            Color{0, 128, 128}, Color{128, 0, 0}};

// A field's value rounded down, when it fits the 16 bits the game keeps.
std::optional<std::int16_t> wholeValue(const TextBox& box) {
  const double value = std::floor(val(box.text));
  if (!(value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

void setVisible(ControlArray<Label>& labels, int index, bool visible) {
  if (Label* label = labels.find(static_cast<std::int16_t>(index))) label->visible = visible;
}

void setVisible(ControlArray<Circle>& circles, int index, bool visible) {
  if (Circle* circle = circles.find(static_cast<std::int16_t>(index))) circle->visible = visible;
}

void storeInputs(Form1& f) {
  GameState& g = f.game;
  if (auto players = wholeValue(f.txtNB)) g.nplayers = *players;
  if (auto dollars = wholeValue(f.txtDollars)) g.ndollars = *dollars;
  if (auto units = wholeValue(f.txtNTrade)) g.units = *units;
}

// One unit at a time round the players, from the one after the start index.
// A count of no players deals nothing; a unit below 1 could never use the
// money up, so it deals nothing either.
void deal(Form1& f, int amount) {
  const GameState& g = f.game;
  const int n = g.nplayers;
  if (n <= 0 || g.units <= 0) return;
  const int step = (g.inneronly != kFalse || g.outeronly != kFalse) ? 2 : 1;
  int i = g.outeronly != kFalse ? n - 2 : n - 1;
  while (amount > 0) {
    i = (i + step) % n;
    if (Label* player = f.P.find(static_cast<std::int16_t>(i))) {
      player->caption = decimal(static_cast<std::int64_t>(val(player->caption)) + g.units);
    }
    amount -= g.units;
  }
}

void countPlayers(Form1& f) {
  GameState& g = f.game;
  const std::size_t size = g.ndollars >= 0 ? static_cast<std::size_t>(g.ndollars) + 1 : 0;
  g.levels.assign(size, 0);
  g.outerlevels.assign(size, 0);
  if (g.units == 0) return;
  for (int i = 0; i < g.nplayers; ++i) {
    const Label* player = f.P.find(static_cast<std::int16_t>(i));
    if (player == nullptr) continue;
    const auto level = roundHalfEven32(val(player->caption) / g.units);
    if (!level || *level < 0 || static_cast<std::size_t>(*level) >= size) continue;
    auto& counts = (g.separate != kFalse && i % 2 == 0) ? g.outerlevels : g.levels;
    ++counts[static_cast<std::size_t>(*level)];
  }
}

}  // namespace

void resetgame(Form1& f) {
  GameState& g = f.game;
  checkinputs(f);

  // The labels stay hidden while they are moved, recoloured and recaptioned.
  // Up to and including the old count: a reset may follow a game of any size.
  for (int i = 0; i <= g.nplayers; ++i) setVisible(f.P, i, false);
  for (int k = 0; k <= 3; ++k) setVisible(f.Acircle, k, false);

  storeInputs(f);
  const int n = g.nplayers;

  for (int i = 0; i < n; ++i) f.P.load(static_cast<std::int16_t>(i));
  if (n > 0) placeplayers(f, 0, kTrue);

  for (int i = 0; i < n; i += 2) {
    const Color colour = kPairColours[static_cast<std::size_t>(i % 5)];
    for (int member = i; member <= i + 1; ++member) {
      if (Label* player = f.P.find(static_cast<std::int16_t>(member))) player->forecolor = colour;
    }
  }
  // decimal(0) rather than "0": GCC 12 takes a one-character literal assigned
  // here for an overlapping copy (-Wrestrict).
  for (int i = 0; i < n; ++i) {
    if (Label* player = f.P.find(static_cast<std::int16_t>(i))) player->caption = decimal(0);
  }

  int todeal = g.ndollars;
  if (g.alltoone != kFalse) {
    if (Label* first = f.P.find(0); first != nullptr && n > 0) first->caption = decimal(g.ndollars);
    todeal = 0;
  }

  g.maxlevel = 1;
  g.nsamples = 0;
  f.visible = true;

  deal(f, todeal);
  countPlayers(f);

  for (int i = 0; i <= 7; ++i) {
    if (Label* row = f.lbl2.find(static_cast<std::int16_t>(i))) {
      row->caption = dollarCaption(static_cast<std::int64_t>(i) * g.units);
    }
  }
  checklevels(f);

  g.sumlevels.fill(0);
  f.C.caption = decimal(0);
  startHistory(f);
  g.ready = kTrue;

  for (int i = 0; i < n; ++i) setVisible(f.P, i, true);
  for (int i = 0; i <= 7; ++i) setVisible(f.TS, i, g.separate != kFalse);
  setVisible(f.Acircle, 0, true);
  setVisible(f.Acircle, 1, true);
}

}  // namespace ovali
