// Texts typed into the three fields (the input's first three lines), then
// Enter in each, as a user goes down them, and a Reset.

#include "commands/inputs.h"
#include "commands/runcontrols.h"
#include "fuzz.h"

using namespace ovali;

namespace {

constexpr std::size_t kLongest = 128;

// Whatever the last input left, its texts are written over by the next one's
// and its game is dealt afresh by the next one's Enter: the window is made
// once.
testing::Started& window() {
  static testing::Started s;
  return s;
}

struct FieldEntry {
  TextBox Form1::*box;
  void (*enter)(Form1&, std::int16_t&);
  const char* name;
};

constexpr FieldEntry kFields[] = {
    {&Form1::txtNB, txtNB_KeyPress, "Enter in Players"},
    {&Form1::txtDollars, txtDollars_KeyPress, "Enter in Total"},
    {&Form1::txtNTrade, txtNTrade_KeyPress, "Enter in Units"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kLongest) return -1;
  fuzz::Bytes in(data, size);
  testing::Started& s = window();
  s.tk.messages.clear();
  for (const FieldEntry& field : kFields) settext(s.f, s.f.*field.box, std::string(in.line()));
  for (const FieldEntry& field : kFields) {
    std::int16_t key = kEnterKey;
    field.enter(s.f, key);
    if (key != 0) fuzz::fail(field.name, "the key was not taken");
    fuzz::check(s.f, field.name);
  }
  // The last Enter dealt: the game stands.
  if (s.f.game.ready == kFalse) fuzz::fail("Enter in Units", "no game was dealt");
  Command1_Click(s.f, kReset);
  fuzz::check(s.f, "the Reset");
  return 0;
}
