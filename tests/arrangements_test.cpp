// The page's arrangements: which one a screen gets, and where each puts its
// areas. The browser tests measure the controls' targets in each.

#include "view/arrangements.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ovali::testing {
namespace {

std::size_t indexOf(const Arrangement& a) {
  const auto all = pageArrangements();
  return static_cast<std::size_t>(&a - all.data());
}

TEST(Arrangements, EachScreenGetsTheOneForItsShape) {
  struct Row {
    const char* name;
    double width, height;
    std::size_t expected;  // 0 the window's, 1 tablet upright, 2 phone upright
  };
  // The stage's size: the screen less the menu bar and the title strip.
  const Row rows[] = {
      {"projector", 1920, 1030, 0},         {"laptop", 1366, 680, 0},
      {"zoomed 200 %", 683, 330, 0},        {"phone on its side", 844, 340, 0},
      {"tablet upright", 768, 975, 1},      {"phone upright", 390, 795, 2},
      {"small phone upright", 360, 700, 2}, {"nothing to show in", 0, 0, 0},
      {"just square enough", 900, 1000, 0}, {"just upright", 890, 1000, 1},
      {"narrow tablet", 540, 1000, 1},      {"wide phone", 520, 1000, 2},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(indexOf(arrangementFor(row.width, row.height)), row.expected) << row.name;
  }
}

TEST(Arrangements, EachAreaLandsExactlyOnItsPlaceInsideThePicture) {
  for (const Arrangement& a : pageArrangements()) {
    const Projection p(a, 2 * a.width / Projection::kTwipsPerPixel,
                       2 * a.height / Projection::kTwipsPerPixel, 0);
    ASSERT_DOUBLE_EQ(p.scale(), 2);
    EXPECT_DOUBLE_EQ(p.width(), a.width / 7.5) << "the extent the page scrolls over";
    EXPECT_DOUBLE_EQ(p.height(), a.height / 7.5);
    for (std::size_t i = 0; i < kAreaCount; ++i) {
      SCOPED_TRACE(::testing::Message() << "arrangement " << indexOf(a) << ", area " << i);
      const Placement& place = a.areas[i];
      const RectF r = p.rectF(static_cast<Area>(i), place.from.left, place.from.top,
                              place.from.width, place.from.height);
      EXPECT_NEAR(r.x, place.to.left / 7.5, 1e-9);
      EXPECT_NEAR(r.y, place.to.top / 7.5, 1e-9);
      EXPECT_NEAR(r.width, place.to.width / 7.5, 1e-9);
      EXPECT_NEAR(r.height, place.to.height / 7.5, 1e-9);
      // 7.5 points are 10 pixels at the design's scale, here twice that.
      EXPECT_EQ(p.fontPixels(static_cast<Area>(i), 7.5), std::lround(20 * place.fontScale))
          << "captions drawn at the area's own size";
      EXPECT_LE(place.to.left + place.to.width, a.width);
      EXPECT_LE(place.to.top + place.to.height, a.height);
    }
  }
}

TEST(Arrangements, ZoomEnlargesInsteadOfShrinkingBackToTheScreen) {
  const struct {
    const char* name;
    double width, height;  // the stage, in CSS pixels
    double scale;
    double left, top;  // where the board's top left corner lands
    double pictureHeight;
  } cases[] = {
      // 200 % zoom on 1366 x 768: too tall for the stage even at the design's
      // size, so it scrolls down from the top and spans the width.
      {"zoomed 200 %", 683, 330, 683 / 585.0, 0, 0, 462 * 683 / 585.0},
      // The phone's picture is 360 pixels wide: a narrower stage scrolls it
      // from its left edge.
      {"narrower than the phone", 300, 700, 1, 0, 0, 712},
      // Spanning this width would make it five stages tall: it stops at two,
      // centred across.
      {"short and wide", 1366, 300, 600 / 462.0, (1366 - 585 * 600 / 462.0) / 2, 0, 600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Arrangement& a = arrangementFor(c.width, c.height);
    const Projection p(a, c.width, c.height, 1);
    EXPECT_DOUBLE_EQ(p.scale(), c.scale);
    const TwipsBox& board = a.areas[static_cast<std::size_t>(Area::Board)].from;
    const PointF corner = p.point(Area::Board, board.left, board.top);
    EXPECT_NEAR(corner.x, c.left, 1e-9);
    EXPECT_NEAR(corner.y, c.top, 1e-9);
    EXPECT_DOUBLE_EQ(p.height(), c.pictureHeight);
  }
}

}  // namespace
}  // namespace ovali::testing
