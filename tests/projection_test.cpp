#include "view/projection.h"

#include <gtest/gtest.h>

namespace ovali {
namespace {

TEST(Projection, ScalesUniformlyCentredAndKeepsCommonEdges) {
  const struct {
    const char* name;
    double clientWidth, clientHeight;
    double scale;
    PixelRect field;  // 1200, 300, 855 x 285 twips
  } cases[] = {
      {"design size", 585, 462, 1, {80, 20, 57, 19}},
      {"twice, wider than tall", 1400, 924, 2, {275, 40, 114, 38}},
      {"a fractional scale", 877.5, 693, 1.5, {120, 30, 86, 29}},
      {"taller than wide", 585, 800, 1, {80, 189, 57, 19}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Projection p(kDesignWidth, kDesignHeight, c.clientWidth, c.clientHeight);
    EXPECT_DOUBLE_EQ(p.scale(), c.scale);
    EXPECT_EQ(p.rect(1200, 300, 855, 285), c.field);
    // Neighbours that share an edge in twips share it in pixels, whatever
    // the rounding of each.
    for (double left = 0; left < 600; left += 15 * 0.37) {
      const PixelRect a = p.rect(left, 0, 100, 100);
      const PixelRect b = p.rect(left + 100, 0, 100, 100);
      ASSERT_EQ(a.x + a.width, b.x) << "at " << left;
    }
  }
}

TEST(Projection, FontsAreRoundedToWholePixelsAndStayReadable) {
  const struct {
    const char* name;
    double clientWidth, clientHeight;
    double points;
    int pixels;
  } cases[] = {
      {"design size", 585, 462, 8.25, 11},
      {"twice", 1170, 924, 8.25, 22},
      {"rounded, not cut", 585, 462, 8, 11},
      {"a tiny window", 5, 4, 8.25, 1},
  };
  for (const auto& c : cases) {
    const Projection p(kDesignWidth, kDesignHeight, c.clientWidth, c.clientHeight);
    EXPECT_EQ(p.fontPixels(c.points), c.pixels) << c.name;
  }
  // A window with no client area yet keeps the design's scale.
  EXPECT_DOUBLE_EQ(Projection(kDesignWidth, kDesignHeight, 0, 0).scale(), 1);
}

}  // namespace
}  // namespace ovali
