// Hostile input and long runs: whatever is typed or clicked, the game keeps
// its books straight and never reads or writes out of bounds.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "commands/inputs.h"
#include "commands/options.h"
#include "commands/play.h"
#include "commands/reset.h"
#include "commands/runcontrols.h"
#include "fake_toolkit.h"
#include "game_fixture.h"
#include "stats/analysis.h"
#include "toolkit/text.h"

namespace ovali {
namespace {

using testing::brokenInvariants;
using testing::Started;

bool knownMessage(const std::string& m) {
  static const std::vector<std::string> exact = {
      "The number of players must be even.",
      "The number of players must be no more than 200.",
      "The number of players must be at least 2.",
      "The number of dollars total must be at least $1.",
      "The number of dollars total must be no more than $32767.",
      "Click on \"Start\" first.",
      "Checking the \"random\" box changes the game so that \rexchanges are between randomly "
      "chosen pairs of players.",
  };
  for (const auto& e : exact)
    if (m == e) return true;
  const std::string trade =
      "The number of dollars to be traded must be at least $1, divisible evenly into $";
  const std::string report = "On the left are listed the average number of players";
  for (const char* field : {"The number of players", "The number of dollars total",
                            "The number of dollars to be traded"}) {
    if (m.rfind(std::string(field) + " must be a whole number in digits only; \"", 0) == 0)
      return true;
  }
  return m.rfind(trade, 0) == 0 || m.rfind(report, 0) == 0;
}

// The analysis report of a sound game: every number non-negative and finite.
void expectSaneReport(const std::string& report) {
  EXPECT_EQ(report.find('-'), std::string::npos) << report;
  EXPECT_EQ(report.find("nan"), std::string::npos) << report;
  EXPECT_EQ(report.find("inf"), std::string::npos) << report;
}

const char* const kHostileTexts[] = {
    "",           " ",        "   7",
    "-",          "+",        ".",
    "1e999",      "-1e999",   "1e-999",
    "-0",         "0",        "1",
    "2",          "3",        "31",
    "30.6",       "29.5",     "200",
    "201",        "199.9",    "32767",
    "32768",      "65536",    "40000",
    "1e5",        "2e1",      "4",
    "5",          "6",        "10",
    "12 dollars", "NaN",      "inf",
    "0x10",       "\t\n",     "\x01\x02",
    "\xC3\xA9",   "\xD9\xA3", "9999999999999999999999",
    "-32768",     "2,5",      "1.5",
    "0.5",        "100",      "60",
    "\xFF\xFE",   "1e2e3",
};

// The user's acts reach the handlers in any order: between runs, during a
// run (what a running window leaves enabled), and inside any message box,
// where events keep running, deals and nested runs included, as a front end
// that let them through would pass them on.
TEST(Robustness, RandomTypingAndClickingKeepsTheBooks) {
  Started s;
  s.f.chkFast.value = 0;
  std::mt19937 random(8122026);
  s.tk.seed(42);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

  TextBox* const boxes[] = {&s.f.txtNB, &s.f.txtDollars, &s.f.txtNTrade};
  void (*const presses[])(Form1&, std::int16_t&) = {txtNB_KeyPress, txtDollars_KeyPress,
                                                    txtNTrade_KeyPress};
  int nested = 0;  // acts under way inside boxes or runs
  int inBoxes = 0, inRuns = 0;

  const auto act = [&] {
    const int action = pick(10);
    if (action <= 2) {
      std::string text = kHostileTexts[pick(std::size(kHostileTexts))];
      if (pick(4) == 0) text += kHostileTexts[pick(std::size(kHostileTexts))];
      settext(s.f, *boxes[action], text);
      if (pick(2) == 0) {
        std::int16_t key = 13;
        presses[action](s.f, key);
        EXPECT_EQ(key, 0);
      }
    } else if (action == 3) {
      Command1_Click(s.f, 2);
    } else if (action == 4) {
      Command1_Click(s.f, 3);
    } else if (action == 5) {
      // A run, ended by a Stop among the acts during it.
      Command1_Click(s.f, 0);
    } else if (action == 6) {
      mnuO_Click(s.f, static_cast<std::int16_t>(pick(5)));
    } else if (action == 7) {
      Command1_Click(s.f, 4);
    } else if (action == 8) {
      s.f.chkFast.value = static_cast<std::int16_t>(1 - s.f.chkFast.value);
      chkFast_Click(s.f);
    } else {
      const std::int16_t noButton[] = {-2, -1, 1, 5, 32767};
      Command1_Click(s.f, noButton[pick(5)]);
    }
  };
  // While rounds are played: Stop, Analyze or the fast box.
  const auto actDuringRun = [&] {
    const int action = pick(4);
    if (action == 0) {
      Command1_Click(s.f, 0);
    } else if (action == 1) {
      Command1_Click(s.f, 4);
    } else {
      s.f.chkFast.value = static_cast<std::int16_t>(1 - s.f.chkFast.value);
      chkFast_Click(s.f);
    }
  };
  s.tk.onPass = [&] {
    if (s.f.game.playing == kFalse) return;
    // Every run ends: a Stop is taken however deep the acts go.
    if (nested >= 3) {
      Command1_Click(s.f, 0);
      return;
    }
    if (pick(3) != 0) return;
    ++inRuns;
    ++nested;
    actDuringRun();
    --nested;
  };
  s.tk.onMessage = [&](const std::string&) {
    if (nested >= 3 || pick(3) != 0) return;
    ++inBoxes;
    ++nested;
    if (s.f.game.playing != kFalse) {
      actDuringRun();
    } else {
      act();
    }
    --nested;
  };

  const int total = 6000 * testing::soakScale();
  int actions = 0;
  for (; actions < total; ++actions) {
    act();
    if (s.f.game.ready == kTrue) {
      const auto wrong = brokenInvariants(s.f);
      ASSERT_TRUE(wrong.empty()) << "after action " << actions << ": " << wrong.front();
    }
    for (const auto& m : s.tk.messages) ASSERT_TRUE(knownMessage(m)) << m;
    s.tk.messages.clear();
    ASSERT_EQ(s.f.game.running, kFalse);
    ASSERT_EQ(s.f.game.playing, kFalse);
    ASSERT_EQ(s.f.Command1(0).caption, "Start");
  }
  EXPECT_GT(inBoxes, total / 20);
  EXPECT_GT(inRuns, total / 20);
  // Whatever the acts left behind, a sound game is still dealt and played.
  s.tk.onMessage = {};
  s.tk.onPass = {};
  settext(s.f, s.f.txtNB, "30");
  settext(s.f, s.f.txtDollars, "60");
  settext(s.f, s.f.txtNTrade, "1");
  Command1_Click(s.f, 2);
  Command1_Click(s.f, 3);
  EXPECT_EQ(s.f.game.nplayers, 30);
  EXPECT_EQ(s.f.C.caption, "1");
  const auto wrong = brokenInvariants(s.f);
  EXPECT_TRUE(wrong.empty()) << wrong.front();
  if (testing::soakScale() > 1) {
    std::printf(
        "%d fuzzed actions (typing, Enter, buttons, options, fast box), %d more inside "
        "message boxes and %d during runs; the books checked after each of the first\n",
        actions, inBoxes, inRuns);
  }
}

TEST(Robustness, LongFastRunsInEveryOptionCombinationStaySound) {
  for (int options = 0; options < 32; ++options) {
    SCOPED_TRACE(options);
    Started s;
    s.tk.seed(static_cast<unsigned>(options) + 1);
    s.f.txtNB.text = "40";
    s.f.txtDollars.text = options % 2 ? "120" : "60";
    s.f.txtNTrade.text = options % 4 >= 2 ? "3" : "1";
    s.f.chkFast.value = 1;
    // Options 1 to 3 form one group: a combination of them is reached by clicking
    // the wanted one last.
    for (std::int16_t k = 0; k < 5; ++k)
      if (options & (1 << k)) mnuO_Click(s.f, k);
    s.tk.messages.clear();

    // Stop the run from the event processing after a number of rounds.
    const int rounds = 40000;
    for (int r = 1; r <= rounds; r += 10000) {
      s.tk.atPass(s.tk.eventPasses + 10000, [&] { Command1_Click(s.f, 0); });
      Command1_Click(s.f, 0);
      const auto wrong = brokenInvariants(s.f);
      ASSERT_TRUE(wrong.empty()) << wrong.front();
    }
    EXPECT_EQ(s.f.C.caption, decimal(rounds));
    EXPECT_GT(s.f.game.nsamples, 0);
    Command1_Click(s.f, 4);
    ASSERT_EQ(s.tk.messages.size(), 1u);
    expectSaneReport(s.tk.messages.back());
  }
}

}  // namespace
}  // namespace ovali
