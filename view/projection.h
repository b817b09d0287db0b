#pragma once

#include <algorithm>
#include <cmath>

namespace ovali {

struct PointF {
  double x = 0, y = 0;
};

// A box in device-independent pixels.
struct RectF {
  double x = 0, y = 0, width = 0, height = 0;
};

// A box in whole pixels.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Maps the window's twips onto the pixels of the client area. The design is
// 15 twips to the pixel (96 dpi); a larger or smaller client area scales the
// whole picture uniformly, keeping its aspect ratio, centred on the white.
class Projection {
 public:
  static constexpr double kTwipsPerPixel = 15.0;
  static constexpr double kPixelsPerPoint = 96.0 / 72.0;

  Projection() = default;
  Projection(double designWidthTwips, double designHeightTwips, double clientWidth,
             double clientHeight) {
    const double w = designWidthTwips / kTwipsPerPixel;
    const double h = designHeightTwips / kTwipsPerPixel;
    if (w > 0 && h > 0 && clientWidth > 0 && clientHeight > 0) {
      scale_ = std::min(clientWidth / w, clientHeight / h);
      originX_ = (clientWidth - w * scale_) / 2;
      originY_ = (clientHeight - h * scale_) / 2;
    }
  }

  double scale() const { return scale_; }

  PointF point(double xTwips, double yTwips) const {
    return {originX_ + xTwips / kTwipsPerPixel * scale_,
            originY_ + yTwips / kTwipsPerPixel * scale_};
  }

  RectF rectF(double left, double top, double width, double height) const {
    const PointF a = point(left, top);
    const PointF b = point(left + width, top + height);
    return {a.x, a.y, b.x - a.x, b.y - a.y};
  }

  // Whole pixels: each edge is rounded on its own, so neighbouring controls
  // keep their common edges at every scale.
  PixelRect rect(double left, double top, double width, double height) const {
    const PointF a = point(left, top);
    const PointF b = point(left + width, top + height);
    const int x = static_cast<int>(std::lround(a.x));
    const int y = static_cast<int>(std::lround(a.y));
    return {x, y, static_cast<int>(std::lround(b.x)) - x, static_cast<int>(std::lround(b.y)) - y};
  }

  // Pixel size of a font given in points, at 96 dpi whatever the screen
  // claims, so that the picture is the same on every desktop.
  int fontPixels(double points) const {
    return std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint * scale_)));
  }

  friend bool operator==(const Projection&, const Projection&) = default;

 private:
  double scale_ = 1;
  double originX_ = 0;
  double originY_ = 0;
};

}  // namespace ovali
