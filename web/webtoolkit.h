#pragma once

#include <string>

#include "toolkit/random.h"
#include "toolkit/toolkit.h"

namespace ovali {

class Page;

// The toolkit services in a browser. The game stays one synchronous loop:
// where it waits (a message box, a pause, an event pass) the WebAssembly
// stack is put aside (Asyncify) and the browser runs until an event or a
// timer wakes it.
class WebToolkit : public Toolkit {
 public:
  void attach(Page* page) { page_ = page; }

  // A fast run lets the browser paint about thirty times a second: each
  // frame's copy into the page and its painting take their time, and what
  // is left of the frame goes to the game. Never more often than the screen
  // refreshes, as each yield costs a task switch.
  static constexpr double kFramePeriodMs = 28;
  static constexpr double kShortestRunMs = 16;
  // Reading the clock is a call out of WebAssembly: a fast round of few
  // players takes less time than that, so only every so many passes look.
  static constexpr unsigned kPassesPerLook = 8;

  void msgbox(std::string_view text) override;
  void msgboxWithChart(std::string_view text, const Chart& chart) override;
  void doevents() override;
  void waitevents(double seconds) override;
  void beep() override;
  double timer() override;
  void randomize() override;
  double rnd() override { return random_.next(); }
  Random* generator() override { return &random_; }
  [[noreturn]] void end() override;

  void seed(std::uint64_t seed) { random_.reseed(seed); }

  // Sleeps until a page event arrives or `ms` pass (forever when negative),
  // then runs the handlers of every pending event.
  void wait(double ms);

 private:
  void showBox(std::string_view text, const Chart* chart);

  Page* page_ = nullptr;
  unsigned passes_ = 0;
  double lastYield_ = 0;
  double screenMs_ = 0;  // what a frame's copy and painting took lately
  Random random_;
};

}  // namespace ovali
