#include "view/look.h"

#include "toolkit/text.h"

namespace ovali {

std::string tabTitle(const Form1& f) {
  if (f.caption.empty() || f.caption == kProgramName) return std::string(kProgramName);
  return std::string(kProgramName) + " \u2014 " + f.caption;
}

std::string roundAnnouncement(const Form1& f) {
  return std::string(kRoundName) + " " + (f.C.caption.empty() ? "0" : f.C.caption) + ", " +
         f.caption;
}

std::string playerName(std::int16_t index, std::int16_t players) {
  // Before the first deal the window shows one player of none yet.
  std::string name = "Player " + std::to_string(index + 1);
  if (players > 0) name += " of " + std::to_string(players);
  return name + (index % 2 ? ", inner ring" : ", outer ring");
}

void spokenNumber(std::string& said, std::string_view name, std::string_view unit,
                  std::string_view number) {
  said.assign(name);
  if (number.empty()) return;
  said += ": ";
  said += unit;
  said += number;
}

std::string countName(const Form1& f, std::int16_t row, bool outer) {
  const Label* caption = f.lbl2.find(row);
  std::string amount = caption ? caption->caption : dollarCaption(row);
  if (outer) return "Outer-ring players with " + amount;
  const Label* outerCount = f.TS.find(row);
  const bool apart = outerCount && outerCount->visible;
  return (apart ? "Inner-ring players with " : "Players with ") + amount;
}

std::string hexColor(const Color& c) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (const std::uint8_t part : {c.r, c.g, c.b}) {
    text += kDigits[part >> 4];
    text += kDigits[part & 15];
  }
  return text;
}

}  // namespace ovali
