#include "qt/qttoolkit.h"

#include <QApplication>
#include <QEventLoop>
#include <QTime>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "qt/mainwindow.h"
#include "qt/messagedialog.h"

namespace ovali {

void QtToolkit::show() {
  if (window_) window_->sync();
}

void QtToolkit::box(std::string_view text, const Chart* chart) {
  MessageDialog dialog(
      window_, messageBoxOf(text, chart, window_ ? window_->board()->projection().scale() : 1));
  dialog.exec();
  if (window_) {
    // A window manager gives the focus back to the window; without one the
    // keyboard would reach nothing until a click.
    window_->activateWindow();
    window_->requestSync();
  }
}

void QtToolkit::pass() {
  if (lastPass_.isValid() && lastPass_.nsecsElapsed() < kPassIntervalNs) return;
  lastPass_.start();
  if (window_ && window_->syncIfDue()) {
    QCoreApplication::processEvents();  // paints what the sync changed
    window_->frameTook(lastPass_.nsecsElapsed());
    return;
  }
  QCoreApplication::processEvents();
}

void QtToolkit::sleep(double ms) {
  lastPass_.start();
  // A pause follows what the round just changed: if a frame is not due yet,
  // the frame timer wakes the wait below when it is.
  if (window_ && !window_->syncIfDue()) window_->requestSync();
  if (!(ms > 0)) {
    QCoreApplication::processEvents();
    return;
  }
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
