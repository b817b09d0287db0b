#include "qt/tickbox.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace ovali {

namespace {

// A desktop's tick square for its 11-pixel font is 13 pixels wide.
constexpr double kSquarePerFontPixel = 13.0 / 11.0;
constexpr double kGapPerFontPixel = 4.0 / 11.0;

}  // namespace

QRectF TickBox::square() const {
  const double side =
      std::min<double>(height(), std::max(1, font().pixelSize()) * kSquarePerFontPixel);
  return {0.5, (height() - side) / 2, side - 1, side - 1};
}

void TickBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
  const QColor ink = palette().color(group, QPalette::WindowText);
  const QRectF box = square();
  const double line = std::max(1.0, box.width() / 13);

  QPen frame(palette().color(group, QPalette::Dark).darker(120));
  frame.setWidthF(line);
  painter.setPen(frame);
  painter.setBrush(isDown() ? palette().color(group, QPalette::Button)
                            : palette().color(group, QPalette::Base));
  painter.drawRect(box.adjusted(line / 2, line / 2, -line / 2, -line / 2));

  if (isChecked()) {
    QPen tick(ink);
    tick.setWidthF(2 * line);
    tick.setCapStyle(Qt::RoundCap);
    tick.setJoinStyle(Qt::RoundJoin);
    painter.setPen(tick);
    const double s = box.width();
    QPainterPath path(box.topLeft() + QPointF(0.22 * s, 0.52 * s));
    path.lineTo(box.topLeft() + QPointF(0.42 * s, 0.72 * s));
    path.lineTo(box.topLeft() + QPointF(0.78 * s, 0.28 * s));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }

  const double left = box.right() + font().pixelSize() * kGapPerFontPixel;
  const QRectF textArea(left, 0, width() - left, height());
  painter.setPen(ink);
  painter.setFont(font());
  const QRectF drawn = painter.boundingRect(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
  painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = drawn.toAlignedRect().adjusted(-1, 0, 1, 0) & rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

bool TickBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace ovali
