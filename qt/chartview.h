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
  // Scales the drawing to the widget's size, keeping its proportions,
  // instead of keeping the widget at the drawing's size.
  void setScaled(bool scaled);

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return scaled_; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Drawing drawing_;
  bool scaled_ = false;
};

}  // namespace ovali
