// The main window's side of its tool windows, the history and the lab: it
// makes them when first needed, shows what the presenter sends and passes
// the user's acts in them up.

#include <QClipboard>
#include <QGuiApplication>

#include "qt/historywindow.h"
#include "qt/labwindow.h"
#include "qt/mainwindow.h"

namespace ovali {

namespace {

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void MainWindow::historyDrawing(const Drawing& drawing) {
  if (history_) {
    history_->redraw(drawing);
    return;
  }
  history_ = new HistoryWindow(
      this, drawing, [this] { handle([&] { presenter_.historyClose(); }); },
      [this] { handle([&] { presenter_.historyCopy(); }); },
      [this](PanelKey key) { handle([&] { presenter_.panelKey(Panel::History, key); }); });
}

void MainWindow::history(bool open, std::string_view help) {
  if (!history_) return;
  if (open) {
    history_->setHelp(qs(help));
    history_->open();
  } else {
    history_->hide();
  }
}

void MainWindow::lab(bool open) {
  if (!lab_ && !open) return;
  if (!lab_) makeLab();
  if (open) {
    lab_->open();
  } else {
    lab_->hide();
  }
}

void MainWindow::makeLab() {
  lab_ = new LabWindow(this);
  connect(lab_, &LabWindow::chosen, this,
          [this](int experiment) { handle([&] { presenter_.labChoose(experiment); }); });
  connect(lab_, &LabWindow::versusEdited, this, [this](const QString& text) {
    handle([&] { presenter_.labVersus(text.toStdString()); });
  });
  connect(lab_, &LabWindow::runClicked, this, [this] { handle([&] { presenter_.labRun(); }); });
  connect(lab_, &LabWindow::copyClicked, this, [this] { handle([&] { presenter_.labCopy(); }); });
  connect(lab_, &LabWindow::closed, this, [this] { handle([&] { presenter_.labClose(); }); });
  connect(lab_, &LabWindow::panelKey, this,
          [this](PanelKey key) { handle([&] { presenter_.panelKey(Panel::Lab, key); }); });
  connect(lab_, &LabWindow::tick, this, &MainWindow::requestSync);
}

void MainWindow::labView(const LabView& view) {
  if (!lab_) makeLab();
  lab_->show(view);
}

void MainWindow::labPicture(const Drawing& picture) {
  if (!lab_) makeLab();
  lab_->draw(picture);
}

void MainWindow::copy(std::string_view text) { QGuiApplication::clipboard()->setText(qs(text)); }

void MainWindow::announce(Panel where, std::string_view text) {
  // The panels say it in their status lines. The main window has no such
  // line, and this Qt has no announcement of its own: a round's end is read
  // from the round counter where the reader goes.
  if (where == Panel::History && history_) history_->announce(qs(text));
  if (where == Panel::Lab && lab_) lab_->announce(qs(text));
}

void MainWindow::raise(Panel panel) {
  switch (panel) {
    case Panel::Game:
      // Without a window manager nothing else would give it the keyboard.
      QMainWindow::raise();
      activateWindow();
      break;
    case Panel::History:
      if (history_) history_->takeKeyboard();
      break;
    case Panel::Lab:
      if (lab_) lab_->takeKeyboard();
      break;
  }
}

}  // namespace ovali
