#pragma once

// When a front end redraws: its history view, and the window while the game
// runs its loop.

#include <cstdint>
#include <string_view>

#include "toolkit/toolkit.h"

namespace ovali {

struct Form1;

// When a front end redraws its history view: when the history has changed,
// at most four times a second while a game runs (a curve that grows needs no
// more, and a fast run keeps its speed) and at once otherwise.
class HistoryRedraw {
 public:
  // Says whether to redraw now, and if so takes it as done.
  bool due(Form1& f);
  // The view has just opened: the next call says to draw.
  void forget() { drawn_ = false; }

  static constexpr double kShortestSeconds = 0.25;

 private:
  bool drawn_ = false;
  std::uint64_t version_ = 0;
  double at_ = 0;
};

// The event passes and waits of a front end's toolkit, paced the same in
// both: a message box shows the window as it stands first, since it holds
// the game until it closes; a fast run's passes look at the clock only so
// often; a wait lasts a day at most. The front end says how it shows the
// window, opens a box, takes a pass and sleeps.
class PacedToolkit : public Toolkit {
 public:
  // A fast run asks for an event pass every round, several hundred thousand
  // times a second, and reading the clock costs about a tenth of a round (a
  // call out of WebAssembly in the page): in a run of calls with no wait
  // between them only every eighth looks, a few microseconds apart. The
  // first call after a wait always does.
  static constexpr unsigned kCallsPerLook = 8;
  // One day keeps the milliseconds of a wait in range; the caller asks again.
  static constexpr double kLongestWaitSeconds = 86400;

  void msgbox(std::string_view text) final;
  void msgboxWithChart(std::string_view text, const Chart& chart) final;
  void doevents() final;
  void waitevents(double seconds) final;

 protected:
  // Copies every change of the game into the window now.
  virtual void show() = 0;
  // The box, with `chart` above the text when given; returns once it is
  // closed.
  virtual void box(std::string_view text, const Chart* chart) = 0;
  // An event pass of a running loop whose turn it is to look at the clock.
  virtual void pass() = 0;
  // Sleeps until an event, for `ms` whole milliseconds at most; 0 for a
  // pass that does not sleep.
  virtual void sleep(double ms) = 0;

 private:
  unsigned callsSinceWait_ = 0;
};

}  // namespace ovali
