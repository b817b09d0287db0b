#pragma once

#include <QWidget>

#include "view/drawing.h"

namespace ovali {

// Draws the game's charts as vectors at the screen's pixel density. A screen
// reader meets them as one image with the drawing's name and description.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(QWidget* parent, Drawing drawing);

  void setDrawing(Drawing drawing);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Drawing drawing_;
};

}  // namespace ovali
