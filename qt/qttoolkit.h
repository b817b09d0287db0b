#pragma once

#include <QElapsedTimer>

#include "toolkit/random.h"
#include "view/pacing.h"

namespace ovali {

class MainWindow;

// The toolkit services for real: message boxes, the event loop, the beep, the
// clock and the random numbers. The window it serves is attached once built,
// so that event passes can keep the screen in step with the game.
class QtToolkit : public PacedToolkit {
 public:
  void attach(MainWindow* window) { window_ = window; }

  // A fast run asks for an event pass every round, several hundred thousand
  // times a second, and a full pass costs about two microseconds. Nobody can
  // click twice within a millisecond, so passes closer together than that
  // are left out: a click is still taken within a millisecond of arriving.
  static constexpr qint64 kPassIntervalNs = 1'000'000;

  void beep() override;
  double timer() override;
  void randomize() override;
  double rnd() override { return random_.next(); }
  Random* generator() override { return &random_; }
  [[noreturn]] void end() override;

 private:
  void show() override;
  void box(std::string_view text, const Chart* chart) override;
  void pass() override;
  void sleep(double ms) override;

  MainWindow* window_ = nullptr;
  QElapsedTimer lastPass_;
  Random random_;
};

}  // namespace ovali
