#pragma once

#include <QFont>
#include <QSize>
#include <QWidget>
#include <functional>

#include "view/drawing.h"
#include "view/panels.h"

class QLabel;
class QPushButton;

namespace ovali {

class ChartView;
class StatusLine;

// The history view on the desktop: a tool window beside the main window,
// not modal, with the two charts, their help and a Copy button.
class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  // `closed` runs when the user closes the window with its title bar,
  // `copy` when Copy is pressed, `key` for Escape and F6.
  HistoryWindow(QWidget* mainWindow, Drawing drawing, std::function<void()> closed,
                std::function<void()> copy, std::function<void(PanelKey)> key);

  void redraw(Drawing drawing);
  void setHelp(const QString& help);
  // Activates the window, with the keyboard on Copy.
  void takeKeyboard();
  // Shows a word for a moment beside Copy, and says it to screen readers.
  void announce(const QString& text);
  // Shows the window beside the main window, on the screen.
  void open();

  ChartView* chart() const { return chart_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::function<void()> closed_;
  ChartView* chart_ = nullptr;
  QPushButton* copy_ = nullptr;
  StatusLine* status_ = nullptr;
  QLabel* help_ = nullptr;
  QSize natural_, naturalWindow_;
  QFont baseFont_;
};

}  // namespace ovali
