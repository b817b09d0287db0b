#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <cstdlib>
#include <string>

#include "harness.h"

namespace ovali::window_testing {
namespace {

// A report as the analysis writes it: a header and rows of a dollar amount
// and two numbers padded to six characters.
const std::string kReport =
    "Some words. \r\r\r\tavg.\tOvali.\r\r$7\t   0.1\t   0.1\t\r$1\t  12.4\t   7.5\t\r"
    "$0\t 100.0\t  15.0\t\r\rafter 120 exchanges";

TEST(MessageBox, TitledOvaliWithOnlyAnOkButton) {
  MessageDialog box(nullptr, messageBoxOf("Click on \"Start\" first."));
  EXPECT_EQ(box.windowTitle(), QStringLiteral("ovali"));
  EXPECT_TRUE(box.isModal());
  const auto* buttons = box.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->buttons().size(), 1);
  EXPECT_EQ(buttons->standardButton(buttons->buttons()[0]), QDialogButtonBox::Ok);
  EXPECT_EQ(box.view()->toPlainText(), QStringLiteral("Click on \"Start\" first."));
}

TEST(MessageBox, OkClosesIt) {
  MessageDialog box(nullptr, messageBoxOf("text"));
  QTimer::singleShot(0, box.okButton(), &QPushButton::click);
  EXPECT_EQ(box.exec(), QDialog::Accepted);
}

TEST(MessageBox, NumberColumnsLineUpOnTheirRightEdges) {
  MessageDialog box(nullptr, messageBoxOf(kReport));
  box.show();
  QTextDocument* doc = box.view()->document();
  // Where the n-th column of a row ends, in pixels from the left.
  const auto columnEnd = [doc](const QString& row, int column) {
    const QTextBlock block = doc->find(row).block();
    EXPECT_TRUE(block.isValid()) << row.toStdString();
    int tabs = 0;
    int end = static_cast<int>(block.text().size());
    for (int i = 0; i < block.text().size(); ++i) {
      if (block.text().at(i) == QLatin1Char('\t') && ++tabs == column + 1) {
        end = i;
        break;
      }
    }
    const QTextLine line = block.layout()->lineForTextPosition(end);
    return line.cursorToX(end);
  };
  for (int column : {1, 2}) {
    SCOPED_TRACE(column);
    const double first = columnEnd(QStringLiteral("$7\t"), column);
    EXPECT_NEAR(columnEnd(QStringLiteral("$1\t"), column), first, 0.5);
    EXPECT_NEAR(columnEnd(QStringLiteral("$0\t"), column), first, 0.5);
    EXPECT_NEAR(columnEnd(QStringLiteral("avg."), column), first, 0.5);
  }
  // And the columns do not run into each other.
  EXPECT_LT(columnEnd(QStringLiteral("$0\t"), 0) + 5,
            columnEnd(QStringLiteral("$0\t"), 1) -
                box.fontMetrics().horizontalAdvance(QStringLiteral(" 100.0")));
}

TEST(MessageBox, CopiesWithTabsAndLineBreaks) {
  MessageDialog box(nullptr, messageBoxOf(kReport));
  box.show();
  QGuiApplication::clipboard()->clear();
  const QString whole = QString::fromStdString(messageBoxOf(kReport).text);
  box.copy();  // nothing selected: the whole text
  EXPECT_EQ(QGuiApplication::clipboard()->text(), whole);
  // Also from the text itself, which alone would copy nothing.
  QGuiApplication::clipboard()->clear();
  box.view()->setFocus();
  QTest::keyClick(box.view(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), whole);

  QTextCursor cursor(box.view()->document()->find(QStringLiteral("$1\t")));
  cursor.movePosition(QTextCursor::StartOfBlock);
  cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  box.view()->setTextCursor(cursor);
  box.view()->setFocus();
  QTest::keyClick(box.view(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("$1\t  12.4\t   7.5\t\n$0\t 100.0\t  15.0\t"));
}

TEST(MessageBox, TextCanBeSelectedWithTheKeyboard) {
  MessageDialog box(nullptr, messageBoxOf("one two"));
  box.show();
  box.view()->setFocus();
  QTest::keyClick(box.view(), Qt::Key_Home);
  QTest::keyClick(box.view(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(box.view(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(box.view(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(box.view()->textCursor().selectedText(), QStringLiteral("one"));
  EXPECT_TRUE(box.view()->isReadOnly());
}

TEST(MessageBox, AScreenReaderHearsItsFirstWordsThenTheTextOnce) {
  MessageDialog box(nullptr, messageBoxOf("first\r\rsecond"));
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&box);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("first"));
  EXPECT_EQ(a->text(QAccessible::Description), QString());
  QAccessibleInterface* text = QAccessible::queryAccessibleInterface(box.view());
  ASSERT_NE(text, nullptr);
  ASSERT_NE(text->textInterface(), nullptr);
  EXPECT_EQ(text->textInterface()->text(0, text->textInterface()->characterCount()),
            QStringLiteral("first\n\nsecond"));
}

// How many pixels of a chart are close to `colour`.
int pixelsNear(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
              std::abs(c.blue() - colour.blue()) <
          30) {
        ++count;
      }
    }
  }
  return count;
}

TEST(MessageBox, AnalysisDrawsTheChartAboveTheUnchangedReport) {
  Opened o;
  BoxCloser closer;
  o.find<QPushButton>("Command1_4")->click();  // before any game: the refusal alone
  o.find<QPushButton>("Command1_2")->click();  // reset: 30 players, $30
  o.f.game.nsamples = 120;
  o.f.game.maxlevel = 2;
  o.f.game.sumlevels = {1500, 1090, 606};
  o.find<QPushButton>("Command1_4")->click();
  ASSERT_EQ(closer.boxes.size(), 2u);
  EXPECT_TRUE(closer.boxes[0].chart.isNull());

  const BoxCloser::Box& analysis = closer.boxes[1];
  EXPECT_EQ(analysis.title, QStringLiteral("ovali"));
  EXPECT_EQ(analysis.name, QStringLiteral("On the left are listed the average number of players "
                                          "receiving the indicated amount of money."));
  EXPECT_TRUE(analysis.text.contains(QStringLiteral("$0\t  12.5\t  15.0\t\n")));
  EXPECT_EQ(analysis.chartName, QStringLiteral("Chart of the averages and the theoretical counts"));
  const QImage& chart = analysis.chart;
  EXPECT_EQ(chart.deviceIndependentSize().toSize(), QSize(400, 220));
  // Both series show: the bars of three averages, the line and its points.
  EXPECT_GT(pixelsNear(chart, QColor(0, 114, 178)), 3000);
  EXPECT_GT(pixelsNear(chart, QColor(213, 94, 0)), 400);

  // A larger window shows it larger, as the page does, in its proportions.
  o.w.resize(o.w.size() * 2);
  ASSERT_TRUE(QTest::qWaitFor([&o] { return o.w.board()->projection().scale() > 1.5; }));
  o.find<QPushButton>("Command1_4")->click();
  ASSERT_EQ(closer.boxes.size(), 3u);
  const QSize larger = closer.boxes[2].chart.deviceIndependentSize().toSize();
  EXPECT_GT(larger.width(), 400);
  EXPECT_NEAR(larger.height() * 400.0 / larger.width(), 220, 2);
}

TEST(MessageBox, ALongTextStaysOnTheScreen) {
  std::string longText;
  for (int i = 0; i < 400; ++i) longText += "A line of help text that goes on.\r";
  MessageDialog box(nullptr, messageBoxOf(longText));
  box.show();
  const QRect screen = box.screen()->availableGeometry();
  EXPECT_LE(box.height(), screen.height());
  EXPECT_LE(box.width(), screen.width());
}

}  // namespace
}  // namespace ovali::window_testing
