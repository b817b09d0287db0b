#include "qt/chartview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <utility>

namespace ovali {

namespace {

QColor colorOf(const Color& c) { return QColor(c.r, c.g, c.b); }

QRectF rectOf(const RectF& r) { return {r.x, r.y, r.width, r.height}; }

Qt::Alignment alignmentOf(Alignment a) {
  switch (a) {
    case Alignment::Left:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center:
      break;
  }
  return Qt::AlignCenter;
}

Qt::PenCapStyle capOf(Cap cap) {
  switch (cap) {
    case Cap::Flat:
      return Qt::FlatCap;
    case Cap::Square:
      return Qt::SquareCap;
    case Cap::Round:
      break;
  }
  return Qt::RoundCap;
}

void paint(QPainter& p, const Shape& s) {
  switch (s.kind) {
    case Shape::Kind::Box:
      p.fillRect(rectOf(s.box), colorOf(s.color));
      return;
    case Shape::Kind::Disc:
    case Shape::Kind::Square:
      p.setPen(QPen(colorOf(s.rim), s.lineWidth));
      p.setBrush(colorOf(s.color));
      if (s.kind == Shape::Kind::Disc) {
        p.drawEllipse(rectOf(s.box));
      } else {
        p.drawRect(rectOf(s.box));
      }
      return;
    case Shape::Kind::Path: {
      QPen pen(colorOf(s.color), s.lineWidth);
      pen.setJoinStyle(Qt::RoundJoin);
      pen.setCapStyle(capOf(s.cap));
      if (s.stroke == Stroke::Dashed) pen.setDashPattern({4, 3});
      QPolygonF line;
      line.reserve(static_cast<qsizetype>(s.points.size()));
      for (const PointF& point : s.points) line << QPointF(point.x, point.y);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(line);
      return;
    }
    case Shape::Kind::Text:
      p.setPen(colorOf(s.color));
      p.drawText(rectOf(s.box), static_cast<int>(alignmentOf(s.alignment)) | Qt::TextDontClip,
                 QString::fromStdString(s.text));
      return;
  }
}

// Without this a screen reader would meet a bare client area.
QAccessibleInterface* chartAccessible(const QString& key, QObject* object) {
  if (key == QLatin1String("ovali::ChartView") && object && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  }
  return nullptr;
}

}  // namespace

ChartView::ChartView(QWidget* parent, Drawing drawing) : QWidget(parent) {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(chartAccessible), true);
  setObjectName(QStringLiteral("chart"));
  setDrawing(std::move(drawing));
}

void ChartView::setDrawing(Drawing drawing) {
  drawing_ = std::move(drawing);
  const QString name = QString::fromStdString(drawing_.name);
  if (accessibleName() != name) setAccessibleName(name);
  const QString description = QString::fromStdString(drawing_.description);
  if (accessibleDescription() != description) setAccessibleDescription(description);
  if (!scaled_) {
    setFixedSize(static_cast<int>(std::ceil(drawing_.width)),
                 static_cast<int>(std::ceil(drawing_.height)));
  }
  updateGeometry();
  update();
}

void ChartView::setScaled(bool scaled) {
  scaled_ = scaled;
  if (scaled) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }
  setDrawing(std::move(drawing_));
}

QSize ChartView::sizeHint() const {
  return {static_cast<int>(std::ceil(drawing_.width)),
          static_cast<int>(std::ceil(drawing_.height))};
}

int ChartView::heightForWidth(int width) const {
  if (drawing_.width <= 0) return 0;
  return static_cast<int>(std::ceil(width * drawing_.height / drawing_.width));
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (scaled_ && drawing_.width > 0 && drawing_.height > 0) {
    const double scale = std::min(width() / drawing_.width, height() / drawing_.height);
    p.translate((width() - scale * drawing_.width) / 2, (height() - scale * drawing_.height) / 2);
    p.scale(scale, scale);
  }
  QFont text = font();
  text.setPixelSize(kDrawingTextPixels);
  p.setFont(text);
  for (const Shape& s : drawing_.shapes) paint(p, s);
}

}  // namespace ovali
