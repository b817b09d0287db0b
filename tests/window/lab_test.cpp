// The Explorations lab on the desktop, opened from the keyboard and run to
// its answer as a screen reader and the clipboard meet it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "harness.h"
#include "qt/labwindow.h"

namespace ovali::window_testing {
namespace {

TEST(Lab, MoneyRunsFromTheKeyboardToASentenceThatNamesThePicture) {
  Opened o;
  ASSERT_TRUE(o.active);
  ASSERT_TRUE(o.chooseFromView(Qt::Key_L));
  ASSERT_TRUE(QTest::qWaitFor([&] { return o.w.labWindow() && o.w.labWindow()->isVisible(); }));
  LabWindow* lab = o.w.labWindow();
  EXPECT_TRUE(o.w.findChild<QAction*>("mnuLab")->isChecked());
  auto* chooser = lab->findChild<QComboBox*>("labChooser");
  ASSERT_TRUE(QTest::qWaitFor([&] { return chooser->hasFocus(); }));
  EXPECT_TRUE(chooser->currentText().startsWith("money: "));

  QTest::keyClick(chooser, Qt::Key_R, Qt::AltModifier);
  auto* progress = lab->findChild<QLabel*>("labProgressText");
  ASSERT_TRUE(QTest::qWaitFor([&] { return progress->text().contains(" games in "); }, 120000))
      << progress->text().toStdString();
  auto* bar = lab->findChild<QProgressBar*>("labProgress");
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(progress->text().left(16), "80 of 80 games i");

  const QString sentence = lab->findChild<QLabel*>("labSentence")->text();
  EXPECT_TRUE(sentence.startsWith("Doubling the money from $30 to $60")) << sentence.toStdString();
  QAccessibleInterface* image = QAccessible::queryAccessibleInterface(lab->chart());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->role(), QAccessible::Graphic);
  EXPECT_EQ(image->text(QAccessible::Name), sentence);

  lab->findChild<QPushButton*>("labCopy")->click();
  const QStringList rows = QGuiApplication::clipboard()->text().split('\n');
  EXPECT_TRUE(rows.value(0).startsWith("variant\tring\tplayers\ttotal\tunits\tamount\taverage"))
      << rows.value(0).toStdString();
  EXPECT_EQ(lab->findChild<QLabel*>("labStatus")->text(), "Copied");

  // Escape closes the lab and hands the keyboard back to the game.
  QTest::keyClick(chooser, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !lab->isVisible(); }));
  EXPECT_FALSE(o.f.mnuLab.checked);
  EXPECT_TRUE(QTest::qWaitFor([&] { return o.w.isActiveWindow(); }));
}

// Closing the lab or the whole window mid-run joins its threads at once:
// the sanitizers see no thread left and no leak.
TEST(Lab, ClosingMidRunEndsItsGames) {
  auto o = std::make_unique<Opened>();
  o->w.findChild<QAction*>("mnuLab")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return o->w.labWindow() && o->w.labWindow()->isVisible(); }));
  auto* run = o->w.labWindow()->findChild<QPushButton*>("labRun");
  run->click();
  EXPECT_EQ(run->text(), "&Stop");
  o->w.labWindow()->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !o->w.labWindow()->isVisible(); }));
  EXPECT_EQ(run->text(), "&Run");

  o->w.findChild<QAction*>("mnuLab")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return o->w.labWindow()->isVisible(); }));
  run->click();
  auto* bar = o->w.labWindow()->findChild<QProgressBar*>("labProgress");
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar->value() > 0; }, 60000));
  EXPECT_LT(bar->value(), bar->maximum());
  o.reset();
}

}  // namespace
}  // namespace ovali::window_testing
