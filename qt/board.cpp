#include "qt/board.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "view/changes.h"
#include "view/look.h"

namespace ovali {

namespace {

const QColor kRungColor(64, 64, 64);
const QColor kMarkerOutline(Qt::white);

template <class Shape>
bool shownAlike(const Shape& a, const Shape& b) {
  return !compare(a, b).any();
}

// The marker discs, drawn over the labels: a count that has grown to two or
// three digits would otherwise hide the marker that stands beside it.
class MarkerLayer : public QWidget {
 public:
  explicit MarkerLayer(Board* board) : QWidget(board), board_(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    board_->paintMarkers(painter, event->rect());
  }

 private:
  Board* board_;
};

}  // namespace

Board::Board(double designWidthTwips, double designHeightTwips, QWidget* parent)
    : QWidget(parent), designWidth_(designWidthTwips), designHeight_(designHeightTwips) {
  setObjectName(QStringLiteral("Form1"));
  setAccessibleName(QStringLiteral("Board"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  markers_ = new MarkerLayer(this);
}

void Board::raiseMarkers() { markers_->raise(); }

QSize Board::sizeHint() const {
  return {static_cast<int>(std::lround(designWidth_ / Projection::kTwipsPerPixel)),
          static_cast<int>(std::lround(designHeight_ / Projection::kTwipsPerPixel))};
}

void Board::setShapes(const std::vector<Circle>& circles, const std::vector<Line>& lines) {
  const bool same =
      circles.size() == circles_.size() && lines.size() == lines_.size() &&
      std::equal(circles.begin(), circles.end(), circles_.begin(), shownAlike<Circle>) &&
      std::equal(lines.begin(), lines.end(), lines_.begin(), shownAlike<Line>);
  if (same) return;
  if (lines.size() != lines_.size() ||
      !std::equal(lines.begin(), lines.end(), lines_.begin(), shownAlike<Line>)) {
    update();
  }
  circles_ = circles;
  lines_ = lines;
  markers_->update();
}

void Board::setBackground(const QColor& color) {
  if (color == background_) return;
  background_ = color;
  update();
}

void Board::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  markers_->setGeometry(rect());
  const Projection next(designWidth_, designHeight_, width(), height());
  if (next == projection_) return;
  projection_ = next;
  update();
  emit projectionChanged();
}

void Board::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // A fast run repaints the changed captions only: keep the work to them.
  const QRect dirty = event->rect();
  painter.fillRect(dirty, background_);
  painter.setRenderHint(QPainter::Antialiasing);

  QPen rung(kRungColor);
  rung.setWidthF(std::max(1.0, projection_.scale()));
  rung.setCapStyle(Qt::FlatCap);
  painter.setPen(rung);
  for (const Line& line : lines_) {
    if (!line.visible) continue;
    const QPointF a = toQt(projection_.point(line.x1, line.y1));
    const QPointF b = toQt(projection_.point(line.x2, line.y2));
    const double pad = rung.widthF() + 1;
    if (!QRectF(a, b).normalized().adjusted(-pad, -pad, pad, pad).intersects(dirty)) continue;
    painter.drawLine(a, b);
  }
}

void Board::paintMarkers(QPainter& painter, const QRect& dirty) const {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  // A light ring around each disc keeps it apart from digits of any colour
  // beneath it, its own colour included.
  const double outline = kMarkerOutlinePixels * projection_.scale();
  for (const Circle& circle : circles_) {
    if (!circle.visible) continue;
    // A circle in a box that is not square keeps the smaller side as its
    // diameter, centred in the box.
    const QRectF box =
        toQt(projection_.rectF(circle.left, circle.top, circle.width, circle.height));
    const double pad = outline + 1;
    if (!box.adjusted(-pad, -pad, pad, pad).intersects(dirty)) continue;
    const double d = std::min(box.width(), box.height());
    const QPointF centre = box.center();
    painter.setBrush(kMarkerOutline);
    const double r = d / 2 + outline;
    painter.drawEllipse(centre, r, r);
    painter.setBrush(QColor(circle.fillcolor.r, circle.fillcolor.g, circle.fillcolor.b));
    painter.drawEllipse(centre, d / 2, d / 2);
  }
}

}  // namespace ovali
