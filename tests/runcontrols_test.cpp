#include "commands/runcontrols.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/viewmenu.h"
#include "fake_toolkit.h"

namespace ovali {
namespace {

using testing::Started;

constexpr std::int16_t kStart = kStartStop;

// What the user sees of the run controls and of what they lock.
struct Buttons {
  std::string startCaption;
  bool start, reset, step, analyze, inputs, options;

  friend bool operator==(const Buttons&, const Buttons&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Buttons& b) {
    return os << '"' << b.startCaption << "\" start " << b.start << " reset " << b.reset << " step "
              << b.step << " analyze " << b.analyze << " inputs " << b.inputs << " options "
              << b.options;
  }
};

Buttons buttons(const Form1& f) {
  return {f.Command1(kStart).caption,
          f.Command1(kStart).enabled,
          f.Command1(kReset).enabled,
          f.Command1(kStep).enabled,
          f.Command1(kAnalyze).enabled,
          f.txtNB.enabled && f.txtDollars.enabled && f.txtNTrade.enabled,
          f.mnuOpt.enabled};
}

const Buttons kIdle{"Start", true, true, true, true, true, true};
const Buttons kRunning{"Stop", true, false, false, false, false, false};
const Buttons kStopping{"Stop", false, false, false, false, false, false};

TEST(RunControls, ButtonStatesThroughAStartedAndStoppedRun) {
  struct Row {
    const char* name;
    bool fast;
  } table[] = {{"fast: Stop taken at the round's event pass", true},
               {"slow: Stop taken inside the first pause", false}};
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    s.f.chkFast.value = row.fast ? 1 : 0;
    std::map<std::string, Buttons> seen;
    seen.emplace("idle before", buttons(s.f));
    s.tk.next([&] {
      seen.emplace("running", buttons(s.f));
      Command1_Click(s.f, kStart);
      seen.emplace("stopping", buttons(s.f));
      EXPECT_EQ(s.f.game.running, kFalse);
    });
    Command1_Click(s.f, kStart);
    seen.emplace("idle after", buttons(s.f));

    const std::map<std::string, Buttons> expected{{"idle before", kIdle},
                                                  {"running", kRunning},
                                                  {"stopping", kStopping},
                                                  {"idle after", kIdle}};
    EXPECT_EQ(seen, expected);
    // The round under way was played to its end, and no other.
    EXPECT_EQ(s.f.C.caption, "1");
    EXPECT_EQ(s.f.caption, "Check");
  }
}

TEST(RunControls, StopLeavesTheButtonDisabledUntilTheRoundEnds) {
  Started s;
  std::vector<Buttons> passes;
  s.tk.next([&] { Command1_Click(s.f, kStart); });
  // Every later pause of the round sees the stopping state.
  for (int pass = 2; pass <= 3; ++pass) s.tk.atPass(pass, [&] { passes.push_back(buttons(s.f)); });
  Command1_Click(s.f, kStart);
  EXPECT_EQ(passes, (std::vector<Buttons>{kStopping, kStopping}));
  EXPECT_EQ(buttons(s.f), kIdle);
  EXPECT_EQ(s.tk.beeps, 2);
}

TEST(RunControls, StepLocksForOneRoundAndStopDuringItChangesNothingElse) {
  struct Row {
    const char* name;
    bool pressStop;
    Buttons during;
  } table[] = {{"plain step", false, kRunning}, {"Stop pressed during the step", true, kStopping}};
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    s.f.chkFast.value = 1;
    Buttons during{};
    s.tk.next([&] {
      if (row.pressStop) Command1_Click(s.f, kStart);
      during = buttons(s.f);
    });
    Command1_Click(s.f, kStep);
    EXPECT_EQ(during, row.during);
    EXPECT_EQ(buttons(s.f), kIdle);
    EXPECT_EQ(s.f.C.caption, "1");
    EXPECT_TRUE(s.f.C.visible);
    EXPECT_EQ(s.f.game.ready, kTrue);
  }
}

// What a click on Start does follows the run state, whatever the caption
// says: the caption is only the view of it.
TEST(RunControls, StartButtonFollowsTheRunStateNotItsCaption) {
  struct Row {
    const char* name;
    const char* caption;
    Flag playing;
    bool startsARun;
  };
  for (const Row& row : {Row{"idle under a Stop caption", "Stop", kFalse, true},
                         Row{"idle under a stray caption", " Start", kFalse, true},
                         Row{"playing under a Start caption", "Start", kTrue, false},
                         Row{"playing under a stray caption", "", kTrue, false}}) {
    SCOPED_TRACE(row.name);
    Started s;
    s.f.chkFast.value = 1;
    s.f.Command1(kStart).caption = row.caption;
    s.f.game.playing = row.playing;
    s.f.game.running = row.playing;
    s.tk.atPass(1, [&] { Command1_Click(s.f, kStart); });
    Command1_Click(s.f, kStart);
    EXPECT_EQ(s.f.game.running, kFalse);
    if (row.startsARun) {
      EXPECT_EQ(s.f.game.round, 1);
      EXPECT_EQ(s.f.C.caption, "1");
      EXPECT_EQ(s.f.Command1(kStart).caption, "Start");
      EXPECT_TRUE(s.f.Command1(kStart).enabled);
    } else {
      EXPECT_EQ(s.f.game.ready, kFalse);
      EXPECT_FALSE(s.f.Command1(kStart).enabled);
      EXPECT_EQ(s.tk.eventPasses, 0);
    }
  }
}

