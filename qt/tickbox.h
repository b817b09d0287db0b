#pragma once

#include <QCheckBox>

namespace ovali {

// The "fast" box, drawn by itself so that its tick square grows with its
// font as the window scales; a style draws the square at one fixed size.
class TickBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit TickBox(QWidget* parent) : QCheckBox(parent) {}

  // The square, in the widget's pixels.
  QRectF square() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};

}  // namespace ovali
