#include "qt/historywindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "help/help.h"
#include "qt/chartview.h"
#include "qt/labwindow.h"
#include "qt/statusline.h"

namespace ovali {

HistoryWindow::HistoryWindow(QWidget* mainWindow, Drawing drawing, std::function<void()> closed,
                             std::function<void()> copy)
    : QWidget(mainWindow, Qt::Tool), closed_(std::move(closed)) {
  setObjectName(QStringLiteral("history"));
  setWindowTitle(QStringLiteral("History"));
  auto* layout = new QVBoxLayout(this);
  chart_ = new ChartView(this, std::move(drawing));
  chart_->setObjectName(QStringLiteral("historyChart"));
  layout->addWidget(chart_);

  auto* help = new QLabel(QString::fromStdString(historyHelp()), this);
  help->setObjectName(QStringLiteral("historyHelp"));
  help->setWordWrap(true);
  help->setTextInteractionFlags(Qt::TextSelectableByMouse);
  help->setFixedWidth(chart_->width());
  layout->addWidget(help);

  copy_ = new QPushButton(QStringLiteral("&Copy"), this);
  copy_->setObjectName(QStringLiteral("historyCopy"));
  copy_->setAccessibleDescription(QStringLiteral("Copies every point as a table"));
  connect(copy_, &QPushButton::clicked, this, std::move(copy));
  auto* row = new QHBoxLayout;
  row->addWidget(copy_);
  status_ = new StatusLine(this, QStringLiteral("historyStatus"));
  row->addWidget(status_, 1);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void HistoryWindow::redraw(Drawing drawing) { chart_->setDrawing(std::move(drawing)); }

void HistoryWindow::announce(const QString& text) { status_->say(text); }

void HistoryWindow::open() {
  adjustSize();
  placeBeside(this, parentWidget());
  show();
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
  // The game decides whether the view is open: it is asked, and the next
  // sync hides the window.
  event->ignore();
  if (closed_) closed_();
}

}  // namespace ovali
