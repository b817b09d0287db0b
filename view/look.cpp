#include "view/look.h"

#include "toolkit/text.h"

namespace ovali {

std::string playerName(std::int16_t index) {
  return "Player " + std::to_string(index) + (index % 2 ? ", inner ring" : ", outer ring");
}

std::string countName(const Form1& f, std::int16_t row, bool outer) {
  const Label* caption = f.lbl2.find(row);
  std::string amount = caption ? caption->caption : dollarCaption(row);
  if (outer) return "Outer-ring players with " + amount;
  const Label* outerCount = f.TS.find(row);
  const bool apart = outerCount && outerCount->visible;
  return (apart ? "Inner-ring players with " : "Players with ") + amount;
}

}  // namespace ovali
