#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "qt/projection.h"
#include "toolkit/controls.h"

namespace ovali {

// The client area: the white background with the circles and the rungs,
// painted as vectors so that they stay sharp at every scale. The controls
// are its children.
class Board : public QWidget {
  Q_OBJECT

 public:
  Board(double designWidthTwips, double designHeightTwips, QWidget* parent = nullptr);

  // What the board paints, in twips; repaints only when it differs.
  void setShapes(const std::vector<Circle>& circles, const std::vector<Line>& lines);
  void setBackground(const QColor& color);

  const Projection& projection() const { return projection_; }
  QSize sizeHint() const override;

  // Keeps the markers above every control made after them.
  void raiseMarkers();
  void paintMarkers(QPainter& painter, const QRect& dirty) const;

 signals:
  void projectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  double designWidth_;
  double designHeight_;
  Projection projection_;
  QColor background_{Qt::white};
  QWidget* markers_;
  std::vector<Circle> circles_;
  std::vector<Line> lines_;
};

}  // namespace ovali
