#include "qt/qttoolkit.h"

#include <QApplication>
#include <QEventLoop>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "qt/mainwindow.h"
#include "qt/messagedialog.h"

namespace ovali {

void QtToolkit::msgbox(std::string_view text) { showBox(text, nullptr); }

void QtToolkit::msgboxWithChart(std::string_view text, const Chart& chart) {
  showBox(text, &chart);
}

void QtToolkit::showBox(std::string_view text, const Chart* chart) {
  // The box holds the game until it closes: show the window as it stands.
  if (window_) window_->sync();
  MessageDialog box(
      window_, messageBoxOf(text, chart, window_ ? window_->board()->projection().scale() : 1));
  box.exec();
  if (window_) {
    // A window manager gives the focus back to the window; without one the
    // keyboard would reach nothing until a click.
    window_->activateWindow();
    window_->requestSync();
  }
}

void QtToolkit::doevents() {
  if (callsSinceWait_++ % kCallsPerLook != 0) return;
  if (lastPass_.isValid() && lastPass_.nsecsElapsed() < kPassIntervalNs) return;
  lastPass_.start();
  if (window_ && window_->syncIfDue()) {
    QCoreApplication::processEvents();  // paints what the sync changed
    window_->frameTook(lastPass_.nsecsElapsed());
    return;
  }
  QCoreApplication::processEvents();
}

void QtToolkit::waitevents(double seconds) {
  callsSinceWait_ = 0;
  lastPass_.start();
  // A pause follows what the round just changed: if a frame is not due yet,
  // the frame timer wakes the wait below when it is.
  if (window_ && !window_->syncIfDue()) window_->requestSync();
  if (!(seconds > 0)) {
    QCoreApplication::processEvents();
    return;
  }
  // One day at most keeps the milliseconds in range; the caller asks again.
  const double ms = std::ceil(std::min(seconds, 86400.0) * 1000.0);
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(static_cast<int>(ms));
  // Sleeps until something happens, at the latest the timer: one pass, so
  // that the caller sees a click as soon as it has been handled.
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtToolkit::beep() { QApplication::beep(); }

double QtToolkit::timer() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void QtToolkit::randomize() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
  random_.reseed(static_cast<std::uint64_t>(now.count()) ^
                 (static_cast<std::uint64_t>(ticks.count()) << 17));
}

void QtToolkit::end() {
  // Straight out, also from deep inside a running loop's event processing:
  // there is nothing to save, and unwinding through Qt's nested loops after
  // quit() would spin them instead of ending.
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace ovali
