#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

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

// The parts of the window that an arrangement places as wholes.
enum class Area { Board, Inputs, Ladder, Links, Controls, Counter };
inline constexpr std::size_t kAreaCount = 6;

// The window's design size in twips: 585 x 462 pixels at 96 dpi.
inline constexpr double kDesignWidth = 8775;
inline constexpr double kDesignHeight = 6930;

// A box in twips.
struct TwipsBox {
  double left = 0, top = 0, width = 0, height = 0;
};

// Where an arrangement puts one area: the twips of `from` are stretched onto
// `to`, and its captions are drawn `fontScale` times their size there.
struct Placement {
  TwipsBox from;
  TwipsBox to;
  double fontScale = 1;
};

// A picture of the window's controls, `width` by `height` twips, each area
// where its placement puts it.
struct Arrangement {
  double width = 0, height = 0;
  std::array<Placement, kAreaCount> areas{};
  // The narrowest client area it is for, as its width over its height.
  double narrowest = 0;
};

// Maps the window's twips onto the pixels of the client area. The design is
// 15 twips to the pixel (96 dpi); a larger or smaller client area scales the
// whole picture uniformly, keeping its aspect ratio, centred on the white.
// With an arrangement each area is first moved and stretched to its place in
// it; the picture is never drawn smaller than `smallestScale`, and where it
// is then larger than the client area it starts at the top left.
//
// A picture that must scroll anyway (the page zoomed in, so that the whole
// no longer fits at its smallest) scrolls down only: it grows to span the
// width, so that zoom enlarges it, but to no more than two client areas'
// height, so that a short, wide window does not get a giant.
class Projection {
 public:
  static constexpr double kTwipsPerPixel = 15.0;
  static constexpr double kPixelsPerPoint = 96.0 / 72.0;
  // How many client areas' height a picture that scrolls may grow to.
  static constexpr double kMostScreens = 2.0;

  Projection() = default;
  Projection(double designWidthTwips, double designHeightTwips, double clientWidth,
             double clientHeight)
      : Projection(whole(designWidthTwips, designHeightTwips), clientWidth, clientHeight, 0) {}

  Projection(const Arrangement& arrangement, double clientWidth, double clientHeight,
             double smallestScale) {
    const double w = arrangement.width / kTwipsPerPixel;
    const double h = arrangement.height / kTwipsPerPixel;
    double originX = 0, originY = 0;
    if (w > 0 && h > 0 && clientWidth > 0 && clientHeight > 0) {
      scale_ = std::min(clientWidth / w, clientHeight / h);
      if (scale_ < smallestScale) {
        scale_ =
            std::max(smallestScale, std::min(clientWidth / w, kMostScreens * clientHeight / h));
      }
      originX = std::max(0.0, (clientWidth - w * scale_) / 2);
      originY = std::max(0.0, (clientHeight - h * scale_) / 2);
    }
    width_ = w * scale_;
    height_ = h * scale_;
    for (std::size_t i = 0; i < kAreaCount; ++i) {
      const Placement& p = arrangement.areas[i];
      Map& m = maps_[i];
      m.scaleX = p.from.width > 0 ? p.to.width / p.from.width * scale_ : scale_;
      m.scaleY = p.from.height > 0 ? p.to.height / p.from.height * scale_ : scale_;
      m.x = originX + p.to.left / kTwipsPerPixel * scale_ - p.from.left / kTwipsPerPixel * m.scaleX;
      m.y = originY + p.to.top / kTwipsPerPixel * scale_ - p.from.top / kTwipsPerPixel * m.scaleY;
      m.font = p.fontScale * scale_;
    }
  }

  // The whole design as one area, where it is.
  static Arrangement whole(double widthTwips, double heightTwips) {
    Arrangement a{widthTwips, heightTwips, {}};
    for (Placement& p : a.areas) {
      p.from = p.to = {0, 0, widthTwips, heightTwips};
    }
    return a;
  }

  double scale() const { return scale_; }
  // The picture's size in pixels.
  double width() const { return width_; }
  double height() const { return height_; }

  PointF point(double xTwips, double yTwips) const { return point(Area::Board, xTwips, yTwips); }
  PointF point(Area area, double xTwips, double yTwips) const {
    const Map& m = map(area);
    return {m.x + xTwips / kTwipsPerPixel * m.scaleX, m.y + yTwips / kTwipsPerPixel * m.scaleY};
  }

  RectF rectF(double left, double top, double width, double height) const {
    return rectF(Area::Board, left, top, width, height);
  }
  RectF rectF(Area area, double left, double top, double width, double height) const {
    const PointF a = point(area, left, top);
    const PointF b = point(area, left + width, top + height);
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
  int fontPixels(double points) const { return fontPixels(Area::Board, points); }
  int fontPixels(Area area, double points) const {
    return std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint * map(area).font)));
  }

  friend bool operator==(const Projection&, const Projection&) = default;

 private:
  struct Map {
    double x = 0, y = 0, scaleX = 1, scaleY = 1, font = 1;
    friend bool operator==(const Map&, const Map&) = default;
  };

  const Map& map(Area area) const { return maps_[static_cast<std::size_t>(area)]; }

  double scale_ = 1;
  double width_ = 0;
  double height_ = 0;
  std::array<Map, kAreaCount> maps_{};
};

}  // namespace ovali
