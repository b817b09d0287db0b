#include "view/drawing.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "toolkit/text.h"
#include "view/look.h"

namespace ovali {

namespace {

double px(double twips) { return twips / Projection::kTwipsPerPixel; }

class Painter {
 public:
  Painter(std::vector<Shape>& shapes, const Chart& c, double top)
      : shapes_(shapes), c_(c), top_(top) {}

  void box(const Rect& r, const Color& fill) {
    Shape& s = add(Shape::Kind::Box, fill);
    s.box = {px(r.left), top_ + px(r.top), px(r.width), px(r.height)};
  }

  void path(std::vector<ChartPoint> twips, const Color& color, float width, Cap cap,
            Stroke stroke = Stroke::Solid) {
    Shape& s = add(Shape::Kind::Path, color);
    s.points.reserve(twips.size());
    for (const ChartPoint& p : twips) s.points.push_back({px(p.x), top_ + px(p.y)});
    s.lineWidth = px(width);
    s.cap = cap;
    s.stroke = stroke;
  }

  void marker(double x, double y, const Color& fill, Marker shape = Marker::Disc) {
    if (shape == Marker::None) return;
    Shape& s = add(shape == Marker::Square ? Shape::Kind::Square : Shape::Kind::Disc, fill);
    const double r = px(c_.markerRadius);
    s.box = {px(x) - r, top_ + px(y) - r, 2 * r, 2 * r};
    s.rim = c_.background;
    s.lineWidth = px(c_.gridWidth);
  }

  void text(const ChartText& t) {
    Shape& s = add(Shape::Kind::Text, c_.ink);
    s.box = {px(t.left), top_ + px(t.top), px(t.width), px(t.height)};
    s.text = t.text;
    s.alignment = t.alignment;
  }

  // A legend's key: a short line through the key's middle, with the marker
  // at its centre.
  void key(const Rect& k, const Color& color, float width, Cap cap, Stroke stroke, Marker shape) {
    const float middle = k.top + k.height / 2;
    path({{0, k.left, middle}, {0, k.left + k.width, middle}}, color, width, cap, stroke);
    marker(k.left + k.width / 2, middle, color, shape);
  }

  void chart() {
    box(Rect{0, 0, c_.width, c_.height}, c_.background);
    const Rect& plot = c_.plot;
    const float right = plot.left + plot.width;
    const float base = plot.top + plot.height;
    for (const ChartTick& t : c_.ticks) {
      rule(plot.left, t.y, right, t.y, c_.grid);
      text(t.label);
    }
    for (const ChartBar& b : c_.bars) {
      box(b.box, c_.barColor);
      text(b.label);
    }
    rule(plot.left, base, right, base, c_.ink);
    if (!c_.line.empty()) {
      path(c_.line, c_.lineColor, c_.lineWidth, Cap::Round);
      for (const ChartPoint& p : c_.line) marker(p.x, p.y, c_.lineColor);
    }
    text(c_.axisTitle);
    if (!c_.barLegend.text.text.empty()) {
      box(c_.barLegend.key, c_.barColor);
      text(c_.barLegend.text);
    }
    if (!c_.lineLegend.text.text.empty()) {
      key(c_.lineLegend.key, c_.lineColor, c_.lineWidth, Cap::Round, Stroke::Solid, Marker::Disc);
      text(c_.lineLegend.text);
    }
    for (const ChartSeries& s : c_.series) {
      // A series of marks alone has no points to join.
      if (!s.points.empty()) path(s.points, s.color, s.width, capOf(s), s.stroke);
      for (const ChartPoint& m : s.marks) marker(m.x, m.y, s.color, s.marker);
    }
    // Four pixels down from the baseline.
    for (const ChartStep& t : c_.xTicks) {
      rule(t.x, base, t.x, base + static_cast<float>(4 * Projection::kTwipsPerPixel), c_.ink);
      text(t.label);
    }
    if (!c_.xTitle.text.empty()) text(c_.xTitle);
    for (const ChartSeries& s : c_.series) {
      if (s.legend.text.text.empty()) continue;
      key(s.legend.key, s.color, s.width, capOf(s), s.stroke, s.marker);
      text(s.legend.text);
    }
  }

 private:
  // A dash ends where it ends.
  static Cap capOf(const ChartSeries& s) {
    return s.stroke == Stroke::Dashed ? Cap::Flat : Cap::Round;
  }

