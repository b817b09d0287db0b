#include "commands/options.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fake_toolkit.h"

namespace ovali {
namespace {

using testing::Started;

const std::string kNotice =
    "Checking the \"random\" box changes the game so that \r"
    "exchanges are between randomly chosen pairs of players.";

// Check marks of items 0 to 4: separate, inner only, outer only, all to one, random.
using Marks = std::array<bool, 5>;

Marks marks(const Form1& f) {
  Marks m{};
  for (std::int16_t k = 0; k < 5; ++k) m[static_cast<std::size_t>(k)] = f.mnuO(k).checked;
  return m;
}

Marks flags(const GameState& g) {
  return {g.separate == kTrue, g.inneronly == kTrue, g.outeronly == kTrue, g.alltoone == kTrue,
          g.randomexchange == kTrue};
}

TEST(Options, ClickSequencesGiveMarksAndMatchingFlags) {
  struct Row {
    const char* name;
    std::vector<std::int16_t> clicks;
    Marks marks;
  } table[] = {
      {"inner ring only from nothing", {1}, {false, true, false, false, false}},
      {"inner ring only clicked twice", {1, 1}, {false, false, false, false, false}},
      {"all to one replaces inner ring only", {1, 3}, {false, false, false, true, false}},
      {"inner ring only replaces outer ring only", {2, 1}, {false, true, false, false, false}},
      {"outer ring only replaces all to one", {3, 2}, {false, false, true, false, false}},
      {"unchecking one dealing leaves the others clear",
       {1, 3, 3},
       {false, false, false, false, false}},
      {"surroundings separately beside a dealing", {1, 0}, {true, true, false, false, false}},
      {"surroundings separately on and off", {0, 0}, {false, false, false, false, false}},
      {"random beside a dealing and the surroundings", {4, 2, 0}, {true, false, true, false, true}},
      {"a dealing does not clear random", {4, 3, 1}, {false, true, false, false, true}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    for (std::int16_t k : row.clicks) mnuO_Click(s.f, k);
    EXPECT_EQ(marks(s.f), row.marks);
    EXPECT_EQ(flags(s.f.game), row.marks);
  }
}

TEST(Options, RandomNoticeIsShownOnceInTheProgramsLife) {
  struct Row {
    const char* name;
    std::vector<std::int16_t> clicks;
    std::size_t notices;
  } table[] = {
      {"first check of random", {4}, 1},
      {"unchecking says nothing", {4, 4}, 1},
      {"checking again says nothing", {4, 4, 4}, 1},
      {"other options never tell", {0, 1, 2, 3, 0}, 0},
      {"told even when random comes after other options", {1, 0, 4}, 1},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    for (std::int16_t k : row.clicks) mnuO_Click(s.f, k);
    EXPECT_EQ(s.tk.messages, std::vector<std::string>(row.notices, kNotice));
    EXPECT_EQ(s.f.toldrandom, row.notices > 0);
  }
}

TEST(Options, NoticeComesBeforeTheResetWithTheFlagsAlreadySet) {
  Started s;
  s.f.C.caption = "12";
  s.f.game.ready = kTrue;
  bool checkedWhileOpen = false;
  s.tk.onMessage = [&](const std::string&) {
    checkedWhileOpen = true;
    EXPECT_EQ(s.f.game.ready, kFalse);
    EXPECT_EQ(s.f.game.randomexchange, kTrue);
    EXPECT_TRUE(s.f.mnuO(4).checked);
    EXPECT_EQ(s.f.C.caption, "12");
  };
  mnuO_Click(s.f, 4);
  EXPECT_TRUE(checkedWhileOpen);
  EXPECT_EQ(s.f.game.ready, kTrue);
  EXPECT_EQ(s.f.C.caption, "0");
}

TEST(Options, EveryClickDiscardsTheGameAndDealsAfresh) {
  struct Row {
    const char* name;
    std::int16_t item;
    const char* outerDollars;  // player 0
    const char* innerDollars;  // player 1
  } table[] = {
      {"inner ring only", 1, "0", "2"}, {"outer ring only", 2, "2", "0"},
      {"all to one", 3, "30", "0"},     {"surroundings separately", 0, "1", "1"},
      {"random exchange", 4, "1", "1"},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    s.f.game.ready = kTrue;
    s.f.C.caption = "9";
    mnuO_Click(s.f, row.item);
    EXPECT_EQ(s.f.game.ready, kTrue);
    EXPECT_EQ(s.f.C.caption, "0");
    EXPECT_EQ(s.f.game.nsamples, 0);
    EXPECT_EQ(s.f.P(0).caption, row.outerDollars);
    EXPECT_EQ(s.f.P(1).caption, row.innerDollars);
  }
}

TEST(Options, SurroundingsSeparatelyMovesTheOuterRingIntoItsOwnCounts) {
  Started s;
  mnuO_Click(s.f, 0);
  ASSERT_GE(s.f.game.outerlevels.size(), 2u);
  EXPECT_EQ(s.f.game.outerlevels[1], 15);
  EXPECT_EQ(s.f.game.levels[1], 15);
  mnuO_Click(s.f, 0);
  EXPECT_EQ(s.f.game.outerlevels[1], 0);
  EXPECT_EQ(s.f.game.levels[1], 30);
}

TEST(Options, IndexesWithoutAnItemChangeNothing) {
  for (std::int16_t index : {5, -1, 32767}) {
    SCOPED_TRACE(index);
    Started s;
    s.f.game.ready = kTrue;
    s.f.C.caption = "4";
    mnuO_Click(s.f, index);
    EXPECT_EQ(s.f.game.ready, kTrue);
    EXPECT_EQ(s.f.C.caption, "4");
    EXPECT_EQ(marks(s.f), Marks{});
    EXPECT_TRUE(s.tk.messages.empty());
  }
}

}  // namespace
}  // namespace ovali
