#pragma once

#include <cstdint>
#include <string>

#include "view/form1.h"

namespace ovali {

// Checks the three fields in order, reports each broken rule and writes the
// corrected value back into the field.
void checkinputs(Form1& f);

// Whether the three fields hold what checkinputs leaves in them: whole
// numbers in plain digits that keep every rule.
bool inputsKeepTheRules(const Form1& f);

// Writes a field's text as the program does; a change raises the field's
// change event.
void settext(Form1& f, TextBox& box, std::string text);

// Moves the keyboard focus; a text box that gets it raises its GotFocus event.
void setfocus(Form1& f, Focus target);

void txtNB_Change(Form1& f);
void txtDollars_Change(Form1& f);
void txtNTrade_Change(Form1& f);

void txtNB_GotFocus(Form1& f);
void txtDollars_GotFocus(Form1& f);
void txtNTrade_GotFocus(Form1& f);

// `keyascii` is the typed character; a handler may set it to 0 to swallow it.
void txtNB_KeyPress(Form1& f, std::int16_t& keyascii);
void txtDollars_KeyPress(Form1& f, std::int16_t& keyascii);
void txtNTrade_KeyPress(Form1& f, std::int16_t& keyascii);

}  // namespace ovali
