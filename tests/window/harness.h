#pragma once

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "commands/routes.h"
#include "qt/chartview.h"
#include "qt/mainwindow.h"
#include "qt/messagedialog.h"
#include "qt/qttoolkit.h"
#include "view/form1.h"

// How to write a window test:
//  - `Opened o;` opens the real window over the real toolkit, as start-up
//    does (Form_Load, sync, show), on the offscreen platform.
//  - Find widgets by control name: o.find<QLineEdit>("txtNB"),
//    o.find<QPushButton>("Command1_2"), o.find<QLabel>("P_3"); menu items
//    are QActions: o.w.findChild<QAction*>("mnuO_1"), "mnuexit", "mnuAbout".
//  - Drive them as a user does (button->click(), QTest::keyClick,
//    QTest::mouseClick, action->trigger()), then ASSERT_TRUE(o.synced())
//    lets the window take them and show what they changed, or wait with
//    QTest::qWaitFor for what they bring about (a menu, a size); or change
//    o.f directly and call o.w.sync().
//  - A handler that shows a message box would wait for a click: keep a
//    BoxCloser alive around the action, then read closer.boxes.
//  - Never close the window or choose Exit in the test process: the program
//    ends. Add a scenario to runEndingScenario and run it as a child process.

namespace ovali::window_testing {

// Lets `w` take the events queued so far, then waits for the sync they asked
// for at the next frame, if any. False if one is still pending after the
// wait's timeout.
inline bool synced(const MainWindow& w) {
  QCoreApplication::processEvents();
  return QTest::qWaitFor([&w] { return !w.syncPending(); });
}

// The real program's window, opened as start-up opens it, on the offscreen
// platform. Widgets are found by their control names ("txtNB", "Command1_2",
// "P_3", "mnuO_1").
struct Opened {
  QtToolkit tk;
  Form1 f{tk};
  MainWindow w{f, gameHandlers(), &tk};
  bool active = false;  // focus tests need the window to be the active one

  Opened() {
    Form_Load(f);
    w.open();
    w.show();
    w.activateWindow();
    active = QTest::qWaitForWindowExposed(&w) && QTest::qWaitForWindowActive(&w);
  }

  template <class T>
  T* find(const char* name) const {
    return w.findChild<T*>(QString::fromLatin1(name));
  }

  // Alt+V opens the View menu, then the item's letter chooses it. False when
  // the menu did not open.
  bool chooseFromView(Qt::Key letter) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; })) {
      return false;
    }
    QTest::keyClick(QApplication::activePopupWidget(), letter);
    return QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; });
  }

  bool synced() { return window_testing::synced(w); }
};

// Closes message boxes as they open, keeping their titles and texts, so that
// a handler that shows one does not hold the test.
class BoxCloser {
 public:
  struct Box {
    QString title;
    QString name;  // what a screen reader calls the box
    QString text;
    QImage chart;       // as drawn above the text; null when there is none
    QString chartName;  // what a screen reader calls the chart, if an image
  };
  std::vector<Box> boxes;

  BoxCloser() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget())) {
        Box seen{box->windowTitle(), box->accessibleName(), box->text(), {}, {}};
        if (ChartView* chart = box->chartView()) {
          seen.chart = chart->grab().toImage();
          QAccessibleInterface* a = QAccessible::queryAccessibleInterface(chart);
          if (a && a->role() == QAccessible::Graphic) seen.chartName = a->text(QAccessible::Name);
        }
        boxes.push_back(seen);
        box->accept();
      }
    });
    timer_.start();
  }

 private:
  QTimer timer_;
};

// Runs in a child process started with --ending=<scenario>: opens the window,
// does what the scenario says and returns only if the program did not end.
int runEndingScenario(const std::string& scenario);

}  // namespace ovali::window_testing
