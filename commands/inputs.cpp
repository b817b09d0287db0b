#include "commands/inputs.h"

#include <algorithm>
#include <cmath>

#include "commands/reset.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr std::int16_t kEnter = 13;

void checkplayers(Form1& f) {
  if (const auto n = roundHalfEven32(val(f.txtNB.text)); n && *n % 2 != 0) {
    f.tk.msgbox("The number of players must be even.");
    settext(f, f.txtNB, plainDecimal(val(f.txtNB.text) + 1));
  }
  if (val(f.txtNB.text) > 200) {
    f.tk.msgbox("The number of players must be no more than 200.");
    settext(f, f.txtNB, "200");
  }
  // Only a whole count of at least one pair can be played. A fraction that
  // passed the steps above is rounded, halves to even; it rounds to an even
  // number, as the first step raised any that did not.
  const double players = val(f.txtNB.text);
  const auto n = roundHalfEven32(players);
  if (!n || *n < 2) {
    f.tk.msgbox("The number of players must be at least 2.");
    settext(f, f.txtNB, "2");
  } else if (players != *n) {
    settext(f, f.txtNB, decimal(*n));
  }
}

void checkdollars(Form1& f) {
  if (val(f.txtDollars.text) < 1) {
    f.tk.msgbox("The number of dollars total must be at least $1.");
    settext(f, f.txtDollars, "1");
  }
  // The game keeps the total as a 16-bit number.
  if (val(f.txtDollars.text) > 32767) {
    f.tk.msgbox("The number of dollars total must be no more than $32767.");
    settext(f, f.txtDollars, "32767");
  }
}

void checktrade(Form1& f) {
  if (val(f.txtNTrade.text) == 0) settext(f, f.txtNTrade, "1");

  const double d = val(f.txtDollars.text);
  const double t = val(f.txtNTrade.text);
  const bool broken = t < 1 || std::floor(t) != t || d < t || std::floor(d / t) != d / t;
  if (broken) {
    f.tk.msgbox("The number of dollars to be traded must be at least $1, divisible evenly into $" +
                f.txtDollars.text + " and no more than $" + f.txtDollars.text + ".");
    settext(f, f.txtNTrade, "1");
  }
}

int characters(const std::string& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

void selectall(TextBox& box) {
  box.selstart = 0;
  box.sellength = std::min(1000, characters(box.text));
}

}  // namespace

void checkinputs(Form1& f) {
  checkplayers(f);
  checkdollars(f);
  checktrade(f);
}

void settext(Form1& f, TextBox& box, std::string text) {
  if (box.text == text) return;
  box.text = std::move(text);
  if (&box == &f.txtNB) txtNB_Change(f);
  if (&box == &f.txtDollars) txtDollars_Change(f);
  if (&box == &f.txtNTrade) txtNTrade_Change(f);
}

void setfocus(Form1& f, Focus target) {
  f.focus = target;
  if (target == Focus::txtNB) txtNB_GotFocus(f);
  if (target == Focus::txtDollars) txtDollars_GotFocus(f);
  if (target == Focus::txtNTrade) txtNTrade_GotFocus(f);
}

void txtNB_Change(Form1& f) { f.game.ready = kFalse; }
void txtDollars_Change(Form1& f) { f.game.ready = kFalse; }
void txtNTrade_Change(Form1& f) { f.game.ready = kFalse; }

void txtNB_GotFocus(Form1& f) { selectall(f.txtNB); }
void txtDollars_GotFocus(Form1& f) { selectall(f.txtDollars); }
void txtNTrade_GotFocus(Form1& f) { selectall(f.txtNTrade); }

void txtNB_KeyPress(Form1& f, std::int16_t& keyascii) {
  if (keyascii != kEnter) return;
  keyascii = 0;
  checkinputs(f);
  setfocus(f, Focus::txtDollars);
}

void txtDollars_KeyPress(Form1& f, std::int16_t& keyascii) {
  if (keyascii != kEnter) return;
  keyascii = 0;
  checkinputs(f);
  setfocus(f, Focus::txtNTrade);
}

void txtNTrade_KeyPress(Form1& f, std::int16_t& keyascii) {
  if (keyascii != kEnter) return;
  keyascii = 0;
  checkinputs(f);
  resetgame(f);
  setfocus(f, Focus::Start);
}

}  // namespace ovali
