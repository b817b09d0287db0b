#include "web/chartsvg.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "toolkit/text.h"
#include "view/look.h"
#include "view/projection.h"

namespace ovali {

namespace {

// Twips to the SVG's own units, the pixels of the chart at 96 dpi.
std::string px(double twips) { return fixedDecimal(twips / Projection::kTwipsPerPixel, 2); }

std::string rgb(const Color& c) { return hexColor(c); }

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

std::string rect(const Rect& r, const Color& fill) {
  return "<rect x=\"" + px(r.left) + "\" y=\"" + px(r.top) + "\" width=\"" + px(r.width) +
         "\" height=\"" + px(r.height) + "\" fill=\"" + rgb(fill) + "\"/>";
}

std::string line(double x1, double y1, double x2, double y2, const Color& stroke, float width) {
  return "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" + px(y2) +
         "\" stroke=\"" + rgb(stroke) + "\" stroke-width=\"" + px(width) +
         "\" stroke-linecap=\"round\"/>";
}

std::string text(const ChartText& t) {
  double x = t.left + t.width / 2;
  const char* anchor = "middle";
  if (t.alignment == Alignment::Left) {
    x = t.left;
    anchor = "start";
  } else if (t.alignment == Alignment::Right) {
    x = t.left + t.width;
    anchor = "end";
  }
  return "<text x=\"" + px(x) + "\" y=\"" + px(t.top + t.height / 2) + "\" text-anchor=\"" +
         anchor + "\" dominant-baseline=\"central\">" + escaped(t.text) + "</text>";
}

std::string marker(const Chart& c, double x, double y, const Color& fill,
                   Marker shape = Marker::Disc) {
  const std::string rim = "\" fill=\"" + rgb(fill) + "\" stroke=\"" + rgb(c.background) +
                          "\" stroke-width=\"" + px(c.gridWidth) + "\"/>";
  switch (shape) {
    case Marker::None:
      return {};
    case Marker::Square:
      return "<rect x=\"" + px(x - c.markerRadius) + "\" y=\"" + px(y - c.markerRadius) +
             "\" width=\"" + px(2 * c.markerRadius) + "\" height=\"" + px(2 * c.markerRadius) + rim;
    case Marker::Disc:
      break;
  }
  return "<circle cx=\"" + px(x) + "\" cy=\"" + px(y) + "\" r=\"" + px(c.markerRadius) + rim;
}

std::string strokeOf(const ChartSeries& s) {
  std::string a = "\" fill=\"none\" stroke=\"" + rgb(s.color) + "\" stroke-width=\"" + px(s.width) +
                  "\" stroke-linejoin=\"round\"";
  const double w = s.width / Projection::kTwipsPerPixel;
  if (s.stroke == Stroke::Dashed) {
    a += " stroke-dasharray=\"" + fixedDecimal(4 * w, 2) + " " + fixedDecimal(3 * w, 2) + "\"";
  } else {
    a += " stroke-linecap=\"round\"";
  }
  return a;
}

std::string series(const Chart& c) {
  std::string svg;
  for (const ChartSeries& s : c.series) {
    if (s.points.empty()) continue;
    std::string points;
    for (const ChartPoint& p : s.points) points += px(p.x) + "," + px(p.y) + " ";
    svg += "<polyline points=\"" + points + strokeOf(s) + "/>";
    for (const ChartPoint& m : s.marks) svg += marker(c, m.x, m.y, s.color, s.marker);
  }
  const double base = c.plot.top + c.plot.height;
  for (const ChartStep& t : c.xTicks) {
    svg += line(t.x, base, t.x, base + 60, c.ink, c.gridWidth);
    svg += text(t.label);
  }
  if (!c.xTitle.text.empty()) svg += text(c.xTitle);
  for (const ChartSeries& s : c.series) {
    if (s.legend.text.text.empty()) continue;
    const Rect& key = s.legend.key;
    const double middle = key.top + key.height / 2;
    svg += "<line x1=\"" + px(key.left) + "\" y1=\"" + px(middle) + "\" x2=\"" +
           px(key.left + key.width) + "\" y2=\"" + px(middle) + strokeOf(s) + "/>";
    svg += marker(c, key.left + key.width / 2, middle, s.color, s.marker);
    svg += text(s.legend.text);
  }
  return svg;
}

// The chart's own drawing, in its pixels at 96 dpi from its top-left corner.
std::string body(const Chart& c) {
  std::string svg = rect(Rect{0, 0, c.width, c.height}, c.background);
  const Rect& plot = c.plot;
  for (const ChartTick& t : c.ticks) {
    svg += line(plot.left, t.y, plot.left + plot.width, t.y, c.grid, c.gridWidth);
    svg += text(t.label);
  }
  for (const ChartBar& b : c.bars) {
    svg += rect(b.box, c.barColor);
    svg += text(b.label);
  }
  const double base = plot.top + plot.height;
  svg += line(plot.left, base, plot.left + plot.width, base, c.ink, c.gridWidth);
  if (!c.line.empty()) {
    std::string points;
    for (const ChartPoint& p : c.line) points += px(p.x) + "," + px(p.y) + " ";
    svg += "<polyline points=\"" + points + "\" fill=\"none\" stroke=\"" + rgb(c.lineColor) +
           "\" stroke-width=\"" + px(c.lineWidth) +
           "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"/>";
    for (const ChartPoint& p : c.line) svg += marker(c, p.x, p.y, c.lineColor);
  }
  svg += text(c.axisTitle);
  if (!c.barLegend.text.text.empty()) {
    svg += rect(c.barLegend.key, c.barColor);
    svg += text(c.barLegend.text);
  }
  if (!c.lineLegend.text.text.empty()) {
    const Rect& key = c.lineLegend.key;
    const double middle = key.top + key.height / 2;
    svg += line(key.left, middle, key.left + key.width, middle, c.lineColor, c.lineWidth);
    svg += marker(c, key.left + key.width / 2, middle, c.lineColor);
    svg += text(c.lineLegend.text);
  }
  svg += series(c);
  return svg;
}

}  // namespace

std::string chartSvg(const Chart& c, double scale) { return chartsSvg({c}, scale); }

std::string chartsSvg(const std::vector<Chart>& charts, double scale) {
  if (charts.empty()) return {};
  const Chart& first = charts.front();
  float width = 0;
  float height = 0;
  for (const Chart& c : charts) {
    width = std::max(width, c.width);
    height += c.height;
  }
  const std::string size =
      "width=\"" + fixedDecimal(std::ceil(width / Projection::kTwipsPerPixel * scale), 0) +
      "\" height=\"" + fixedDecimal(std::ceil(height / Projection::kTwipsPerPixel * scale), 0) +
      "\"";
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" role=\"img\" " +
                    size + " viewBox=\"0 0 " + px(width) + " " + px(height) + "\" aria-label=\"" +
                    escaped(first.name) + "\"";
  if (!first.description.empty()) {
    svg += " aria-description=\"" + escaped(first.description) + "\"";
  }
  svg += " fill=\"" + rgb(first.ink) + "\" font-size=\"11\">";
  float top = 0;
  for (const Chart& c : charts) {
    if (top == 0) {
      svg += body(c);
    } else {
      svg += "<g transform=\"translate(0 " + px(top) + ")\">" + body(c) + "</g>";
    }
    top += c.height;
  }
  svg += "</svg>";
  return svg;
}

}  // namespace ovali
