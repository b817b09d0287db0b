// The history view on the desktop, opened from the keyboard and watched
// through a fast run as a screen reader and the clipboard meet it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <string>

#include "harness.h"
#include "qt/historywindow.h"
#include "toolkit/text.h"

namespace ovali::window_testing {
namespace {

TEST(History, AFastRunOf200PlayersSettlesNearEquilibriumInTheView) {
  Opened o;
  ASSERT_TRUE(o.active);
  ASSERT_TRUE(o.chooseFromView(Qt::Key_H));
  HistoryWindow* view = o.w.historyWindow();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_FALSE(view->isModal());
  EXPECT_TRUE(o.w.findChild<QAction*>("mnuHistory")->isChecked());

  o.f.txtNB.text = "200";
  o.f.txtDollars.text = "400";
  o.f.txtNTrade.text = "1";
  o.f.chkFast.value = 1;
  o.w.sync();
  o.find<QPushButton>("Command1_2")->click();
  ASSERT_EQ(o.f.game.nplayers, 200);
  auto* start = o.find<QPushButton>("Command1_0");
  // Stopped after a number of rounds, however fast the machine plays them.
  QTimer stop;
  QObject::connect(&stop, &QTimer::timeout, [&] {
    if (o.f.game.round < 2000) return;
    stop.stop();
    start->click();
  });
  stop.start(1);
  start->click();
  ASSERT_TRUE(o.synced());
  ASSERT_EQ(start->text(), QStringLiteral("Start"));

  const auto& points = o.f.history.points();
  ASSERT_GT(points.size(), 10u);
  const Spread& last = points.back().system;
  EXPECT_GE(last.entropy, 0.9 * last.maximum) << last.entropy << " of " << last.maximum;
  EXPECT_GT(last.gini, 0.5);
  EXPECT_LT(last.gini, 0.7);

  QAccessibleInterface* image = QAccessible::queryAccessibleInterface(view->chart());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->role(), QAccessible::Graphic);
  EXPECT_EQ(image->text(QAccessible::Name).toStdString(),
            "Entropy and Gini coefficient over the rounds");
  const std::string description = image->text(QAccessible::Description).toStdString();
  EXPECT_EQ(description, historyDescription(o.f.history));
  EXPECT_NE(description.find("After " + groupedDecimal(points.back().round) + " rounds: entropy"),
            std::string::npos)
      << description;

  view->findChild<QPushButton*>("historyCopy")->click();
  const QStringList rows = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(rows.size(), static_cast<qsizetype>(points.size()) + 1);
  EXPECT_EQ(rows.value(0), "round\tentropy\tmaximum\tGini\tGini equilibrium");
  EXPECT_EQ(view->findChild<QLabel*>("historyStatus")->text(), "Copied");

  // Closing the tool window clears the check mark; the menu opens it again.
  view->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
  EXPECT_FALSE(o.f.mnuHistory.checked);
  o.w.findChild<QAction*>("mnuHistory")->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
}

// On a projector the view is made large: it opens within the screen's free
// area with Copy in sight, and its picture and texts grow with the window.
TEST(History, OpensWithinTheScreenAndScalesWithTheWindow) {
  Opened o;
  ASSERT_TRUE(o.active);
  o.w.findChild<QAction*>("mnuHistory")->trigger();
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return o.w.historyWindow() && o.w.historyWindow()->isVisible(); }));
  HistoryWindow* view = o.w.historyWindow();
  const QRect room = view->screen()->availableGeometry();
  const QRect at = view->frameGeometry();
  EXPECT_TRUE(room.contains(at)) << at.x() << "," << at.y() << " " << at.width() << "x"
                                 << at.height() << " within " << room.width() << "x"
                                 << room.height();
  auto* copy = view->findChild<QPushButton*>("historyCopy");
  EXPECT_TRUE(view->rect().contains(copy->geometry())) << "Copy in sight";

  const int chartWidth = view->chart()->width();
  const qreal helpSize = view->findChild<QLabel*>("historyHelp")->font().pointSizeF();
  view->resize(view->width() * 2, view->height() * 2);
  EXPECT_TRUE(QTest::qWaitFor([&] { return view->chart()->width() > chartWidth * 3 / 2; }));
  EXPECT_GT(view->findChild<QLabel*>("historyHelp")->font().pointSizeF(), helpSize * 1.4);
  EXPECT_TRUE(view->rect().contains(copy->geometry()));
}

// The keyboard alone: F6 goes into the open view and back to the game's
// control that had the focus; Escape closes the view and the keyboard is the
// game's again, also without a window manager to hand it on.
TEST(History, F6AndEscapeFromTheKeyboardAlone) {
  Opened o;
  ASSERT_TRUE(o.active);
  auto* units = o.find<QLineEdit>("txtNTrade");
  units->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(o.chooseFromView(Qt::Key_H));
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return o.w.historyWindow() && o.w.historyWindow()->isVisible(); }));
  HistoryWindow* view = o.w.historyWindow();
  auto* copy = view->findChild<QPushButton*>("historyCopy");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
  ASSERT_TRUE(QTest::qWaitFor([&] { return copy->hasFocus() && view->isActiveWindow(); }));
  QTest::keyClick(copy, Qt::Key_F6);
  ASSERT_TRUE(QTest::qWaitFor([&] { return units->hasFocus() && o.w.isActiveWindow(); }));
  QTest::keyClick(units, Qt::Key_F6);
  ASSERT_TRUE(QTest::qWaitFor([&] { return copy->hasFocus(); }));
  QTest::keyClick(copy, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
  EXPECT_FALSE(o.f.mnuHistory.checked);
  EXPECT_TRUE(QTest::qWaitFor([&] { return units->hasFocus() && o.w.isActiveWindow(); }));
}

}  // namespace
}  // namespace ovali::window_testing
