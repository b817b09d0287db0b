// The page's arrangements: which one a screen gets, and that each puts every
// control where a finger or a pointer can use it.

#include "view/arrangements.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_toolkit.h"

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
    for (std::size_t i = 0; i < kAreaCount; ++i) {
      SCOPED_TRACE(::testing::Message() << "arrangement " << indexOf(a) << ", area " << i);
      const Placement& place = a.areas[i];
      const RectF r = p.rectF(static_cast<Area>(i), place.from.left, place.from.top,
                              place.from.width, place.from.height);
      EXPECT_NEAR(r.x, place.to.left / 7.5, 1e-9);
      EXPECT_NEAR(r.y, place.to.top / 7.5, 1e-9);
      EXPECT_NEAR(r.width, place.to.width / 7.5, 1e-9);
      EXPECT_NEAR(r.height, place.to.height / 7.5, 1e-9);
      EXPECT_LE(place.to.left + place.to.width, a.width);
      EXPECT_LE(place.to.top + place.to.height, a.height);
    }
  }
}

TEST(Arrangements, ZoomEnlargesInsteadOfShrinkingBackToTheScreen) {
  // 200 % zoom on 1366 x 768: the stage is half as many CSS pixels.
  const Arrangement& a = arrangementFor(683, 330);
  const Projection p(a, 683, 330, 1);
  EXPECT_EQ(p.scale(), 1);
  EXPECT_EQ(p.point(Area::Board, 0, 0).x, (683 - 585) / 2.0) << "as wide as it fits: centred";
  EXPECT_EQ(p.point(Area::Board, 0, 0).y, 0) << "taller than the stage: from the top, to scroll";
  EXPECT_DOUBLE_EQ(p.height(), 462);
}

TEST(Arrangements, EveryControlIsALargeEnoughTargetUpright) {
  Started s;
  const Form1& f = s.f;
  struct Target {
    const char* name;
    Area area;
    Rect rect;
    double minimumHeight;
  };
  std::vector<Target> targets{{"txtNB", Area::Inputs, f.txtNB, 24},
                              {"txtDollars", Area::Inputs, f.txtDollars, 24},
                              {"txtNTrade", Area::Inputs, f.txtNTrade, 24},
                              {"chkFast", Area::Controls, f.chkFast, 24}};
  for (std::int16_t i : {0, 2, 3, 4})
    targets.push_back({"button", Area::Controls, f.Command1(i), 40});
  for (std::int16_t i = 0; i < 4; ++i) targets.push_back({"link", Area::Links, f.Label3(i), 24});

  struct Screen {
    const char* name;
    double width, height;
    bool phone;
  };
  for (const Screen& screen :
       {Screen{"phone", 390, 795, true}, Screen{"tablet", 768, 975, false}}) {
    const Projection p(arrangementFor(screen.width, screen.height), screen.width, screen.height, 1);
    EXPECT_NEAR(p.width(), screen.width, 0.5) << screen.name << ": the game spans the width";
    EXPECT_LE(p.height(), screen.height) << screen.name << ": no scrolling";
    for (const Target& t : targets) {
      const RectF r = p.rectF(t.area, t.rect.left, t.rect.top, t.rect.width, t.rect.height);
      EXPECT_GE(r.width, 24) << screen.name << " " << t.name;
      EXPECT_GE(r.height, screen.phone ? t.minimumHeight : 24) << screen.name << " " << t.name;
      EXPECT_GE(r.x, 0) << screen.name << " " << t.name;
      EXPECT_LE(r.x + r.width, screen.width) << screen.name << " " << t.name;
    }
  }
}

}  // namespace
}  // namespace ovali::testing
