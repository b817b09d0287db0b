#include "commands/reset.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "commands/inputs.h"
#include "engine/reset.h"
#include "toolkit/text.h"
#include "view/ladder.h"
#include "view/present.h"
#include "view/recording.h"
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

}  // namespace

void resetgame(Form1& f) {
  GameState& g = f.game;
  // A field written while one of the check's boxes was open has not been
  // checked: the check runs again until the fields keep every rule, so that
  // the game never stores what breaks them and the fields show what it uses.
  do {
    checkinputs(f);
  } while (!inputsKeepTheRules(f));

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
  f.visible = true;

  dealgame(g);
  showmoney(f);

  for (int i = 0; i <= 7; ++i) {
    if (Label* row = f.lbl2.find(static_cast<std::int16_t>(i))) {
      row->caption = dollarCaption(static_cast<std::int64_t>(i) * g.units);
    }
  }
  // The markers of a player above the ladder stay where the last game left them.
  f.markerRows = {-1, -1};
  checklevels(f);
  startHistory(f);

  g.ready = kTrue;

  for (int i = 0; i < n; ++i) setVisible(f.P, i, true);
  for (int i = 0; i <= 7; ++i) setVisible(f.TS, i, g.separate != kFalse);
  setVisible(f.Acircle, 0, true);
  setVisible(f.Acircle, 1, true);
}

}  // namespace ovali
