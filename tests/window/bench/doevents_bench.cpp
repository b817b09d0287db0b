// Prints what one event pass of the real window costs, the figure that caps
// how many rounds a second a fast run can play. Not a test: no limits here.

#include <QApplication>
#include <chrono>
#include <cstdio>

#include "qt/mainwindow.h"
#include "qt/qttoolkit.h"
#include "view/form1.h"

namespace {

// Calls `body` for about a second and returns the nanoseconds per call.
template <class Body>
double nanosecondsPerCall(Body&& body) {
  const auto start = std::chrono::steady_clock::now();
  const auto stop = start + std::chrono::seconds(1);
  long calls = 0;
  auto now = start;
  while (now < stop) {
    for (int i = 0; i < 1000; ++i) body(static_cast<int>(calls++));
    now = std::chrono::steady_clock::now();
  }
  const std::chrono::duration<double, std::nano> spent = now - start;
  return spent.count() / static_cast<double>(calls);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ovali::QtToolkit tk;
  ovali::Form1 f(tk);
  ovali::MainWindow window(f, &tk);
  ovali::Form_Load(f);
  window.sync();
  window.show();
  for (int i = 0; i < 100; ++i) QCoreApplication::processEvents();

  const double idle = nanosecondsPerCall([&](int) { tk.doevents(); });
  // A fast run changes captions between passes; the window repaints at
  // most once per frame whatever the rate.
  const int syncsBefore = window.syncCount();
  const auto start = std::chrono::steady_clock::now();
  const double busy = nanosecondsPerCall([&](int i) {
    f.T(static_cast<std::int16_t>(i % 8)).caption = std::to_string(i % 97);
    f.caption = (i % 3 == 0) ? "Next!" : (i % 3 == 1) ? "Go!" : "Check";
    tk.doevents();
  });
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  const int syncs = window.syncCount() - syncsBefore;
  const double raw = nanosecondsPerCall([&](int) { QCoreApplication::processEvents(); });

  std::printf("doevents, nothing changing:  %8.1f ns per call (%.0f calls/s)\n", idle, 1e9 / idle);
  std::printf(
      "doevents, captions changing: %8.1f ns per call (%.0f calls/s), %d syncs in %.2f s"
      " (%.1f per second)\n",
      busy, 1e9 / busy, syncs, seconds.count(), syncs / seconds.count());
  std::printf("bare processEvents:          %8.1f ns per call\n", raw);
  return 0;
}
