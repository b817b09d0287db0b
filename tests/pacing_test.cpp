// The pacing both front ends' toolkits share, as what it asks of a front end.

#include "view/pacing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace ovali {
namespace {

// Writes down what it is asked to do, in order.
class Recorded final : public PacedToolkit {
 public:
  std::vector<std::string> calls;

  void beep() override {}
  double timer() override { return 0; }
  void randomize() override {}
  double rnd() override { return 0; }
  [[noreturn]] void end() override { std::abort(); }

 private:
  void show() override { calls.push_back("show"); }
  void box(std::string_view text, const Chart* chart) override {
    calls.push_back((chart ? "box with chart: " : "box: ") + std::string(text));
  }
  void pass() override { calls.push_back("pass"); }
  void sleep(double ms) override {
    std::ostringstream out;
    out << "sleep " << std::setprecision(12) << ms;
    calls.push_back(out.str());
  }
};

TEST(Pacing, WhatEachServiceAsksOfTheFrontEnd) {
  const auto passes = [](int n) {
    return [n](Toolkit& tk) {
      for (int i = 0; i < n; ++i) tk.doevents();
    };
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    const char* name;
    std::function<void(Toolkit&)> act;
    std::vector<std::string> calls;
  } table[] = {
      {"a box shows the window first", [](Toolkit& tk) { tk.msgbox("Hi"); }, {"show", "box: Hi"}},
      {"so does a box with a chart",
       [](Toolkit& tk) { tk.msgboxWithChart("Hi", Chart{}); },
       {"show", "box with chart: Hi"}},
      {"the first pass looks, then every eighth", passes(17), {"pass", "pass", "pass"}},
      {"a wait starts the count again",
       [&](Toolkit& tk) {
         passes(3)(tk);
         tk.waitevents(0);
         passes(8)(tk);
       },
       {"pass", "sleep 0", "pass"}},
      {"a wait in whole milliseconds, rounded up",
       [](Toolkit& tk) { tk.waitevents(0.0101); },
       {"sleep 11"}},
      {"the least wait sleeps", [](Toolkit& tk) { tk.waitevents(1e-9); }, {"sleep 1"}},
      {"no time is a pass that does not sleep",
       [](Toolkit& tk) { tk.waitevents(-1); },
       {"sleep 0"}},
      {"nor does no number", [&](Toolkit& tk) { tk.waitevents(nan); }, {"sleep 0"}},
      {"a day at most", [](Toolkit& tk) { tk.waitevents(1e12); }, {"sleep 86400000"}},
      {"also for ever", [&](Toolkit& tk) { tk.waitevents(inf); }, {"sleep 86400000"}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Recorded tk;
    row.act(tk);
    EXPECT_EQ(tk.calls, row.calls);
  }
}

}  // namespace
}  // namespace ovali
