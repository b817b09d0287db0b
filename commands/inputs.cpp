#include "commands/inputs.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "commands/reset.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr std::int64_t kFewestPlayers = 2;  // a round needs one pair
constexpr std::int64_t kMostPlayers = 200;
constexpr std::int64_t kMostDollars = 32767;  // the game keeps the total in 16 bits

std::string_view withoutBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The whole number the game takes a field for: its value rounded down, as the
// reset stores it. None beyond what a double holds exactly: every such value
// breaks a range rule of its field, which writes a plain number in its place.
std::optional<std::int64_t> wholeNumberOf(std::string_view text) {
  const double whole = std::floor(val(text));
  if (!(std::fabs(whole) <= 9007199254740992.0)) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

// The field must show exactly the number the game uses: anything the reading
// skipped or rounded away ("1,000", "12abc", "3e1", "10.5") is told and
// replaced by that number, so that every rule after this one reads and quotes
// a plain whole number. Blanks around it are dropped without a word; a blank
// field is left to the range rules.
void checkwhole(Form1& f, TextBox& box, const std::string& subject, const char* unit) {
  const std::string_view text = withoutBlanks(box.text);
  if (text.empty()) return;
  const auto whole = wholeNumberOf(text);
  if (!whole) return;
  const std::string plain = decimal(*whole);
  if (text != plain) {
    f.tk.msgbox(subject + " must be a whole number in digits only; \"" + std::string(text) +
                "\" was read as " + unit + plain + ".");
  }
  settext(f, box, plain);
}

// The dollar fields are captioned "Total: $" and "Units: $", so "$30" is what
// many people type: a dollar sign directly before the digits belongs to the
// amount and goes without a word. Any other "$" ("$ 30", "30$", "$$30") stays
// for the whole-number rule to tell.
void dropDollarSign(Form1& f, TextBox& box) {
  const std::string_view text = withoutBlanks(box.text);
  if (text.size() >= 2 && text[0] == '$' && text[1] >= '0' && text[1] <= '9') {
    settext(f, box, std::string(text.substr(1)));
  }
}

void checkplayers(Form1& f) {
  checkwhole(f, f.txtNB, "The number of players", "");
  // The count checked is the one raised: the field may have been written
  // while the box was open.
  const double players = val(f.txtNB.text);
  if (const auto n = roundHalfEven32(players); n && *n % 2 != 0) {
    f.tk.msgbox("The number of players must be even.");
    settext(f, f.txtNB, plainDecimal(players + 1));
  }
  if (val(f.txtNB.text) > kMostPlayers) {
    f.tk.msgbox("The number of players must be no more than 200.");
    settext(f, f.txtNB, "200");
  }
  if (!(val(f.txtNB.text) >= kFewestPlayers)) {
    f.tk.msgbox("The number of players must be at least 2.");
    settext(f, f.txtNB, "2");
  }
}

void checkdollars(Form1& f) {
  dropDollarSign(f, f.txtDollars);
  checkwhole(f, f.txtDollars, "The number of dollars total", "$");
  if (val(f.txtDollars.text) < 1) {
    f.tk.msgbox("The number of dollars total must be at least $1.");
    settext(f, f.txtDollars, "1");
  }
  if (val(f.txtDollars.text) > kMostDollars) {
    f.tk.msgbox("The number of dollars total must be no more than $32767.");
    settext(f, f.txtDollars, "32767");
  }
}

void checktrade(Form1& f) {
  dropDollarSign(f, f.txtNTrade);
  if (val(f.txtNTrade.text) == 0) settext(f, f.txtNTrade, "1");
  checkwhole(f, f.txtNTrade, "The number of dollars to be traded", "$");

  const double d = val(f.txtDollars.text);
  const double t = val(f.txtNTrade.text);
  const bool broken = t < 1 || std::floor(t) != t || d < t || std::floor(d / t) != d / t;
  if (broken) {
    f.tk.msgbox("The number of dollars to be traded must be at least $1, divisible evenly into $" +
                f.txtDollars.text + " and no more than $" + f.txtDollars.text + ".");
    settext(f, f.txtNTrade, "1");
  }
}

// A field's number when the field shows it as the checks write it: plain
// digits, nothing around them.
std::optional<std::int64_t> shownWhole(const TextBox& box) {
  const auto whole = wholeNumberOf(box.text);
  if (!whole || box.text != decimal(*whole)) return std::nullopt;
  return whole;
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

bool inputsKeepTheRules(const Form1& f) {
  const auto players = shownWhole(f.txtNB);
  const auto dollars = shownWhole(f.txtDollars);
  const auto units = shownWhole(f.txtNTrade);
  return players && *players >= kFewestPlayers && *players <= kMostPlayers && *players % 2 == 0 &&
         dollars && *dollars >= 1 && *dollars <= kMostDollars && units && *units >= 1 &&
         *units <= *dollars && *dollars % *units == 0;
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
  if (keyascii != kEnterKey) return;
  keyascii = 0;
  checkinputs(f);
  setfocus(f, Focus::txtDollars);
}

void txtDollars_KeyPress(Form1& f, std::int16_t& keyascii) {
  if (keyascii != kEnterKey) return;
  keyascii = 0;
  checkinputs(f);
  setfocus(f, Focus::txtNTrade);
}

void txtNTrade_KeyPress(Form1& f, std::int16_t& keyascii) {
  if (keyascii != kEnterKey) return;
  keyascii = 0;
  checkinputs(f);
  resetgame(f);
  setfocus(f, Focus::Start);
}

}  // namespace ovali
