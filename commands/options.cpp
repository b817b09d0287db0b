#include "commands/options.h"

#include "commands/reset.h"

namespace ovali {

namespace {

constexpr std::int16_t kSeparate = 0;
constexpr std::int16_t kInnerOnly = 1;
constexpr std::int16_t kOuterOnly = 2;
constexpr std::int16_t kAllToOne = 3;
constexpr std::int16_t kRandomExchange = 4;

Flag checkedFlag(const Form1& f, std::int16_t index) {
  const MenuItem* item = f.mnuO.find(index);
  return toFlag(item != nullptr && item->checked);
}

void uncheck(Form1& f, std::int16_t index) {
  if (MenuItem* item = f.mnuO.find(index)) item->checked = false;
}

}  // namespace

void mnuO_Click(Form1& f, std::int16_t index) {
  MenuItem* clicked = f.mnuO.find(index);
  if (clicked == nullptr) return;

  f.game.ready = kFalse;
  clicked->checked = !clicked->checked;

  // The three ways of dealing exclude each other, also when the click has
  // just unchecked the item.
  if (index >= kInnerOnly && index <= kAllToOne) {
    for (std::int16_t other = kInnerOnly; other <= kAllToOne; ++other) {
      if (other != index) uncheck(f, other);
    }
  }

  f.game.inneronly = checkedFlag(f, kInnerOnly);
  f.game.outeronly = checkedFlag(f, kOuterOnly);
  f.game.alltoone = checkedFlag(f, kAllToOne);
  f.game.randomexchange = checkedFlag(f, kRandomExchange);
  f.game.separate = checkedFlag(f, kSeparate);

  if (f.game.randomexchange == kTrue && !f.toldrandom) {
    f.tk.msgbox(
        "Checking the \"random\" box changes the game so that \r"
        "exchanges are between randomly chosen pairs of players.");
    f.toldrandom = true;
  }

  resetgame(f);
}

}  // namespace ovali
