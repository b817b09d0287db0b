// The page's address: read, and when it reads, applied to a freshly started
// window as the page applies it, then a Reset and a few rounds. The game
// the address built must open again from the address it gives.

#include "commands/address.h"
#include "commands/runcontrols.h"
#include "fuzz.h"

using namespace ovali;

namespace {

constexpr std::size_t kLongest = 256;  // an address a class would share, and some
constexpr int kRounds = 3;

// The rounds are slow unless the address ticked the fast box or chose a
// pace, so they run on the fake clock with its beeps and pauses.
void playRounds(Form1& f) {
  for (int r = 0; r < kRounds; ++r) {
    Command1_Click(f, kStep);
    fuzz::check(f, "a Step");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kLongest) return -1;
  const AddressReading reading =
      readAddress(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!reading.error.empty()) return 0;  // the game starts with its usual settings

  testing::Started s;
  applyAddress(s.f, reading.settings);
  fuzz::check(s.f, "the address");
  Command1_Click(s.f, kReset);
  fuzz::check(s.f, "the Reset");
  playRounds(s.f);

  // The address of the game as it now stands reads again, without an error,
  // and gives the same game.
  const AddressReading again = readAddress(addressOf(s.f));
  if (!again.error.empty()) fuzz::fail("the address of the game", again.error);
  testing::Started t;
  applyAddress(t.f, again.settings);
  const GameState &g = s.f.game, &h = t.f.game;
  bool same = h.nplayers == g.nplayers && h.ndollars == g.ndollars && h.units == g.units &&
              t.f.chkFast.value == s.f.chkFast.value &&
              (s.f.chkFast.value != 0 || t.f.pace == s.f.pace);
  for (std::int16_t k = 0; k < static_cast<std::int16_t>(kOptionNames.size()); ++k) {
    same = same && t.f.mnuO(k).checked == s.f.mnuO(k).checked;
  }
  if (!same) {
    fuzz::fail("the address of the game", "it opens another game: " + addressOf(s.f));
  }
  return 0;
}
