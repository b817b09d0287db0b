#include <gtest/gtest.h>

#include <vector>

#include "fake_toolkit.h"
#include "view/ladder.h"
#include "view/rings.h"

namespace ovali {
namespace {

using testing::Started;

// A started window with `n` player labels loaded, as the reset leaves them.
struct Board : Started {
  explicit Board(std::int16_t n) {
    f.game.nplayers = n;
    for (std::int16_t i = 0; i < n; ++i) f.P.load(i);
  }
  std::vector<std::pair<float, float>> places() const {
    std::vector<std::pair<float, float>> v;
    for (std::int16_t i = 0; i < f.game.nplayers; ++i) v.emplace_back(f.P(i).left, f.P(i).top);
    return v;
  }
};

struct Place {
  const char* name;
  std::int16_t player;
  double left, top;
};

TEST(RingPlacement, ThirtyPlayersAtReset) {
  Board b(30);
  placeplayers(b.f, 0, kTrue);
  const Place expected[] = {
      {"first outer", 0, 5840.54, 2516.22},
      {"first inner", 1, 5065.85, 2680.89},
      {"second outer", 2, 5840.54, 3723.78},
      {"second inner", 3, 5065.85, 3559.11},
  };
  for (const auto& e : expected) {
    EXPECT_NEAR(b.f.P(e.player).left, e.left, 0.005) << e.name;
    EXPECT_NEAR(b.f.P(e.player).top, e.top, 0.005) << e.name;
  }
  EXPECT_FLOAT_EQ(b.f.Acircle(0).left, b.f.P(0).left - 100);
  EXPECT_FLOAT_EQ(b.f.Acircle(0).top, b.f.P(0).top + 200);
  EXPECT_FLOAT_EQ(b.f.Acircle(1).left, b.f.P(1).left - 100);
  EXPECT_FLOAT_EQ(b.f.Acircle(1).top, b.f.P(1).top + 200);
}

TEST(RingPlacement, ARoundTurnsOnlyTheInnerRingAndItsMarker) {
  Board b(30);
  placeplayers(b.f, 0, kTrue);
  const auto reset = b.places();
  const float blueLeft = b.f.Acircle(0).left;

  placeplayers(b.f, 1, kFalse);
  EXPECT_NEAR(b.f.P(1).left, 5065.85, 0.005);
  EXPECT_NEAR(b.f.P(1).top, 3559.11, 0.005);
  for (std::int16_t i = 0; i < 30; i += 2) EXPECT_EQ(b.places()[i], reset[i]) << i;
  EXPECT_FLOAT_EQ(b.f.Acircle(0).left, blueLeft);
  EXPECT_FLOAT_EQ(b.f.Acircle(1).top, b.f.P(1).top + 200);

  struct Round {
    const char* name;
    std::int16_t offset;
  };
  for (const Round r : {Round{"round 15", 15}, Round{"round 30", 0}}) {
    placeplayers(b.f, r.offset, kFalse);
    const auto now = b.places();
    for (std::int16_t i = 1; i < 30; i += 2) {
      EXPECT_NEAR(now[i].first, reset[i].first, 0.01) << r.name << " player " << i;
      EXPECT_NEAR(now[i].second, reset[i].second, 0.01) << r.name << " player " << i;
    }
  }
}

TEST(RingPlacement, RandomExchangeLaysOutAtResetAndMovesNothingInARound) {
  Board b(30);
  b.f.game.randomexchange = kTrue;
  placeplayers(b.f, 0, kTrue);
  EXPECT_NEAR(b.f.P(0).left, 5840.54, 0.005);
  EXPECT_FLOAT_EQ(b.f.Acircle(1).left, b.f.P(1).left - 100);
  const auto reset = b.places();
  const float red = b.f.Acircle(1).top;
  placeplayers(b.f, 7, kFalse);
  EXPECT_EQ(b.places(), reset);
  EXPECT_FLOAT_EQ(b.f.Acircle(1).top, red);
}

TEST(RingPlacement, TwoPlayersStandLeftOfTheCentreAndStayThere) {
  Board b(2);
  placeplayers(b.f, 0, kTrue);
  EXPECT_NEAR(b.f.P(0).left, 3000 - 2904, 0.01);
  EXPECT_NEAR(b.f.P(1).left, 3000 - 2112, 0.01);
  EXPECT_NEAR(b.f.P(0).top, 3120, 0.01);
  EXPECT_NEAR(b.f.P(1).top, 3120, 0.01);
  const auto reset = b.places();
  placeplayers(b.f, 1, kFalse);
  EXPECT_NEAR(b.f.P(1).left, reset[1].first, 0.01);
  EXPECT_NEAR(b.f.P(1).top, reset[1].second, 0.01);
}

TEST(RingPlacement, FollowsTheReferenceLine) {
  Board b(4);
  b.f.Line2 = Line{1000, 1000, 2000, 1000, false};
  placeplayers(b.f, 0, kTrue);
  // Four players: the unit is a quarter turn; the first pair stands at -u.
  EXPECT_NEAR(b.f.P(0).left, 1000, 0.01);
  EXPECT_NEAR(b.f.P(0).top, 1000 - 1100, 0.01);
  EXPECT_NEAR(b.f.P(1).top, 1000 - 800, 0.01);
}

TEST(RingPlacement, MissingLabelsAndNoPlayersMoveNothingOutOfBounds) {
  Board b(0);
  placeplayers(b.f, 0, kTrue);  // no players: the angle unit cannot be formed
  EXPECT_FLOAT_EQ(b.f.Acircle(0).left, 100);
  Board c(4);
  c.f.game.nplayers = 8;  // more players than labels
  placeplayers(c.f, 0, kTrue);
  EXPECT_FALSE(c.f.P.exists(4));
}

// The ladder, with two tracked players and any others set directly.
struct Ladder : Board {
  Ladder() : Board(2) {
    f.game.units = 1;
    f.game.ndollars = 10;
  }
  // The money in units of the players after the two tracked ones.
  std::vector<std::int16_t> others;
  // The two tracked players' money, in units.
  void track(std::int16_t blue, std::int16_t red) {
    f.game.holdings = {blue, red};
    f.game.holdings.insert(f.game.holdings.end(), others.begin(), others.end());
    checklevels(f);
  }
};

struct MarkerCase {
  const char* name;
  Flag separate;
  std::int16_t units;
  std::int16_t blueLevel;
  std::int16_t redLevel;
  float blueLeft, blueTop, redLeft, redTop;
};

TEST(LevelDisplay, MarkersStandBesideTheirRow) {
  const MarkerCase cases[] = {
      {"broke, together", kFalse, 1, 0, 0, 7340, 5840, 7340, 5740},
      {"broke, surroundings apart", kTrue, 1, 0, 0, 8060, 5840, 7340, 5740},
      {"top row", kFalse, 1, 7, 7, 7340, 940, 7340, 840},
      {"units 2, $6 on row 3", kFalse, 2, 3, 3, 7340, 3740, 7340, 3640},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Ladder l;
    l.f.game.separate = c.separate;
    l.f.game.units = c.units;
    l.track(c.blueLevel, c.redLevel);
    EXPECT_FLOAT_EQ(l.f.Acircle(3).left, c.blueLeft);
    EXPECT_FLOAT_EQ(l.f.Acircle(3).top, c.blueTop);
    EXPECT_FLOAT_EQ(l.f.Acircle(2).left, c.redLeft);
    EXPECT_FLOAT_EQ(l.f.Acircle(2).top, c.redTop);
    EXPECT_TRUE(l.f.Acircle(3).visible);
    EXPECT_TRUE(l.f.Acircle(2).visible);
  }
}

TEST(LevelDisplay, APlayerAboveTheLadderHidesItsMarkerWhereItWas) {
  Ladder l;
  l.track(3, 2);
  const float blueTop = l.f.Acircle(3).top;
  const float redTop = l.f.Acircle(2).top;
  l.track(9, 8);
  EXPECT_FALSE(l.f.Acircle(3).visible);
  EXPECT_FALSE(l.f.Acircle(2).visible);
  EXPECT_FLOAT_EQ(l.f.Acircle(3).top, blueTop);
  EXPECT_FLOAT_EQ(l.f.Acircle(2).top, redTop);
  l.track(7, 7);
  EXPECT_TRUE(l.f.Acircle(3).visible);
  EXPECT_FLOAT_EQ(l.f.Acircle(3).top, 940);
  EXPECT_FLOAT_EQ(l.f.Acircle(2).top, 840);
}

TEST(LevelDisplay, CountsFillBothColumnsAndRowsAboveTheTotalReadZero) {
  Ladder l;
  l.f.game.separate = kTrue;
  // Outer (even) and inner (odd) players in turn, after the two at level 0.
  const std::int16_t outer[] = {0, 0, 0, 1, 1, 1, 1, 1, 1, 7};
  const std::int16_t inner[] = {0, 0, 2, 2, 2, 2, 2, 3, 8, 8};
  for (std::size_t i = 0; i < std::size(outer); ++i)
    l.others.insert(l.others.end(), {outer[i], inner[i]});
  l.track(0, 0);
  const char* t[] = {"3", "0", "5", "1", "0", "0", "0", "0"};
  const char* ts[] = {"4", "6", "0", "0", "0", "0", "0", "1"};
  for (std::int16_t i = 0; i < 8; ++i) {
    EXPECT_EQ(l.f.T(i).caption, t[i]) << i;
    EXPECT_EQ(l.f.TS(i).caption, ts[i]) << i;
    EXPECT_FALSE(l.f.TS(i).visible) << "written while hidden";
  }

  // A later game with only $3: rows 4 to 7 must not keep the earlier counts.
  l.f.game.ndollars = 3;
  l.f.game.separate = kFalse;
  l.others.clear();
  l.track(3, 0);
  const char* after[] = {"1", "0", "0", "1", "0", "0", "0", "0"};
  for (std::int16_t i = 0; i < 8; ++i) {
    EXPECT_EQ(l.f.T(i).caption, after[i]) << i;
    EXPECT_EQ(l.f.TS(i).caption, "0") << i;
  }
}

}  // namespace
}  // namespace ovali
