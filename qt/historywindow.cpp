#include "qt/historywindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "help/help.h"
#include "qt/chartview.h"
#include "qt/labwindow.h"

namespace ovali {

HistoryWindow::HistoryWindow(QWidget* mainWindow, const History& history, Drawing drawing,
                             std::function<void()> closed)
    : QWidget(mainWindow, Qt::Tool), history_(history), closed_(std::move(closed)) {
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
  connect(copy_, &QPushButton::clicked, this, [this] {
    QGuiApplication::clipboard()->setText(QString::fromStdString(historyTable(history_)));
  });
  layout->addWidget(copy_, 0, Qt::AlignLeft);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void HistoryWindow::redraw(Drawing drawing) { chart_->setDrawing(std::move(drawing)); }

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
