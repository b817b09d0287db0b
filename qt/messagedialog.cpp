#include "qt/messagedialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "qt/chartview.h"

namespace ovali {

namespace {

// Lines of about this many characters, as message boxes usually wrap.
constexpr int kWrapCharacters = 72;

QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent, MessageBox box)
    : QDialog(parent), box_(std::move(box)), text_(fromUtf8(box_.text)) {
  setWindowTitle(fromUtf8(box_.caption));
  setModal(true);
  // Named by its first words; the text itself is read once, in the view.
  setAccessibleName(fromUtf8(box_.name));

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

  // The report's columns are a label and numbers padded with spaces to six
  // characters; in a proportional font spaces are narrower than digits, so
  // a number column ends at its tab stop, and the others start at theirs.
  const QFontMetrics fm(view_->font());
  const qreal number = fm.horizontalAdvance(QStringLiteral("0000.0")) + fm.averageCharWidth();
  qreal stop = fm.horizontalAdvance(QStringLiteral("$0000")) + fm.averageCharWidth();
  QList<QTextOption::Tab> tabs;
  for (int column = 1; column < kBoxColumns; ++column) {
    if (isNumberColumn(column)) {
      stop += number;
      tabs.append(QTextOption::Tab(stop, QTextOption::RightTab));
    } else {
      tabs.append(QTextOption::Tab(stop + fm.averageCharWidth(), QTextOption::LeftTab));
    }
  }
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
  for (const BoxLine& line : box_.lines) {
    QTextLayout layout(fromUtf8(line.text), view_->font());
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
  if (box_.chart) {
    chart_ = new ChartView(this, *box_.chart);
    // Larger with the window, but leaving room for the text, as the page's
    // box does on a small screen.
    const double scale =
        std::min(box_.chartScale, std::max(1.0, maxHeight / 2.0 / box_.chart->height));
    if (scale != 1) {
      chart_->setScaled(true);
      chart_->setFixedSize(static_cast<int>(std::ceil(box_.chart->width * scale)),
                           static_cast<int>(std::ceil(box_.chart->height * scale)));
    }
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
  // The view would copy its selection alone, and nothing without one.
  view_->installEventFilter(this);

  ok_->setFocus();
}

bool MessageDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ &&
      (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    if (event->type() == QEvent::KeyPress) copy();
    event->accept();
    return event->type() == QEvent::KeyPress;
  }
  return QDialog::eventFilter(watched, event);
}

void MessageDialog::copy() {
  const std::string selected = view_->textCursor().selection().toPlainText().toStdString();
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(fromUtf8(copiedText(box_, selected)));
  }
}

}  // namespace ovali
