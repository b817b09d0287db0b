#include "web/chartsvg.h"

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

std::string marker(const Chart& c, double x, double y) {
  return "<circle cx=\"" + px(x) + "\" cy=\"" + px(y) + "\" r=\"" + px(c.markerRadius) +
         "\" fill=\"" + rgb(c.lineColor) + "\" stroke=\"" + rgb(c.background) +
         "\" stroke-width=\"" + px(c.gridWidth) + "\"/>";
}

}  // namespace

std::string chartSvg(const Chart& c, double scale) {
  const std::string size =
      "width=\"" + fixedDecimal(std::ceil(c.width / Projection::kTwipsPerPixel * scale), 0) +
      "\" height=\"" + fixedDecimal(std::ceil(c.height / Projection::kTwipsPerPixel * scale), 0) +
      "\"";
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" role=\"img\" " +
                    size + " viewBox=\"0 0 " + px(c.width) + " " + px(c.height) +
                    "\" aria-label=\"" + escaped(c.name) + "\" fill=\"" + rgb(c.ink) +
                    "\" font-size=\"11\">";
  svg += rect(Rect{0, 0, c.width, c.height}, c.background);
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
    for (const ChartPoint& p : c.line) svg += marker(c, p.x, p.y);
  }
  svg += text(c.axisTitle);
  svg += rect(c.barLegend.key, c.barColor);
  const Rect& key = c.lineLegend.key;
  const double middle = key.top + key.height / 2;
  svg += line(key.left, middle, key.left + key.width, middle, c.lineColor, c.lineWidth);
  svg += marker(c, key.left + key.width / 2, middle);
  svg += text(c.barLegend.text);
  svg += text(c.lineLegend.text);
  svg += "</svg>";
  return svg;
}

}  // namespace ovali
