#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "toolkit/text.h"

namespace ovali {
namespace {

using testing::Started;

TEST(StartUp, LadderReadsZeroToSevenFromTheBottomWithEveryCountZero) {
  Started s;
  for (std::int16_t i = 0; i <= 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.f.lbl2(i).caption, "$" + decimal(i));
    EXPECT_FLOAT_EQ(s.f.lbl2(i).top, 5640 - 700 * i);
    EXPECT_EQ(s.f.T(i).caption, "0");
    EXPECT_FLOAT_EQ(s.f.T(i).top, 5640 - 700 * i);
    EXPECT_FLOAT_EQ(s.f.T(i).left, 7440);
    EXPECT_TRUE(s.f.T(i).visible);
    EXPECT_EQ(s.f.T(i).forecolor, kRed);
    EXPECT_EQ(s.f.TS(i).caption, "0");
    EXPECT_FLOAT_EQ(s.f.TS(i).top, 5640 - 700 * i);
    EXPECT_FALSE(s.f.TS(i).visible);
    EXPECT_FLOAT_EQ(s.f.Line1(i).y1, 6000 - 700 * i);
    EXPECT_FLOAT_EQ(s.f.Line1(i).y2, 6000 - 700 * i);
    EXPECT_FLOAT_EQ(s.f.Line1(i).x1, 7200);
    EXPECT_FLOAT_EQ(s.f.Line1(i).x2, 7980);
    EXPECT_TRUE(s.f.Line1(i).visible);
  }
  EXPECT_FALSE(s.f.T.exists(8));
  EXPECT_FALSE(s.f.lbl2.exists(8));
}

TEST(StartUp, FieldsCounterPlayerAndGameState) {
  Started s;
  EXPECT_TRUE(s.tk.randomized);
  EXPECT_EQ(s.f.caption, "The Ovalin Game");
  EXPECT_EQ(s.f.txtNB.text, "30");
  EXPECT_EQ(s.f.txtDollars.text, "30");
  EXPECT_EQ(s.f.txtNTrade.text, "1");
  EXPECT_FALSE(s.f.C.visible);
  EXPECT_FALSE(s.f.P(0).visible);
  EXPECT_FALSE(s.f.P.exists(1));
  EXPECT_FALSE(s.f.Line2.visible);

  const GameState& g = s.f.game;
  EXPECT_EQ(g.nplayers, 1);
  EXPECT_EQ(g.ready, kFalse);
  EXPECT_EQ(g.running, kFalse);
  EXPECT_EQ(g.nsamples, 0);
  for (auto sum : g.sumlevels) EXPECT_EQ(sum, 0);
  for (Flag flag : {g.randomexchange, g.inneronly, g.outeronly, g.alltoone, g.separate}) {
    EXPECT_EQ(flag, kFalse);
  }
}

TEST(StartUp, ButtonArrayHasNoIndexOneAndMenusAreUnchecked) {
  Started s;
  EXPECT_FALSE(s.f.Command1.exists(1));
  EXPECT_EQ(s.f.Command1.find(1), nullptr);
  EXPECT_THROW(s.f.Command1(1), NoSuchControl);
  EXPECT_EQ(s.f.Command1(0).caption, "Start");
  EXPECT_EQ(s.f.Command1(2).caption, "Reset");
  EXPECT_EQ(s.f.Command1(3).caption, "Step");
  EXPECT_EQ(s.f.Command1(4).caption, "Analyze");
  for (std::int16_t k = 0; k <= 4; ++k) EXPECT_FALSE(s.f.mnuO(k).checked);
  EXPECT_FALSE(s.f.mnuO.exists(5));
}

TEST(ControlArray, NewElementsAreHiddenCopiesOfElementZero) {
  ControlArray<Label> a;
  Label zero;
  zero.caption = "7";
  zero.left = 10;
  zero.forecolor = kBlue;
  a.put(0, zero);
  a.load(5);
  EXPECT_TRUE(a.exists(5));
  EXPECT_FALSE(a.exists(3));
  EXPECT_EQ(a(5).caption, "7");
  EXPECT_FLOAT_EQ(a(5).left, 10);
  EXPECT_EQ(a(5).forecolor, kBlue);
  EXPECT_FALSE(a(5).visible);
  a(5).caption = "changed";
  a.load(5);  // loading an existing element leaves it alone
  EXPECT_EQ(a(5).caption, "changed");
  EXPECT_THROW(a(-1), NoSuchControl);
  EXPECT_THROW(a(32767), NoSuchControl);
  EXPECT_THROW(a.load(-2), NoSuchControl);
}

TEST(Ending, ExitAndClosingEndTheProgram) {
  Started s;
  EXPECT_THROW(mnuexit_Click(s.f), testing::ProgramEnded);
  EXPECT_THROW(Form_Unload(s.f), testing::ProgramEnded);
}

}  // namespace
}  // namespace ovali
