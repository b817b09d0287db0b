#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

#include "view/projection.h"

namespace ovali {

inline QPointF toQt(const PointF& p) { return {p.x, p.y}; }
inline QRectF toQt(const RectF& r) { return {r.x, r.y, r.width, r.height}; }
inline QRect toQt(const PixelRect& r) { return {r.x, r.y, r.width, r.height}; }

}  // namespace ovali
