#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/toolkit.h"
#include "view/form1.h"
#include "view/present.h"

namespace ovali::testing {

// Thrown by FakeToolkit::end(), so that a test sees the program end "at once".
struct ProgramEnded {};

// A toolkit for tests: records message boxes and beeps, runs a clock that
// moves only when events are waited for, hands out scripted random numbers
// and runs scripted user actions during event processing.
class FakeToolkit : public Toolkit {
 public:
  std::vector<std::string> messages;
  std::optional<Chart> chart;  // drawn above the last message, if any
  int beeps = 0;
  int eventPasses = 0;       // doevents and waitevents calls so far
  double clock = 0;          // seconds since midnight
  double waited = 0;         // total seconds spent in waitevents
  std::deque<double> draws;  // scripted random numbers, taken first
  std::size_t drawsTaken = 0;
  bool randomized = false;
  // When set, runs while a message box is open (the box closes when it returns).
  std::function<void(const std::string&)> onMessage;
  // Brings the window up to the game, as a front end does before it shows
  // a frame: at every event pass and before every message box.
  std::function<void()> frame;
  // When set, runs at every event pass, before the scripted actions.
  std::function<void()> onPass;
  // When set, runs before every random number is handed out.
  std::function<void()> onDraw;
  // When set, the rounds draw from it straight, as from the real toolkit's
  // generator: for long runs where no draw is scripted.
  Random* straightDraws = nullptr;

  // Runs `action` during event pass number `pass` (1 is the first pass from now on counting all).
  void atPass(int pass, std::function<void()> action) { byPass_.emplace(pass, std::move(action)); }
  // Runs `action` at the first event pass at or after the clock reaches `time`.
  void atTime(double time, std::function<void()> action) {
    byTime_.emplace(time, std::move(action));
  }
  // Runs `action` at the next event pass.
  void next(std::function<void()> action) { atPass(eventPasses + 1, std::move(action)); }

  // Random numbers drawn once the script runs out.
  void seed(unsigned s) { generator_.seed(s); }

  void msgboxWithChart(std::string_view text, const Chart& drawn) override { record(text, drawn); }
  void msgbox(std::string_view text) override { record(text, std::nullopt); }

  void doevents() override { pass(); }

  void waitevents(double seconds) override {
    if (seconds > 0) {
      clock += seconds;
      waited += seconds;
      if (clock >= 86400) clock -= 86400;
    }
    pass();
  }

  void beep() override { ++beeps; }
  double timer() override { return clock; }
  Random* generator() override { return straightDraws; }
  void randomize() override { randomized = true; }

  double rnd() override {
    if (onDraw) onDraw();
    ++drawsTaken;
    if (!draws.empty()) {
      const double d = draws.front();
      draws.pop_front();
      return d;
    }
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
  }

  [[noreturn]] void end() override { throw ProgramEnded{}; }

 private:
  void record(std::string_view text, std::optional<Chart> drawn) {
    if (frame) frame();
    chart = std::move(drawn);
    messages.emplace_back(text);
    if (onMessage) onMessage(messages.back());
  }

  void pass() {
    ++eventPasses;
    if (frame) frame();
    if (onPass) onPass();
    std::vector<std::function<void()>> due;
    for (auto it = byPass_.begin(); it != byPass_.end() && it->first <= eventPasses;) {
      due.push_back(std::move(it->second));
      it = byPass_.erase(it);
    }
    for (auto it = byTime_.begin(); it != byTime_.end() && it->first <= clock;) {
      due.push_back(std::move(it->second));
      it = byTime_.erase(it);
    }
    for (auto& action : due) action();
  }

  std::multimap<int, std::function<void()>> byPass_;
  std::multimap<double, std::function<void()>> byTime_;
  std::mt19937_64 generator_{20261208};
};

// A freshly started window over a fake toolkit.
struct Started {
  FakeToolkit tk;
  Form1 f{tk};
  Started() {
    Form_Load(f);
    tk.frame = [this] { present(f); };
  }
};

}  // namespace ovali::testing