TEST(RunControls, IndexesWithoutAButtonDoNothing) {
  for (std::int16_t index : {1, 5, -1, 32767}) {
    SCOPED_TRACE(index);
    Started s;
    s.f.game.running = kTrue;
    Command1_Click(s.f, index);
    EXPECT_EQ(s.f.game.running, kTrue);
    EXPECT_EQ(s.f.game.ready, kFalse);
    EXPECT_FALSE(s.f.C.visible);
    EXPECT_TRUE(s.tk.messages.empty());
    EXPECT_EQ(buttons(s.f), kIdle);
  }
}

TEST(RunControls, ResetClearsRunningAndBuildsAFreshGame) {
  Started s;
  s.f.chkFast.value = 1;
  Command1_Click(s.f, kStep);
  ASSERT_EQ(s.f.C.caption, "1");
  s.f.game.running = kTrue;
  Command1_Click(s.f, kReset);
  EXPECT_EQ(s.f.game.running, kFalse);
  EXPECT_EQ(s.f.game.ready, kTrue);
  EXPECT_EQ(s.f.C.caption, "0");
  EXPECT_EQ(s.f.game.nsamples, 0);
  EXPECT_EQ(buttons(s.f), kIdle);
}

TEST(RunControls, AnalyzeAfterAResetShowsTheReport) {
  Started s;
  Command1_Click(s.f, kReset);
  Command1_Click(s.f, kAnalyze);
  ASSERT_EQ(s.tk.messages.size(), 1u);
  EXPECT_EQ(s.tk.messages[0].rfind("On the left are listed", 0), 0u);
  EXPECT_NE(s.tk.messages[0].find("\r$0\t   0.0\t  15.0\t\r"), std::string::npos);
}

TEST(RunControls, AnalyzeDuringARunReportsTheSamplesSoFar) {
  Started s;
  s.f.chkFast.value = 1;
  std::int64_t samplesWhenAsked = -1;
  // The event pass of round 11, the first where Analyze is enabled again.
  s.tk.atPass(11, [&] {
    EXPECT_TRUE(s.f.Command1(kAnalyze).enabled);
    samplesWhenAsked = s.f.game.nsamples;
    Command1_Click(s.f, kAnalyze);
    Command1_Click(s.f, kStart);
  });
  Command1_Click(s.f, kStart);
  ASSERT_EQ(s.tk.messages.size(), 1u);
  const std::string& report = s.tk.messages[0];
  EXPECT_EQ(report.substr(report.rfind('\r') + 1),
            "after " + std::to_string(samplesWhenAsked) + " exchanges");
  EXPECT_EQ(s.f.C.caption, "11");
}

TEST(RunControls, FastBoxClickChangesNothingAtOnce) {
  Started s;
  s.f.chkFast.value = 1;
  chkFast_Click(s.f);
  EXPECT_EQ(s.f.chkFast.value, 1);
  EXPECT_EQ(s.f.game.ready, kFalse);
  EXPECT_EQ(buttons(s.f), kIdle);
  EXPECT_EQ(s.tk.beeps, 0);
}

// View's speeds and the fast box set one another: the mark follows whichever
// was used last, and the box, while ticked, wins over a pace.
TEST(RunControls, SpeedsFromTheViewMenuAndTheFastBox) {
  const struct {
    const char* name;
    std::function<void(Form1&)> act;
    std::int16_t fast;
    int pace;
    int checked;
  } rows[] = {
      {"as the window opens", [](Form1&) {}, 0, 0, kSlowSpeed},
      {"a hundred a second", [](Form1& f) { mnuSpeed_Click(f, 2); }, 0, 100, 2},
      {"fast from the menu ticks the box", [](Form1& f) { mnuSpeed_Click(f, kFastSpeed); }, 1, 0,
       kFastSpeed},
      {"the box ticked over a pace",
       [](Form1& f) {
         mnuSpeed_Click(f, 3);
         f.chkFast.value = 1;
       },
       1, 1000, kFastSpeed},
      {"the box cleared again: the pace runs",
       [](Form1& f) {
         mnuSpeed_Click(f, 1);
         f.chkFast.value = 1;
         f.chkFast.value = 0;
       },
       0, 10, 1},
      {"slow from the menu clears the box",
       [](Form1& f) {
         f.chkFast.value = 1;
         mnuSpeed_Click(f, kSlowSpeed);
       },
       0, 0, kSlowSpeed},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Started s;
    row.act(s.f);
    present(s.f);
    EXPECT_EQ(s.f.chkFast.value, row.fast);
    EXPECT_EQ(s.f.pace, row.pace);
    for (int k = 0; k < kSpeedCount; ++k) {
      EXPECT_EQ(s.f.mnuSpeed[static_cast<std::size_t>(k)].checked, k == row.checked) << k;
    }
  }
}

}  // namespace
}  // namespace ovali
