// The window as a class meets it: played from the keyboard alone, and drawn
// sharp on a high-density screen or a projector.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <stdexcept>

#include "commands/runcontrols.h"
#include "harness.h"

namespace ovali::window_testing {
namespace {

// The window the test opened.
const MainWindow& window() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* main = qobject_cast<MainWindow*>(w)) return *main;
  }
  throw std::logic_error("no window open");
}

// Sends a key to whatever has the keyboard focus, as a user's keyboard does,
// and lets the window show what the key did.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr) << "nothing has the focus";
  QTest::keyClick(target, key, modifiers);
  ASSERT_TRUE(synced(window()));
}

// Types once the window has shown the selection, as a person does.
void type(const char* text) {
  ASSERT_TRUE(synced(window()));
  for (const char* c = text; *c; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
}

QString focusName() {
  QWidget* w = QApplication::focusWidget();
  return w ? w->objectName() : QString();
}

// Closes message boxes with the Return key, keeping their texts.
class KeyboardCloser {
 public:
  QStringList texts;
  KeyboardCloser() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget())) {
        texts << box->text();
        QTest::keyClick(box, Qt::Key_Return);
      }
    });
    timer_.start();
  }

 private:
  QTimer timer_;
};

TEST(Keyboard, AWholeGameWithoutAMouse) {
  Opened o;
  ASSERT_TRUE(o.active);
  ASSERT_EQ(focusName(), "txtNB");
  KeyboardCloser closer;

  // Typing replaces the selected text; Enter checks and moves on.
  type("10");
  EXPECT_EQ(o.f.txtNB.text, "10");
  press(Qt::Key_Return);
  EXPECT_EQ(focusName(), "txtDollars");
  type("20");
  press(Qt::Key_Return);
  EXPECT_EQ(focusName(), "txtNTrade");
  type("2");
  press(Qt::Key_Return);
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(focusName(), "Command1_0");
  EXPECT_EQ(o.f.game.nplayers, 10);
  EXPECT_EQ(o.f.game.ndollars, 20);
  EXPECT_EQ(o.f.game.units, 2);
  EXPECT_EQ(o.f.game.ready, kTrue);

  // Tab order: Start, Analyze, fast; Space ticks the box.
  press(Qt::Key_Tab);
  press(Qt::Key_Tab);
  EXPECT_EQ(focusName(), "chkFast");
  press(Qt::Key_Space);
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(o.f.chkFast.value, 1);

  // Back to Step, against the tab order: Analyze, Start, Reset, Total, Step.
  for (int i = 0; i < 5; ++i) press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focusName(), "Command1_3");
  press(Qt::Key_Space);
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(o.f.C.caption, "1");
  EXPECT_EQ(o.f.Command1(0).caption, "Start");

  // Step was locked during its round and got the focus back when it ended;
  // Enter presses it as Space does.
  EXPECT_EQ(focusName(), "Command1_3");
  press(Qt::Key_Return);
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(o.f.C.caption, "2");
  EXPECT_EQ(focusName(), "Command1_3");
  for (int i = 0; i < 4; ++i) press(Qt::Key_Tab);
  EXPECT_EQ(focusName(), "Command1_4");
  EXPECT_TRUE(closer.texts.isEmpty()) << closer.texts.join("|").toStdString();
  closer.texts.clear();
  press(Qt::Key_Space);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !closer.texts.isEmpty(); }));
  ASSERT_EQ(closer.texts.size(), 1);
  EXPECT_TRUE(closer.texts[0].startsWith("On the left are listed"))
      << closer.texts[0].toStdString();
  EXPECT_TRUE(closer.texts[0].endsWith(" exchanges"));
}

TEST(Keyboard, TheOptionsMenuOpensWithItsAccessKey) {
  Opened o;
  ASSERT_TRUE(o.active);
  // Pressed where the focus is, in the first field: the menu takes it, not the field.
  ASSERT_EQ(focusName(), "txtNB");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
  // "Start $ in &inner ring only": its access key chooses it.
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_I);
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
  ASSERT_TRUE(o.synced());
  EXPECT_TRUE(o.f.mnuO(1).checked);
  EXPECT_EQ(o.f.game.inneronly, kTrue);
  EXPECT_EQ(o.f.P(0).caption, "0") << "the reset dealt to the inner ring only";
  EXPECT_EQ(o.f.txtNB.text, "30");
}

TEST(Keyboard, StopKeepsTheFocusOnStartForTheNextStart) {
  Opened o;
  ASSERT_TRUE(o.active);
  o.f.chkFast.value = 1;
  o.w.sync();
  auto* start = o.find<QPushButton>("Command1_0");
  start->setFocus(Qt::TabFocusReason);
  // The second Space arrives while the run goes on; Stop then locks the
  // button until the round under way is over.
  QString focusWhileStopping = QStringLiteral("none yet");
  QTimer::singleShot(50, [&] {
    QTest::keyClick(start, Qt::Key_Space);
    focusWhileStopping = focusName();
  });
  QTest::keyClick(start, Qt::Key_Space);
  EXPECT_EQ(focusWhileStopping, QString()) << "nothing takes the keys of a locked Start";
  EXPECT_EQ(o.f.Command1(0).caption, "Start");
  EXPECT_GT(o.f.C.caption, "0");
  EXPECT_EQ(focusName(), "Command1_0");
  EXPECT_EQ(o.f.chkFast.value, 1);
}

