#include "qt/chartview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <utility>

#include "qt/projection.h"

namespace ovali {

namespace {

qreal px(float twips) { return static_cast<qreal>(twips) / Projection::kTwipsPerPixel; }

QRectF pixels(const Rect& r) { return {px(r.left), px(r.top), px(r.width), px(r.height)}; }

QColor colorOf(const Color& c) { return QColor(c.r, c.g, c.b); }

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

void drawText(QPainter& p, const ChartText& t) {
  p.drawText(pixels(t), static_cast<int>(alignmentOf(t.alignment)) | Qt::TextDontClip,
             QString::fromStdString(t.text));
}

void drawMarker(QPainter& p, const Chart& c, QPointF centre) {
  p.setPen(QPen(colorOf(c.background), px(c.gridWidth)));
  p.setBrush(colorOf(c.lineColor));
  p.drawEllipse(centre, px(c.markerRadius), px(c.markerRadius));
}

// Without this a screen reader would meet a bare client area.
QAccessibleInterface* chartAccessible(const QString& key, QObject* object) {
  if (key == QLatin1String("ovali::ChartView") && object && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  }
  return nullptr;
}

}  // namespace

ChartView::ChartView(QWidget* parent, Chart chart) : QWidget(parent), chart_(std::move(chart)) {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(chartAccessible), true);
  setObjectName(QStringLiteral("chart"));
  setAccessibleName(QString::fromStdString(chart_.name));
  setFixedSize(static_cast<int>(std::ceil(px(chart_.width))),
               static_cast<int>(std::ceil(px(chart_.height))));
}

void ChartView::paintEvent(QPaintEvent*) {
  const Chart& c = chart_;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(0, 0, px(c.width), px(c.height)), colorOf(c.background));

  const QRectF plot = pixels(c.plot);
  const QPen ink(colorOf(c.ink), px(c.gridWidth));
  for (const ChartTick& t : c.ticks) {
    p.setPen(QPen(colorOf(c.grid), px(c.gridWidth)));
    p.drawLine(QPointF(plot.left(), px(t.y)), QPointF(plot.right(), px(t.y)));
    p.setPen(ink);
    drawText(p, t.label);
  }

  for (const ChartBar& b : c.bars) {
    p.fillRect(pixels(b.box), colorOf(c.barColor));
    p.setPen(ink);
    drawText(p, b.label);
  }
  p.setPen(ink);
  p.drawLine(plot.bottomLeft(), plot.bottomRight());

  if (!c.line.empty()) {
    QPainterPath path(QPointF(px(c.line.front().x), px(c.line.front().y)));
    for (const ChartPoint& point : c.line) path.lineTo(px(point.x), px(point.y));
    QPen line(colorOf(c.lineColor), px(c.lineWidth));
    line.setJoinStyle(Qt::RoundJoin);
    line.setCapStyle(Qt::RoundCap);
    p.strokePath(path, line);
    for (const ChartPoint& point : c.line) drawMarker(p, c, QPointF(px(point.x), px(point.y)));
  }

  p.setPen(ink);
  drawText(p, c.axisTitle);
  p.fillRect(pixels(c.barLegend.key), colorOf(c.barColor));
  const QRectF lineKey = pixels(c.lineLegend.key);
  p.setPen(QPen(colorOf(c.lineColor), px(c.lineWidth), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(lineKey.left(), lineKey.center().y()),
             QPointF(lineKey.right(), lineKey.center().y()));
  drawMarker(p, c, lineKey.center());
  p.setPen(ink);
  drawText(p, c.barLegend.text);
  drawText(p, c.lineLegend.text);
}

}  // namespace ovali
