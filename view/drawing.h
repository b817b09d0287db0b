#pragma once

// Charts as the few shapes that draw them, for every front end to paint the
// same picture: Qt with a painter, the page as SVG.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/chart.h"
#include "view/projection.h"

namespace ovali {

enum class Cap : std::uint8_t { Flat, Square, Round };

// In pixels at 96 dpi from the picture's top-left corner, y growing downward.
struct Shape {
  enum class Kind : std::uint8_t { Box, Path, Disc, Square, Text };
  Kind kind = Kind::Box;
  RectF box;                      // all but a path
  std::vector<PointF> points;     // a path's, joined in order with round joins
  Color color;                    // a box's, disc's or square's fill; a path's line; a text's ink
  float lineWidth = 0;            // a path's line; the rim of a disc or a square
  Color rim;                      // around a disc or a square
  Stroke stroke = Stroke::Solid;  // dashes of 4 and gaps of 3 line widths
  Cap cap = Cap::Round;
  std::string text;  // one line, centred vertically in the box, aligned as it says
  Alignment alignment = Alignment::Center;
};

// Charts one under the other as one picture, back to front, as
// toolkit/chart.h says they are drawn.
// The size of a drawing's texts, in its own pixels, in every front end.
inline constexpr int kDrawingTextPixels = 11;

struct Drawing {
  double width = 0, height = 0;
  std::vector<Shape> shapes;
  std::string name, description;  // the first chart's
};

Drawing drawingOf(const std::vector<Chart>& charts);

// The drawing as an SVG image, `scale` times its size, that a screen reader
// meets as one image with the drawing's name and description.
std::string svgOf(const Drawing& drawing, double scale);

}  // namespace ovali