// The centre of a circle of the model, in device pixels of a grab.
QPoint centreOf(const Opened& o, const Circle& c, double ratio) {
  const double scale = o.w.board()->width() / 585.0;
  return {static_cast<int>((c.left + c.width / 2) / 15 * scale * ratio),
          static_cast<int>((c.top + c.height / 2) / 15 * scale * ratio)};
}

struct Sampled {
  const char* name;
  std::int16_t circle;
  QColor colour;
};

// Runs at whatever device pixel ratio the screen has: CTest runs it once as
// it is and once with QT_SCALE_FACTOR=2.
TEST(Drawing, MarkersInTheirColoursAtTheScreensPixelRatio) {
  Opened o;
  Command1_Click(o.f, 2);  // Reset: 30 players on the rings
  o.w.sync();
  ASSERT_TRUE(o.synced());
  const QImage image = o.w.board()->grab().toImage();
  const double ratio = o.w.board()->devicePixelRatioF();
  if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
    EXPECT_EQ(ratio, 2.0);
  }
  EXPECT_EQ(image.width(), qRound(585 * ratio)) << "drawn at the screen's own density";
  const Sampled samples[] = {
      {"ring marker of the first outer player", 0, QColor(0, 0, 255)},
      {"ring marker of the first inner player", 1, QColor(255, 0, 0)},
      {"level marker of the first outer player", 3, QColor(0, 0, 255)},
  };
  for (const auto& s : samples) {
    const QPoint p = centreOf(o, o.f.Acircle(s.circle), ratio);
    EXPECT_EQ(image.pixelColor(p), s.colour) << s.name << " at " << p.x() << "," << p.y();
  }
  // Between the rings' centre and the ladder the board is white.
  EXPECT_EQ(image.pixelColor(QPoint(qRound(10 * ratio), qRound(440 * ratio))), QColor(Qt::white));
}

TEST(Drawing, MarkersStayVisibleOverAGrownCount) {
  Opened o;
  Command1_Click(o.f, 2);  // 30 players with $1 each: the $1 count reads "30"
  o.w.sync();
  ASSERT_TRUE(o.synced());
  ASSERT_EQ(o.f.T(1).caption, "30");
  const QImage image = o.w.board()->grab().toImage();
  const double ratio = o.w.board()->devicePixelRatioF();
  EXPECT_EQ(image.pixelColor(centreOf(o, o.f.Acircle(3), ratio)), QColor(0, 0, 255));
  // A light ring round both level markers, over the red digits too; below
  // the red marker stands the blue one.
  const double scale = o.w.board()->width() / 585.0 * ratio;
  for (std::int16_t i : {2, 3}) {
    const Circle& c = o.f.Acircle(i);
    const QPointF centre((c.left + c.width / 2) / 15 * scale, (c.top + c.height / 2) / 15 * scale);
    const double r = (c.width / 2 / 15 + 1) * scale;
    for (int k : {0, 4, 5, 6, 7}) {
      const double a = k * 3.14159265 / 4;
      const QPoint p = (centre + QPointF(r * std::cos(a), r * std::sin(a))).toPoint();
      EXPECT_GE(image.pixelColor(p).green(), 150) << "marker " << i << " at " << k * 45 << " deg";
    }
  }
}

TEST(Drawing, TheFastBoxsSquareScalesWithTheWindow) {
  Opened o;
  auto squareHeight = [&o] {
    QWidget* fast = o.find<QWidget>("chkFast");
    const QImage image = fast->grab().toImage();
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width() / 4; ++x) {
        if (qGray(image.pixel(x, y)) < 200) {
          ++rows;
          break;
        }
      }
    }
    return rows / fast->devicePixelRatioF();
  };
  const double design = squareHeight();
  EXPECT_GE(design, 11);
  o.w.resize(1170, 924 + o.w.menuBar()->height());
  ASSERT_TRUE(QTest::qWaitFor([&] { return o.w.board()->width() == 1170; }));
  ASSERT_TRUE(o.synced());
  EXPECT_NEAR(squareHeight(), 2 * design, 2);
}

TEST(Drawing, AMaximisedWindowOnAProjectorScreenScalesEverything) {
  Opened o;
  o.w.resize(1920, 1080);
  ASSERT_TRUE(QTest::qWaitFor([&] { return o.w.board()->width() == 1920; }));
  ASSERT_TRUE(o.synced());
  const QSize board = o.w.board()->size();
  const double scale = std::min(board.width() / 585.0, board.height() / 462.0);
  EXPECT_GT(scale, 2.0);
  const QWidget* count = o.find<QWidget>("T_0");
  EXPECT_EQ(count->font().pixelSize(), qRound(32 * scale));
  // Centred: as much white on the left of the design as on its right.
  const double left = (board.width() - 585 * scale) / 2;
  EXPECT_NEAR(o.find<QWidget>("txtNB")->x(), left + 264 * scale, 1.0);
}

}  // namespace
}  // namespace ovali::window_testing
