#include "commands/inputs.h"

namespace ovali {

void checkinputs(Form1&) {}

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

void txtNB_GotFocus(Form1&) {}
void txtDollars_GotFocus(Form1&) {}
void txtNTrade_GotFocus(Form1&) {}

void txtNB_KeyPress(Form1&, std::int16_t&) {}
void txtDollars_KeyPress(Form1&, std::int16_t&) {}
void txtNTrade_KeyPress(Form1&, std::int16_t&) {}

}  // namespace ovali