  // Grid lines and ticks, `gridWidth` wide.
  void rule(float x1, float y1, float x2, float y2, const Color& color) {
    path({{0, x1, y1}, {0, x2, y2}}, color, c_.gridWidth, Cap::Square);
  }

  Shape& add(Shape::Kind kind, const Color& color) {
    Shape& s = shapes_.emplace_back();
    s.kind = kind;
    s.color = color;
    return s;
  }

  std::vector<Shape>& shapes_;
  const Chart& c_;
  double top_;
};

std::string escaped(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

std::string num(double pixels) { return fixedDecimal(pixels, 2); }

const char* linecap(Cap cap) {
  switch (cap) {
    case Cap::Flat:
      return "butt";
    case Cap::Square:
      return "square";
    case Cap::Round:
      break;
  }
  return "round";
}

std::string svgShape(const Shape& s) {
  const RectF& b = s.box;
  // Only the attributes the shape's kind has are written.
  const auto rect = [&b] {
    return "x=\"" + num(b.x) + "\" y=\"" + num(b.y) + "\" width=\"" + num(b.width) +
           "\" height=\"" + num(b.height) + "\"";
  };
  const auto fill = [&s] { return " fill=\"" + hexColor(s.color) + "\""; };
  const auto rim = [&s] {
    return " stroke=\"" + hexColor(s.rim) + "\" stroke-width=\"" + num(s.lineWidth) + "\"/>";
  };
  switch (s.kind) {
    case Shape::Kind::Box:
      return "<rect " + rect() + fill() + "/>";
    case Shape::Kind::Square:
      return "<rect " + rect() + fill() + rim();
    case Shape::Kind::Disc:
      return "<circle cx=\"" + num(b.x + b.width / 2) + "\" cy=\"" + num(b.y + b.height / 2) +
             "\" r=\"" + num(b.width / 2) + "\"" + fill() + rim();
    case Shape::Kind::Path: {
      std::string svg = "<polyline points=\"";
      for (const PointF& p : s.points) svg += num(p.x) + "," + num(p.y) + " ";
      svg += "\" fill=\"none\" stroke=\"" + hexColor(s.color) + "\" stroke-width=\"" +
             num(s.lineWidth) + "\" stroke-linejoin=\"round\" stroke-linecap=\"" + linecap(s.cap) +
             "\"";
      if (s.stroke == Stroke::Dashed) {
        svg += " stroke-dasharray=\"" + num(4 * s.lineWidth) + " " + num(3 * s.lineWidth) + "\"";
      }
      return svg + "/>";
    }
    case Shape::Kind::Text:
      break;
  }
  double x = b.x + b.width / 2;
  const char* anchor = "middle";
  if (s.alignment == Alignment::Left) {
    x = b.x;
    anchor = "start";
  } else if (s.alignment == Alignment::Right) {
    x = b.x + b.width;
    anchor = "end";
  }
  return "<text x=\"" + num(x) + "\" y=\"" + num(b.y + b.height / 2) + "\" text-anchor=\"" +
         anchor + "\" dominant-baseline=\"central\"" + fill() + ">" + escaped(s.text) + "</text>";
}

}  // namespace

Drawing drawingOf(const std::vector<Chart>& charts) {
  Drawing d;
  if (charts.empty()) return d;
  d.name = charts.front().name;
  d.description = charts.front().description;
  for (const Chart& c : charts) {
    Painter(d.shapes, c, d.height).chart();
    d.width = std::max(d.width, px(c.width));
    d.height += px(c.height);
  }
  return d;
}

std::string svgOf(const Drawing& d, double scale) {
  if (d.shapes.empty()) return {};
  std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" role=\"img\" width=\"" +
      fixedDecimal(std::ceil(d.width * scale), 0) + "\" height=\"" +
      fixedDecimal(std::ceil(d.height * scale), 0) + "\" viewBox=\"0 0 " + num(d.width) + " " +
      num(d.height) + "\" aria-label=\"" + escaped(d.name) + "\"";
  if (!d.description.empty()) svg += " aria-description=\"" + escaped(d.description) + "\"";
  svg += " font-size=\"" + std::to_string(kDrawingTextPixels) + "\">";
  for (const Shape& s : d.shapes) svg += svgShape(s);
  return svg + "</svg>";
}

}  // namespace ovali
