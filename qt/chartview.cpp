#include "qt/chartview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
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

void drawMarker(QPainter& p, const Chart& c, QPointF centre, const Color& fill,
                Marker shape = Marker::Disc) {
  if (shape == Marker::None) return;
  p.setPen(QPen(colorOf(c.background), px(c.gridWidth)));
  p.setBrush(colorOf(fill));
  const qreal r = px(c.markerRadius);
  if (shape == Marker::Square) {
    p.drawRect(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
  } else {
    p.drawEllipse(centre, r, r);
  }
}

QPen seriesPen(const ChartSeries& s) {
  QPen pen(colorOf(s.color), px(s.width));
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(s.stroke == Stroke::Dashed ? Qt::FlatCap : Qt::RoundCap);
  if (s.stroke == Stroke::Dashed) pen.setDashPattern({4, 3});
  return pen;
}

void drawSeries(QPainter& p, const Chart& c) {
  for (const ChartSeries& s : c.series) {
    if (s.points.empty()) continue;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(s.points.size()));
    for (const ChartPoint& point : s.points) line << QPointF(px(point.x), px(point.y));
    p.setPen(seriesPen(s));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
    for (const ChartPoint& mark : s.marks) {
      drawMarker(p, c, QPointF(px(mark.x), px(mark.y)), s.color, s.marker);
    }
  }
  const QRectF plot = pixels(c.plot);
  const QPen ink(colorOf(c.ink), px(c.gridWidth));
  for (const ChartStep& t : c.xTicks) {
    p.setPen(ink);
    p.drawLine(QPointF(px(t.x), plot.bottom()), QPointF(px(t.x), plot.bottom() + 4));
    drawText(p, t.label);
  }
  if (!c.xTitle.text.empty()) drawText(p, c.xTitle);
  for (const ChartSeries& s : c.series) {
    if (s.legend.text.text.empty()) continue;
    const QRectF key = pixels(s.legend.key);
    p.setPen(seriesPen(s));
    p.drawLine(QPointF(key.left(), key.center().y()), QPointF(key.right(), key.center().y()));
    drawMarker(p, c, key.center(), s.color, s.marker);
    p.setPen(ink);
    drawText(p, s.legend.text);
  }
}

// Without this a screen reader would meet a bare client area.
QAccessibleInterface* chartAccessible(const QString& key, QObject* object) {
  if (key == QLatin1String("ovali::ChartView") && object && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  }
  return nullptr;
}

void paintChart(QPainter& p, const Chart& c) {
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
    for (const ChartPoint& point : c.line) {
      drawMarker(p, c, QPointF(px(point.x), px(point.y)), c.lineColor);
    }
  }

  p.setPen(ink);
  drawText(p, c.axisTitle);
  if (!c.barLegend.text.text.empty()) {
    p.fillRect(pixels(c.barLegend.key), colorOf(c.barColor));
    drawText(p, c.barLegend.text);
  }
  if (!c.lineLegend.text.text.empty()) {
    const QRectF lineKey = pixels(c.lineLegend.key);
    p.setPen(QPen(colorOf(c.lineColor), px(c.lineWidth), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(lineKey.left(), lineKey.center().y()),
               QPointF(lineKey.right(), lineKey.center().y()));
    drawMarker(p, c, lineKey.center(), c.lineColor);
    p.setPen(ink);
    drawText(p, c.lineLegend.text);
  }
  drawSeries(p, c);
}

}  // namespace

ChartView::ChartView(QWidget* parent, Chart chart)
    : ChartView(parent, std::vector<Chart>{std::move(chart)}) {}

ChartView::ChartView(QWidget* parent, std::vector<Chart> charts) : QWidget(parent) {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(chartAccessible), true);
  setObjectName(QStringLiteral("chart"));
  setCharts(std::move(charts));
}

void ChartView::setCharts(std::vector<Chart> charts) {
  if (charts.empty()) charts.emplace_back();
  charts_ = std::move(charts);
  const Chart& first = charts_.front();
  const QString name = QString::fromStdString(first.name);
  if (accessibleName() != name) setAccessibleName(name);
  const QString description = QString::fromStdString(first.description);
  if (accessibleDescription() != description) setAccessibleDescription(description);
  float width = 0;
  float height = 0;
  for (const Chart& c : charts_) {
    width = std::max(width, c.width);
    height += c.height;
  }
  setFixedSize(static_cast<int>(std::ceil(px(width))), static_cast<int>(std::ceil(px(height))));
  update();
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  for (const Chart& c : charts_) {
    paintChart(p, c);
    p.translate(0, px(c.height));
  }
}

}  // namespace ovali
