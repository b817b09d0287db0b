#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/gamestate.h"
#include "view/form1.h"

namespace ovali {

// The game's settings in a page's address, so that a link opens the game as
// a class had it: "?players=40&total=80&units=2&fast=1&options=inner,random".
struct AddressSettings {
  // As typed into the fields: they go through the fields' own checks.
  std::optional<std::string> players, total, units;
  bool fast = false;
  // Rounds a second between slow and fast ("speed=100"), 0 for none;
  // "speed=fast" ticks the box as "fast=1" does.
  int pace = 0;
  // By the Options menu's items, 0 to 4.
  std::array<bool, 5> options{};
  // The Explorations lab's experiment to open and run: "?lab=money".
  std::optional<std::string> lab;
};

struct AddressReading {
  AddressSettings settings;
  // Empty, or why the address was not used: the game then starts as usual.
  std::string error;
};

// Reads the query part of an address, with or without its "?".
AddressReading readAddress(std::string_view query);

// The query ("?players=...") that opens the game with its settings as of its
// last reset; empty before the first.
std::string addressOf(const Form1& f);

// Sets the game up as the settings say, as a user would: ticks the options
// and the fast box, chooses the pace, and types each given number into its field and presses
// Enter in the three fields in turn, so that the usual checks speak and the
// last Enter deals. An experiment of the lab is asked for, for the next
// frame to open and run.
void applyAddress(Form1& f, const AddressSettings& s);

// The program opened with `query`: its settings are applied; an address
// that cannot be used is told in a message, and the game starts as usual.
void openAddress(Form1& f, std::string_view query);

}  // namespace ovali
