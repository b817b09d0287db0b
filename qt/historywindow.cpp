#include "qt/historywindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "qt/chartview.h"
#include "qt/labwindow.h"
#include "qt/statusline.h"

namespace ovali {

namespace {

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

HistoryWindow::HistoryWindow(QWidget* mainWindow, Drawing drawing, std::function<void()> closed,
                             std::function<void()> copy, std::function<void(PanelKey)> key)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      closed_(std::move(closed)) {
  setObjectName(QStringLiteral("history"));
  setWindowTitle(qs(kHistoryTitle));
  auto* layout = new QVBoxLayout(this);
  chart_ = new ChartView(this, std::move(drawing));
  chart_->setObjectName(QStringLiteral("historyChart"));
  // The picture grows with the window, for a projector, and shrinks with it
  // on a small screen; the natural size is the drawing's.
  natural_ = chart_->sizeHint();
  chart_->setScaled(true);
  layout->addWidget(chart_, 1);

  auto* help = new QLabel(this);
  help->setObjectName(QStringLiteral("historyHelp"));
  help->setWordWrap(true);
  help->setTextInteractionFlags(Qt::TextSelectableByMouse);
  help->setMinimumWidth(natural_.width() / 2);
  help_ = help;
  layout->addWidget(help);

  copy_ = new QPushButton(qs(kHistoryCopy), this);
  copy_->setObjectName(QStringLiteral("historyCopy"));
  copy_->setAccessibleDescription(qs(kHistoryCopyDescription));
  connect(copy_, &QPushButton::clicked, this, std::move(copy));
  auto* row = new QHBoxLayout;
  row->addWidget(copy_);
  status_ = new StatusLine(this, QStringLiteral("historyStatus"));
  row->addWidget(status_, 1);
  layout->addLayout(row);
  baseFont_ = font();
  bindPanelKeys(this, key);
}

void HistoryWindow::setHelp(const QString& help) {
  if (help_->text() != help) help_->setText(help);
}

void HistoryWindow::takeKeyboard() { ovali::takeKeyboard(this, copy_); }

void HistoryWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The texts grow with the picture, never below the desktop's own size.
  // By the window's size against its natural one, not by the picture's,
  // which gives way to the texts.
  if (naturalWindow_.isEmpty()) naturalWindow_ = sizeHint();
  const double scale = std::clamp(std::min(static_cast<double>(width()) / naturalWindow_.width(),
                                           static_cast<double>(height()) / naturalWindow_.height()),
                                  1.0, 3.0);
  QFont grown = baseFont_;
  grown.setPointSizeF(baseFont_.pointSizeF() * scale);
  if (help_->font() != grown) {
    help_->setFont(grown);
    copy_->setFont(grown);
  }
}

void HistoryWindow::redraw(Drawing drawing) { chart_->setDrawing(std::move(drawing)); }

void HistoryWindow::announce(const QString& text) { status_->say(text); }

void HistoryWindow::open() {
  if (!isVisible()) {
    // The drawing's size with the help under it; placeBeside keeps it
    // within the screen's free area, and the picture scales to what is left.
    resize(QSize(natural_.width() + 24, 0).expandedTo(sizeHint()));
    placeBeside(this, parentWidget());
    show();
    // Its frame is known once shown, and counts against the room too.
    placeBeside(this, parentWidget());
  }
  show();
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
  // The game decides whether the view is open: it is asked, and the next
  // sync hides the window.
  event->ignore();
  if (closed_) closed_();
}

}  // namespace ovali
