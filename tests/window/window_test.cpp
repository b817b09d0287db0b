#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <algorithm>
#include <string>
#include <vector>

#include "harness.h"

namespace ovali::window_testing {
namespace {

QRect geometryOf(const Opened& o, const char* name) {
  const QWidget* w = o.find<QWidget>(name);
  return w ? w->geometry() : QRect();
}

TEST(Window, OpensTitledWithTheDesignedWhiteClientArea) {
  Opened o;
  EXPECT_EQ(o.w.windowTitle(), QStringLiteral("The Ovalin Game"));
  EXPECT_EQ(o.w.board()->size(), QSize(585, 462));
  EXPECT_EQ(o.w.board()->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
  EXPECT_DOUBLE_EQ(o.w.board()->projection().scale(), 1.0);
}

struct Place {
  const char* name;
  QRect rect;
};

// Controls whose size the window never changes sit exactly on their twips / 15.
class ExactPlace : public ::testing::TestWithParam<Place> {};

TEST_P(ExactPlace, AtTheDesignedPixels) {
  Opened o;
  EXPECT_EQ(geometryOf(o, GetParam().name), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(Window, ExactPlace,
                         ::testing::Values(Place{"txtNB", {264, 164, 60, 37}},
                                           Place{"txtDollars", {264, 220, 60, 37}},
                                           Place{"txtNTrade", {264, 272, 25, 37}},
                                           Place{"Command1_0", {264, 432, 65, 21}},
                                           Place{"Command1_2", {104, 432, 65, 21}},
                                           Place{"Command1_3", {184, 432, 65, 21}},
                                           Place{"Command1_4", {344, 432, 65, 21}},
                                           Place{"chkFast", {424, 436, 49, 17}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Labels may grow to show a longer caption, but keep the edge their text is
// aligned to (the centre for centred ones) and their top.
struct Anchor {
  const char* name;
  Alignment alignment;
  int x;  // left edge, right edge or centre, by the alignment
  int top;
};

class LabelAnchor : public ::testing::TestWithParam<Anchor> {};

TEST_P(LabelAnchor, KeepsItsAlignedEdgeAndShowsTheWholeCaption) {
  Opened o;
  const auto* label = o.find<QLabel>(GetParam().name);
  ASSERT_NE(label, nullptr);
  const QRect r = label->geometry();
  switch (GetParam().alignment) {
    case Alignment::Left:
      EXPECT_EQ(r.left(), GetParam().x);
      break;
    case Alignment::Right:
      EXPECT_EQ(r.left() + r.width(), GetParam().x);
      break;
    case Alignment::Center:
      EXPECT_NEAR(r.left() + r.width() / 2.0, GetParam().x, 0.5);
      break;
  }
  EXPECT_EQ(r.top(), GetParam().top);
  EXPECT_GE(r.width(), label->fontMetrics().horizontalAdvance(label->text()));
}

INSTANTIATE_TEST_SUITE_P(Window, LabelAnchor,
                         ::testing::Values(Anchor{"Label2", Alignment::Right, 258, 164},
                                           Anchor{"label1", Alignment::Right, 261, 220},
                                           Anchor{"Label4", Alignment::Right, 262, 272},
                                           Anchor{"Label3_0", Alignment::Left, 408, 8},
                                           Anchor{"Label3_3", Alignment::Left, 408, 24},
                                           Anchor{"C", Alignment::Left, 480, 432},
                                           Anchor{"lbl2_0", Alignment::Center, 456, 376},
                                           Anchor{"lbl2_7", Alignment::Center, 456, 49},
                                           Anchor{"T_0", Alignment::Center, 506, 376},
                                           Anchor{"TS_3", Alignment::Center, 554, 236}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Face {
  const char* name;
  int pixels;
  bool italic;
  bool underline;
};

class FontOf : public ::testing::TestWithParam<Face> {};

TEST_P(FontOf, PixelSizeFromPointsAt96DpiBold) {
  Opened o;
  const QWidget* w = o.find<QWidget>(GetParam().name);
  ASSERT_NE(w, nullptr);
  const QFont font = w->font();
  EXPECT_EQ(font.pixelSize(), GetParam().pixels);
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(font.italic(), GetParam().italic);
  EXPECT_EQ(font.underline(), GetParam().underline);
  EXPECT_TRUE(font.families().contains(QStringLiteral("Liberation Sans")));
}

INSTANTIATE_TEST_SUITE_P(
    Window, FontOf,
    ::testing::Values(Face{"txtNB", 32, false, false}, Face{"Label2", 32, false, false},
                      Face{"T_5", 32, false, false}, Face{"Command1_0", 11, false, false},
                      Face{"chkFast", 11, false, false}, Face{"C", 16, false, false},
                      Face{"Label3_1", 11, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct Ink {
  const char* name;
  QColor color;
};

class ColourOf : public ::testing::TestWithParam<Ink> {};

TEST_P(ColourOf, TextInTheModelsColour) {
  Opened o;
  const QWidget* w = o.find<QWidget>(GetParam().name);
  ASSERT_NE(w, nullptr);
  const QColor expected = GetParam().color.isValid()
                              ? GetParam().color
                              : QApplication::palette().color(QPalette::WindowText);
  EXPECT_EQ(w->palette().color(QPalette::WindowText), expected);
}

INSTANTIATE_TEST_SUITE_P(Window, ColourOf,
                         ::testing::Values(Ink{"T_0", QColor(255, 0, 0)},
                                           Ink{"TS_0", QColor(0, 0, 255)},
                                           Ink{"Label3_2", QColor(0, 0, 255)},
                                           Ink{"C", QColor(255, 0, 0)}, Ink{"Label2", QColor()},
                                           Ink{"lbl2_4", QColor()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Window, StartUpShowsTheLadderButNoPlayerCounterOrOuterColumn) {
  Opened o;
  for (int i = 0; i <= 7; ++i) {
    SCOPED_TRACE(i);
    const std::string n = std::to_string(i);
    const auto* row = o.find<QLabel>(("lbl2_" + n).c_str());
    const auto* count = o.find<QLabel>(("T_" + n).c_str());
    const auto* outer = o.find<QLabel>(("TS_" + n).c_str());
    ASSERT_TRUE(row && count && outer);
    EXPECT_EQ(row->text(), QStringLiteral("$%1").arg(i));
    EXPECT_TRUE(row->isVisible());
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_TRUE(count->isVisible());
    EXPECT_FALSE(outer->isVisible());
  }
  EXPECT_FALSE(o.find<QLabel>("P_0")->isVisible());
  EXPECT_FALSE(o.find<QLabel>("C")->isVisible());
  EXPECT_EQ(o.find<QLineEdit>("txtNB")->text(), QStringLiteral("30"));
  EXPECT_EQ(o.find<QLineEdit>("txtDollars")->text(), QStringLiteral("30"));
  EXPECT_EQ(o.find<QLineEdit>("txtNTrade")->text(), QStringLiteral("1"));
  EXPECT_EQ(o.find<QLineEdit>("txtNB")->validator(), nullptr);
  EXPECT_TRUE(o.find<QLineEdit>("txtNB")->inputMask().isEmpty());
}

TEST(Window, MenusAsDesignedWithAboutOnTheBar) {
  Opened o;
  const QList<QAction*> bar = o.w.menuBar()->actions();
  ASSERT_EQ(bar.size(), 4);
  EXPECT_EQ(bar[0]->text(), QStringLiteral("&File"));
  EXPECT_EQ(bar[1]->text(), QStringLiteral("&Options"));
  EXPECT_EQ(bar[2]->text(), QStringLiteral("&View"));
  EXPECT_EQ(bar[3]->text(), QStringLiteral("&About"));
  EXPECT_EQ(bar[3]->menu(), nullptr);
  ASSERT_NE(bar[2]->menu(), nullptr);
  ASSERT_EQ(bar[2]->menu()->actions().size(), 2 + kSpeedCount);
  EXPECT_EQ(bar[2]->menu()->actions()[0]->text(), QStringLiteral("&History"));
  EXPECT_TRUE(bar[2]->menu()->actions()[0]->isCheckable());
  EXPECT_EQ(bar[2]->menu()->actions()[1]->text(), QStringLiteral("Explorations &lab"));
  EXPECT_TRUE(bar[2]->menu()->actions()[1]->isCheckable());
  // Then the speeds, slow checked as the window opens.
  EXPECT_EQ(bar[2]->menu()->actions()[2]->text(), QStringLiteral("&Slow, with beeps and pauses"));
  EXPECT_TRUE(bar[2]->menu()->actions()[2]->isChecked());
  EXPECT_EQ(bar[2]->menu()->actions()[5]->text(), QStringLiteral("A th&ousand rounds a second"));
  EXPECT_FALSE(bar[2]->menu()->actions()[5]->isChecked());
  ASSERT_NE(bar[0]->menu(), nullptr);
  ASSERT_EQ(bar[0]->menu()->actions().size(), 1);
  EXPECT_EQ(bar[0]->menu()->actions()[0]->text(), QStringLiteral("E&xit"));
  ASSERT_NE(bar[1]->menu(), nullptr);
  const QList<QAction*> options = bar[1]->menu()->actions();
  ASSERT_EQ(options.size(), 5);
  const char* captions[] = {"&Show surroundings separately", "Start $ in &inner ring only",
                            "Start $ in &outer ring only", "Give all the money to &one person",
                            "&Random exchange"};
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(options[k]->text(), QLatin1String(captions[k]));
    EXPECT_TRUE(options[k]->isCheckable());
    EXPECT_FALSE(options[k]->isChecked());
  }
}

TEST(Window, ModelChangesShowAfterSync) {
  Opened o;
  o.f.caption = "Go!";
  o.f.T(3).caption = "12";
  o.f.TS(3).visible = true;
  o.f.C.visible = true;
  o.f.C.caption = "250";
  o.f.Command1(2).enabled = false;
  o.f.Command1(0).caption = "Stop";
  o.f.txtNB.text = "44";
  o.f.txtDollars.enabled = false;
  o.f.mnuOpt.enabled = false;
  o.f.mnuO(3).checked = true;
  o.f.chkFast.value = 1;
  o.f.Label3(1).forecolor = kRed;
  o.f.lbl2(2).top = 3000;
  o.f.P.load(5);
  o.f.P(5).caption = "7";
  o.f.P(5).visible = true;
  o.w.sync();

  EXPECT_EQ(o.w.windowTitle(), QStringLiteral("Go!"));
  EXPECT_EQ(o.find<QLabel>("T_3")->text(), QStringLiteral("12"));
  EXPECT_TRUE(o.find<QLabel>("TS_3")->isVisible());
  EXPECT_TRUE(o.find<QLabel>("C")->isVisible());
  EXPECT_EQ(o.find<QLabel>("C")->text(), QStringLiteral("250"));
  EXPECT_FALSE(o.find<QPushButton>("Command1_2")->isEnabled());
  EXPECT_EQ(o.find<QPushButton>("Command1_0")->text(), QStringLiteral("Stop"));
  EXPECT_EQ(o.find<QLineEdit>("txtNB")->text(), QStringLiteral("44"));
  EXPECT_FALSE(o.find<QLineEdit>("txtDollars")->isEnabled());
  EXPECT_FALSE(o.w.findChild<QMenu*>(QStringLiteral("mnuOpt"))->menuAction()->isEnabled());
  EXPECT_TRUE(o.w.findChild<QAction*>(QStringLiteral("mnuO_3"))->isChecked());
  EXPECT_TRUE(o.find<QCheckBox>("chkFast")->isChecked());
  EXPECT_EQ(o.find<QLabel>("Label3_1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(geometryOf(o, "lbl2_2").top(), 200);
  ASSERT_NE(o.find<QLabel>("P_5"), nullptr);
  EXPECT_TRUE(o.find<QLabel>("P_5")->isVisible());
  EXPECT_EQ(o.find<QLabel>("P_5")->text(), QStringLiteral("7"));
  EXPECT_EQ(o.find<QLabel>("P_5")->font().pixelSize(), 32);
}

TEST(Window, AHandlersChangesShowWithoutAnExplicitSync) {
  Opened o;
  o.find<QPushButton>("Command1_2")->click();  // Reset
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(o.f.game.ready, kTrue);
  const auto* last = o.find<QLabel>("P_29");
  ASSERT_NE(last, nullptr);
  EXPECT_TRUE(last->isVisible());
  EXPECT_EQ(last->text(), QStringLiteral("1"));
  EXPECT_EQ(o.find<QLabel>("T_1")->text(), QStringLiteral("30"));
}

TEST(Window, ARunningLoopKeepsTheScreenInStep) {
  Opened o;
  // A handler that never returns: only its event passes can show its work.
  o.f.T(4).caption = "99";
  QElapsedTimer waited;
  waited.start();
  while (o.find<QLabel>("T_4")->text() != QStringLiteral("99") && waited.elapsed() < 2000) {
    o.tk.doevents();
  }
  EXPECT_EQ(o.find<QLabel>("T_4")->text(), QStringLiteral("99"));

  o.f.T(4).caption = "98";
  waited.restart();
  while (o.find<QLabel>("T_4")->text() != QStringLiteral("98") && waited.elapsed() < 2000) {
    o.tk.waitevents(0.005);
  }
  EXPECT_EQ(o.find<QLabel>("T_4")->text(), QStringLiteral("98"));
}

TEST(Window, APauseShowsWhatTheRoundChangedBeforeItEnds) {
  Opened o;
  o.w.sync();  // a frame has just been shown
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  o.f.T(4).caption = "77";
  o.f.caption = "Next!";
  // A pause of one second, as the rounds wait between phases.
  QElapsedTimer pause;
  pause.start();
  qint64 shownAt = -1;
  while (pause.elapsed() < 1000) {
    o.tk.waitevents((1000 - pause.elapsed()) / 1000.0);
    if (shownAt < 0 && o.find<QLabel>("T_4")->text() == QStringLiteral("77")) {
      shownAt = pause.elapsed();
    }
  }
  EXPECT_GE(shownAt, 0);
  EXPECT_LT(shownAt, 500) << "the change showed only when the pause was over";
  EXPECT_EQ(o.w.windowTitle(), QStringLiteral("Next!"));
}

TEST(Window, WaitEventsSleepsButReturnsWithinItsTime) {
  Opened o;
  // Waits of 20 ms through a fifth of a second. Each sleeps until its time,
  // the next frame (every 16 ms) or an event: about a dozen of them. Waits
  // that returned at once would be thousands.
  QElapsedTimer clock;
  clock.start();
  int waits = 0;
  qint64 longest = 0;
  for (; clock.elapsed() < 200; ++waits) {
    const qint64 before = clock.elapsed();
    o.tk.waitevents(0.02);
    longest = std::max(longest, clock.elapsed() - before);
  }
  EXPECT_LT(waits, 100);
  EXPECT_LT(longest, 1000) << "a wait of 20 ms";
}

TEST(Window, TheFastBoxTellsTheModelBeforeItsHandler) {
  Opened o;
  auto* fast = o.find<QCheckBox>("chkFast");
  fast->click();
  EXPECT_EQ(o.f.chkFast.value, 1);
  fast->click();
  EXPECT_EQ(o.f.chkFast.value, 0);
}

TEST(Window, OptionMarksComeFromTheGameOnly) {
  Opened o;
  for (int k = 0; k <= 3; ++k) {
    SCOPED_TRACE(k);
    auto* action = o.w.findChild<QAction*>(QStringLiteral("mnuO_%1").arg(k));
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_EQ(action->isChecked(), o.f.mnuO(static_cast<std::int16_t>(k)).checked);
  }
  // Model marks the game sets by itself are shown as well.
  o.f.mnuO(2).checked = !o.f.mnuO(2).checked;
  o.w.sync();
  EXPECT_EQ(o.w.findChild<QAction*>(QStringLiteral("mnuO_2"))->isChecked(), o.f.mnuO(2).checked);
}

TEST(Window, EnterInAFieldReachesItsHandlerAndIsSwallowed) {
  Opened o;
  auto* players = o.find<QLineEdit>("txtNB");
  QSignalSpy returns(players, &QLineEdit::returnPressed);
  players->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(o.synced());
  QTest::keyClick(players, Qt::Key_Return);
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(returns.count(), 0);
  EXPECT_EQ(players->text(), QStringLiteral("30"));
  // The handler moved on to the next field, selecting its text.
  EXPECT_EQ(o.f.focus, Focus::txtDollars);
  auto* dollars = o.find<QLineEdit>("txtDollars");
  EXPECT_TRUE(dollars->hasFocus());
  EXPECT_EQ(dollars->selectedText(), QStringLiteral("30"));
}

TEST(Window, EnterInTheLastFieldResetsAndFocusesStart) {
  Opened o;
  auto* units = o.find<QLineEdit>("txtNTrade");
  units->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(o.synced());
  QTest::keyClick(units, Qt::Key_Enter);
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(o.f.game.ready, kTrue);
  EXPECT_TRUE(o.find<QPushButton>("Command1_0")->hasFocus());
}

TEST(Window, TypedKeysReachTheFieldAndTheModel) {
  Opened o;
  auto* players = o.find<QLineEdit>("txtNB");
  players->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(o.synced());
  players->setCursorPosition(2);
  o.f.game.ready = kTrue;
  QTest::keyClick(players, Qt::Key_4, Qt::NoModifier);
  EXPECT_EQ(players->text(), QStringLiteral("304"));
  EXPECT_EQ(o.f.txtNB.text, "304");
  EXPECT_EQ(o.f.game.ready, kFalse);
}

TEST(Window, FocusingAFieldSelectsItsWholeText) {
  Opened o;
  auto* dollars = o.find<QLineEdit>("txtDollars");
  // Visited and left through Enter first: leaving deselects the field.
  o.f.focus = Focus::txtNB;
  o.w.sync();
  QTest::keyClick(o.find<QLineEdit>("txtNB"), Qt::Key_Return);
  ASSERT_TRUE(o.synced());
  QTest::keyClick(dollars, Qt::Key_Return);
  ASSERT_TRUE(o.synced());
  ASSERT_EQ(o.f.focus, Focus::txtNTrade);
  // Right of the text, where the click itself puts the caret at the end.
  QTest::mouseClick(dollars, Qt::LeftButton, Qt::NoModifier,
                    QPoint(dollars->width() - 4, dollars->height() / 2));
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(o.f.focus, Focus::txtDollars);
  EXPECT_EQ(dollars->selectedText(), QStringLiteral("30"));
  QTest::keyClick(dollars, Qt::Key_7);
  EXPECT_EQ(dollars->text(), QStringLiteral("7"));
}

// Without a window manager a click into an inactive window gives the focus
// only as the window is activated: Qt then names the activation as reason.
TEST(Window, AnActivationFocusElsewhereIsTheUsersChoiceUnlessTheGamesControlIsLocked) {
  struct Case {
    const char* name;
    Focus game;
    bool locked;
    const char* lands;
    Focus after;
  };
  const Case cases[] = {
      {"another field", Focus::txtNTrade, false, "txtNB", Focus::txtNB},
      {"a button", Focus::txtNB, false, "Command1_3", Focus::Step},
      {"the game's own field", Focus::txtDollars, false, "txtDollars", Focus::txtDollars},
      {"Qt's stand-in for a locked Start", Focus::Start, true, "chkFast", Focus::Start},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Opened o;
    o.f.focus = c.game;
    o.f.Command1(0).enabled = !c.locked;
    o.w.sync();
    QFocusEvent activation(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(o.find<QWidget>(c.lands), &activation);
    ASSERT_TRUE(o.synced());
    EXPECT_EQ(o.f.focus, c.after);
  }
}

TEST(Window, ALongNumberShowsItsFirstDigits) {
  Opened o;
  BoxCloser closer;
  o.f.txtDollars.text = "30000";
  o.w.sync();
  EXPECT_EQ(o.find<QLineEdit>("txtDollars")->cursorPosition(), 0);
  // Selected as it gets the focus, with the caret at the start.
  QTest::keyClick(o.find<QLineEdit>("txtNB"), Qt::Key_Return);
  auto* dollars = o.find<QLineEdit>("txtDollars");
  EXPECT_EQ(dollars->selectedText(), QStringLiteral("30000"));
  EXPECT_EQ(dollars->cursorPosition(), 0);
  EXPECT_EQ(o.find<QLineEdit>("txtNB")->cursorPosition(), 0);
  EXPECT_TRUE(closer.boxes.empty());
}

TEST(Window, ALevelCaptionTooWideForItsBoxIsDrawnSmallerInIt) {
  Opened o;
  o.f.lbl2(7).caption = "$7000";
  o.w.sync();
  const auto* caption = o.find<QLabel>("lbl2_7");
  EXPECT_EQ(caption->geometry(), QRect(436, 49, 40, 37));
  EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), 40);
  EXPECT_GE(caption->font().pixelSize(), 11) << "still legible";
}

struct Hop {
  const char* from;
  const char* to;
};

class TabOrder : public ::testing::TestWithParam<Hop> {};

TEST_P(TabOrder, TabGoesToTheNextControl) {
  Opened o;
  auto* from = o.find<QWidget>(GetParam().from);
  ASSERT_NE(from, nullptr);
  from->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(from, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), o.find<QWidget>(GetParam().to));
}

INSTANTIATE_TEST_SUITE_P(
    Window, TabOrder,
    ::testing::Values(Hop{"txtNB", "Command1_3"}, Hop{"Command1_3", "txtDollars"},
                      Hop{"txtDollars", "Command1_2"}, Hop{"Command1_2", "Command1_0"},
                      Hop{"Command1_0", "Command1_4"}, Hop{"Command1_4", "chkFast"},
                      Hop{"chkFast", "txtNTrade"}),
    [](const auto& info) { return std::string(info.param.from) + "_to_" + info.param.to; });

TEST(Window, TheGamesFocusMovesTheRealFocus) {
  Opened o;
  o.f.focus = Focus::Analyze;
  o.w.sync();
  EXPECT_TRUE(o.find<QPushButton>("Command1_4")->hasFocus());
  o.f.focus = Focus::txtNTrade;
  o.w.sync();
  EXPECT_TRUE(o.find<QLineEdit>("txtNTrade")->hasFocus());
}

TEST(Window, AGrownPlayerCaptionStaysCentredOnItsBox) {
  Opened o;
  o.f.P(0).caption = "188";
  o.f.P(0).visible = true;
  o.w.sync();
  const auto* player = o.find<QLabel>("P_0");
  const QRect r = player->geometry();
  // The box of P(0): left 3780, width 270 twips = 252 px + 18 px.
  EXPECT_NEAR(r.left() + r.width() / 2.0, 252 + 9, 0.5);
  EXPECT_GE(r.width(), player->fontMetrics().horizontalAdvance(QStringLiteral("188")));
}

// What a click shows, through the real widgets: each row clicks one control
// and reads the message boxes that follow, in order.
struct Shown {
  const char* name;
  const char* control;  // a label, a button or a bar item
  std::vector<const char*> starts;
};

class ClickShows : public ::testing::TestWithParam<Shown> {};

TEST_P(ClickShows, TheBoxesInOrder) {
  Opened o;
  BoxCloser closer;
  const QString control = QLatin1String(GetParam().control);
  if (auto* action = o.w.findChild<QAction*>(control)) {
    action->trigger();
  } else if (auto* button = o.w.findChild<QPushButton*>(control)) {
    QTest::mouseClick(button, Qt::LeftButton);
  } else {
    auto* label = o.w.findChild<QLabel*>(control);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  }
  ASSERT_EQ(closer.boxes.size(), GetParam().starts.size());
  for (std::size_t i = 0; i < closer.boxes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(closer.boxes[i].title, QStringLiteral("ovali"));
    EXPECT_TRUE(closer.boxes[i].text.startsWith(QString::fromUtf8(GetParam().starts[i])))
        << closer.boxes[i].text.left(60).toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Window, ClickShows,
    ::testing::Values(
        Shown{"TheGame", "Label3_0", {"The Ovalin Game\n\nThis game illustrates how "}},
        Shown{"Questions", "Label3_1", {"Questions to Think About\n\n"}},
        Shown{"AnswersInThreeBoxes",
              "Label3_2",
              {"Answers\n\n1. Is this", "Answers\n\n3. Why", "Answers\n\n5. How"}},
        Shown{"Explorations", "Label3_3", {"Possible Further Explorations\n\n"}},
        Shown{"AnalyzeBeforeAnyReset", "Command1_4", {"Click on \"Start\" first."}},
        Shown{"About", "mnuAbout", {""}}),
    [](const auto& info) { return std::string(info.param.name); });

// The same picture at any size: every place and font scales uniformly,
// centred where the aspect ratio differs.
struct Scaled {
  const char* name;
  QSize client;
  const char* control;
  QRect rect;
  int fontPixels;
};

class Scaling : public ::testing::TestWithParam<Scaled> {};

TEST_P(Scaling, PlacesAndFontsFollowTheClientArea) {
  Opened o;
  o.w.resize(GetParam().client.width(), GetParam().client.height() + o.w.menuBar()->height());
  ASSERT_TRUE(QTest::qWaitFor([&] { return o.w.board()->size() == GetParam().client; }))
      << o.w.board()->width() << "x" << o.w.board()->height();
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(geometryOf(o, GetParam().control), GetParam().rect);
  EXPECT_EQ(o.find<QWidget>(GetParam().control)->font().pixelSize(), GetParam().fontPixels);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Scaling,
    ::testing::Values(
        Scaled{"DoubleField", {1170, 924}, "txtNB", {528, 328, 120, 74}, 64},
        Scaled{"DoubleButton", {1170, 924}, "Command1_0", {528, 864, 130, 42}, 22},
        Scaled{"DoubleCheckBox", {1170, 924}, "chkFast", {848, 872, 98, 34}, 22},
        Scaled{"TallerCentredVertically", {1170, 1024}, "txtNB", {528, 378, 120, 74}, 64},
        Scaled{"WiderCentredHorizontally", {1370, 924}, "Command1_2", {308, 864, 130, 42}, 22},
        Scaled{"HalfSize", {585 / 2 + 1, 231}, "txtNB", {132, 82, 30, 19}, 16}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Window, ScalingBackToTheDesignSizeRestoresEveryPlace) {
  Opened o;
  o.w.resize(1170, 924 + o.w.menuBar()->height());
  ASSERT_TRUE(QTest::qWaitFor([&] { return o.w.board()->size() == QSize(1170, 924); }));
  o.w.resize(585, 462 + o.w.menuBar()->height());
  ASSERT_TRUE(QTest::qWaitFor([&] { return o.w.board()->size() == QSize(585, 462); }));
  ASSERT_TRUE(o.synced());
  EXPECT_EQ(geometryOf(o, "txtNB"), QRect(264, 164, 60, 37));
  EXPECT_EQ(o.find<QWidget>("T_0")->font().pixelSize(), 32);
}

struct Spoken {
  const char* control;
  const char* name;
};

class AccessibleName : public ::testing::TestWithParam<Spoken> {};

TEST_P(AccessibleName, SaysWhatTheControlIs) {
  Opened o;
  QWidget* w = o.find<QWidget>(GetParam().control);
  ASSERT_NE(w, nullptr);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Window, AccessibleName,
    ::testing::Values(Spoken{"txtNB", "Players:"}, Spoken{"txtDollars", "Total: $"},
                      Spoken{"txtNTrade", "Units: $"}, Spoken{"Command1_0", "Start"},
                      Spoken{"Command1_4", "Analyze"}, Spoken{"chkFast", "fast"},
                      Spoken{"P_0", "Player 1 of 1, outer ring: $1"},
                      Spoken{"T_2", "Players with $2: 0"},
                      Spoken{"TS_2", "Outer-ring players with $2: 0"}, Spoken{"C", "Round: 0"},
                      Spoken{"Label3_3", "Explorations"}, Spoken{"lbl2_6", "$6"}),
    [](const auto& info) { return std::string(info.param.control); });

TEST(Window, CaptionsAreReadableUnderTheirNames) {
  Opened o;
  o.f.P.load(3);
  o.f.P(3).caption = "4";
  o.f.P(3).visible = true;
  o.f.game.nplayers = 4;
  o.f.C.caption = "12";
  o.w.sync();
  const auto spoken = [&o](const char* name, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(o.find<QWidget>(name))->text(text);
  };
  // Read once, in the name: not again as a description.
  EXPECT_EQ(spoken("P_3", QAccessible::Name), QStringLiteral("Player 4 of 4, inner ring: $4"));
  EXPECT_EQ(spoken("P_3", QAccessible::Description), QString());
  EXPECT_EQ(spoken("C", QAccessible::Name), QStringLiteral("Round: 12"));

  // A caption that changes is read anew.
  o.f.T(2).caption = "17";
  o.f.P(3).caption = "5";
  o.w.sync();
  EXPECT_EQ(spoken("T_2", QAccessible::Name), QStringLiteral("Players with $2: 17"));
  EXPECT_EQ(spoken("P_3", QAccessible::Name), QStringLiteral("Player 4 of 4, inner ring: $5"));
}

TEST(Window, HelpLinksAreLinksAScreenReaderCanFollow) {
  Opened o;
  QAccessibleInterface* link = QAccessible::queryAccessibleInterface(o.find<QWidget>("Label3_1"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("Questions"));
  ASSERT_NE(link->actionInterface(), nullptr);
  BoxCloser closer;
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(closer.boxes.size(), 1u);
  EXPECT_TRUE(closer.boxes[0].text.startsWith(QStringLiteral("Questions to Think About")));
  // Other labels stay plain text to a screen reader.
  EXPECT_NE(QAccessible::queryAccessibleInterface(o.find<QWidget>("lbl2_1"))->role(),
            QAccessible::Link);
}

TEST(Window, TheCountsSayWhichRingTheyCountWhileRingsAreApart) {
  Opened o;
  o.f.TS(1).visible = true;
  o.w.sync();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(o.find<QWidget>("T_1"))->text(QAccessible::Name),
            QStringLiteral("Inner-ring players with $1: 0"));
}

}  // namespace
}  // namespace ovali::window_testing

namespace ovali::window_testing {
namespace {

TEST(Window, TypingOverTheFirstFieldAndEnterAfterACorrectionMoveOn) {
  Opened o;
  ASSERT_TRUE(o.active);
  auto* players = o.find<QLineEdit>("txtNB");
  ASSERT_TRUE(o.synced());
  // The window opened with the focus in the first field, its text selected.
  EXPECT_EQ(o.f.focus, Focus::txtNB);
  EXPECT_EQ(players->selectedText(), QStringLiteral("30"));
  QTest::keyClicks(players, "31");
  BoxCloser closer;
  QTest::keyClick(players, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !closer.boxes.empty(); }));
  ASSERT_TRUE(o.synced());
  ASSERT_EQ(closer.boxes.size(), 1u);
  EXPECT_EQ(players->text(), QStringLiteral("32"));
  EXPECT_EQ(o.f.focus, Focus::txtDollars);
  // The window's own focus: the offscreen platform does not activate the
  // window again when the box closes, a desktop does.
  EXPECT_EQ(o.w.focusWidget(), o.find<QWidget>("txtDollars"));
  EXPECT_EQ(o.find<QLineEdit>("txtDollars")->selectedText(), QStringLiteral("30"));
}

// Tab goes on from the last field to the help links, in their order, and a
// focused link shows its focus and opens its help with Enter.
TEST(Window, TabReachesTheHelpLinksAfterTheFields) {
  Opened o;
  ASSERT_TRUE(o.active);
  auto* units = o.find<QLineEdit>("txtNTrade");
  units->setFocus(Qt::TabFocusReason);
  QTest::keyClick(units, Qt::Key_Tab);
  auto* first = o.find<QWidget>("Label3_0");
  ASSERT_TRUE(QTest::qWaitFor([&] { return first->hasFocus(); }));
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_TRUE(QTest::qWaitFor([&] { return o.find<QWidget>("Label3_1")->hasFocus(); }));
  ASSERT_TRUE(o.synced());
  // The game leaves the focus where the user took it.
  EXPECT_TRUE(o.find<QWidget>("Label3_1")->hasFocus());
  BoxCloser closer;
  QTest::keyClick(o.find<QWidget>("Label3_1"), Qt::Key_Return);
  ASSERT_EQ(closer.boxes.size(), 1u);
  EXPECT_TRUE(closer.boxes[0].text.startsWith(QStringLiteral("Questions to Think About")));
}

}  // namespace
}  // namespace ovali::window_testing
