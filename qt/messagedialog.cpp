#include "qt/messagedialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "qt/chartview.h"

namespace ovali {

namespace {

// Lines of about this many characters, as message boxes usually wrap.
constexpr int kWrapCharacters = 72;

}  // namespace

QString MessageDialog::displayText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

MessageDialog::MessageDialog(QWidget* parent, std::string_view text, const Chart* chart)
    : QDialog(parent), text_(displayText(text)) {
  setWindowTitle(QStringLiteral("ovali"));
  setModal(true);
  setAccessibleName(QStringLiteral("ovali"));
  setAccessibleDescription(text_);

  view_ = new QTextEdit(this);
  view_->setObjectName(QStringLiteral("message"));
  view_->setAccessibleName(QStringLiteral("Message"));
  view_->setReadOnly(true);
  view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view_->setFrameShape(QFrame::NoFrame);
  view_->setAcceptRichText(false);
  view_->setLineWrapMode(QTextEdit::WidgetWidth);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette pal = view_->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Window));
  view_->setPalette(pal);

  // The report's columns are a label and two numbers padded with spaces to
  // six characters; in a proportional font spaces are narrower than digits,
  // so the number columns are right-aligned at their tab stops.
  const QFontMetrics fm(view_->font());
  const qreal number = fm.horizontalAdvance(QStringLiteral("0000.0")) + fm.averageCharWidth();
  const qreal first = fm.horizontalAdvance(QStringLiteral("$0000")) + fm.averageCharWidth();
  const QList<QTextOption::Tab> tabs{
      QTextOption::Tab(first + number, QTextOption::RightTab),
      QTextOption::Tab(first + 2 * number, QTextOption::RightTab),
      QTextOption::Tab(first + 2 * number + fm.averageCharWidth(), QTextOption::LeftTab)};
  QTextOption option = view_->document()->defaultTextOption();
  option.setTabs(tabs);
  option.setWrapMode(QTextOption::WordWrap);
  view_->document()->setDefaultTextOption(option);
  view_->setPlainText(text_);
  // The editor lays each paragraph out with its own tab stops.
  QTextCursor all(view_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat stops;
  stops.setTabPositions(tabs);
  all.mergeBlockFormat(stops);

  // Fit the box to the text: as wide as its longest line up to a comfortable
  // measure, as tall as the wrapped text up to most of the screen.
  QTextDocument* doc = view_->document();
  const qreal margin = 2 * doc->documentMargin();
  const qreal wrap = fm.averageCharWidth() * static_cast<qreal>(kWrapCharacters);
  qreal longest = 0;
  QTextOption unwrapped = option;
  unwrapped.setWrapMode(QTextOption::NoWrap);
  for (const QString& line : text_.split(QLatin1Char('\n'))) {
    QTextLayout layout(line, view_->font());
    layout.setTextOption(unwrapped);
    layout.beginLayout();
    QTextLine laid = layout.createLine();
    if (laid.isValid()) laid.setLineWidth(1e6);
    layout.endLayout();
    if (laid.isValid()) longest = std::max(longest, laid.naturalTextWidth());
  }
  const qreal width = std::min(longest + margin + 1, wrap + margin);
  // The editor lays its own document out later, at its own width; a copy
  // laid out at the chosen width tells the height now.
  const std::unique_ptr<QTextDocument> measure(doc->clone());
  measure->setTextWidth(width);
  int maxHeight = 600;
  if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen()) {
    maxHeight = screen->availableGeometry().height() * 3 / 4;
  }
  if (chart) {
    chart_ = new ChartView(this, drawingOf({*chart}));
    maxHeight = std::max(maxHeight - chart_->height(), 4 * fm.height());
  }
  const int height = static_cast<int>(std::ceil(measure->size().height()));
  view_->setFixedWidth(static_cast<int>(std::ceil(width)));
  view_->setFixedHeight(std::min(height + 2, maxHeight));
  if (height + 2 > maxHeight) {
    view_->setFixedWidth(static_cast<int>(std::ceil(width)) +
                         view_->verticalScrollBar()->sizeHint().width());
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal, this);
  buttons->setCenterButtons(true);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setDefault(true);
  ok_->setIcon(QIcon());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  if (chart_) layout->addWidget(chart_, 0, Qt::AlignHCenter);
  layout->addWidget(view_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* copyAction = new QAction(this);
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setShortcutContext(Qt::WindowShortcut);
  connect(copyAction, &QAction::triggered, this, &MessageDialog::copy);
  addAction(copyAction);

  ok_->setFocus();
}

void MessageDialog::copy() {
  if (view_->textCursor().hasSelection()) {
    view_->copy();
  } else if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(text_);
  }
}

}  // namespace ovali
