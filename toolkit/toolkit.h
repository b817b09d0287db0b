#pragma once

#include <cstdlib>
#include <string_view>

#include "toolkit/chart.h"
#include "toolkit/random.h"

namespace ovali {

// The services the game asks of its surroundings. Each front end implements
// them for real (qt/qttoolkit.h, web/webtoolkit.h); tests use a fake with a
// scripted clock and random draws.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // A modal box with an OK button only, no icon, captioned "ovali". A lone
  // carriage return is a line break and tabs separate columns. Returns when
  // the user has closed it; events keep running meanwhile.
  virtual void msgbox(std::string_view text) = 0;

  // The same box with `chart` drawn above the text, which stays as msgbox
  // shows it and describes the chart to a screen reader. A toolkit that
  // cannot draw shows the text alone.
  virtual void msgboxWithChart(std::string_view text, [[maybe_unused]] const Chart& chart) {
    msgbox(text);
  }

  // Lets the pending window events run once.
  virtual void doevents() = 0;

  // Lets window events run for at most `seconds` of wall-clock time, or until
  // something happened that may matter, without burning the processor.
  virtual void waitevents(double seconds) = 0;

  virtual void beep() = 0;

  // Seconds since midnight, with fractions.
  virtual double timer() = 0;

  // Seeds the random generator from the clock.
  virtual void randomize() = 0;

  // A uniform random number in [0, 1).
  virtual double rnd() = 0;

  // The generator rnd() draws from, for the rounds to draw from straight;
  // nothing when the draws go through rnd(), as a test's scripted ones do.
  virtual Random* generator() { return nullptr; }

  // Ends the program at once: nothing after this call runs.
  [[noreturn]] virtual void end() = 0;
};

// Another toolkit's services, passed on as they are, that knows whether a
// message box is open: events keep running inside one, and the window must
// not act on all of them there.
class BoxWatch final : public Toolkit {
 public:
  explicit BoxWatch(Toolkit& services) : services_(services) {}

  bool boxOpen() const { return open_ > 0; }

  void msgbox(std::string_view text) override {
    const Open open(open_);
    services_.msgbox(text);
  }
  void msgboxWithChart(std::string_view text, const Chart& chart) override {
    const Open open(open_);
    services_.msgboxWithChart(text, chart);
  }
  void doevents() override { services_.doevents(); }
  void waitevents(double seconds) override { services_.waitevents(seconds); }
  void beep() override { services_.beep(); }
  double timer() override { return services_.timer(); }
  void randomize() override { services_.randomize(); }
  double rnd() override { return services_.rnd(); }
  Random* generator() override { return services_.generator(); }
  [[noreturn]] void end() override {
    services_.end();
    std::abort();  // not reached: end() does not return
  }

 private:
  // Counts a box as open for as long as it is shown, also when the program
  // ends from inside it.
  struct Open {
    explicit Open(int& count) : count_(count) { ++count_; }
    ~Open() { --count_; }
    Open(const Open&) = delete;
    Open& operator=(const Open&) = delete;
    int& count_;
  };

  Toolkit& services_;
  int open_ = 0;
};

}  // namespace ovali
