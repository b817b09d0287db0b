#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "view/drawing.h"
#include "view/labpanel.h"
#include "view/panels.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace ovali {

class ChartView;
class StatusLine;

// The Explorations lab on the desktop: a resizable tool window beside the
// main window that shows what the presenter sends and reports what the user
// does with it.
class LabWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LabWindow(QWidget* mainWindow);

  void show(const LabView& view);
  void draw(Drawing picture);
  void announce(const QString& text);
  // Shows the window beside the main window, on the screen.
  void open();
  // Activates the window, with the keyboard in its chooser (in Run while
  // the chooser holds still).
  void takeKeyboard();

  ChartView* chart() const { return chart_; }

 signals:
  void chosen(int experiment);
  void versusEdited(const QString& text);
  void runClicked();
  void copyClicked();
  void closed();
  void panelKey(PanelKey key);
  // While the lab runs: time to collect its games.
  void tick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* chooser_ = nullptr;
  QLabel* versusLabel_ = nullptr;
  QLineEdit* versus_ = nullptr;
  QLabel* versusError_ = nullptr;
  QPushButton* run_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* progress_ = nullptr;
  QLabel* plan_ = nullptr;
  QLabel* notes_ = nullptr;
  ChartView* chart_ = nullptr;
  QLabel* sentence_ = nullptr;
  QPushButton* copy_ = nullptr;
  StatusLine* status_ = nullptr;
  QTimer ticks_;
  bool filled_ = false;
  bool applying_ = false;  // showing the model's choice, not the user's
};

// Moves a tool window beside the main window: on its right, else on its
// left, else over its right edge, always on the screen and no larger than
// the screen's free area; one that can be narrowed is, to fit a free side.
void placeBeside(QWidget* window, QWidget* mainWindow);

// A tool window's keys that act on it as a whole: Escape and F6, wherever
// its focus is, reported to `key`.
void bindPanelKeys(QWidget* window, const std::function<void(PanelKey)>& key);

// Activates a tool window with the keyboard on `control`, its focus frame
// shown as the keyboard brought it; without a window manager nothing else
// would give it the keyboard.
void takeKeyboard(QWidget* window, QWidget* control);

}  // namespace ovali
