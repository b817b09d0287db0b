// Whole games from fixed seeds, compared with what the game did when this
// test was written: every caption, place and visibility of the window, the
// counts, sums and samples, and the analysis report, after 1, 10, 1,000 and
// 100,000 rounds and at every event pass of a slow round. A change that makes
// the game faster must leave all of it as it was.
//
// OVALI_GOLDEN_PRINT=1 prints the rows of tests/golden_data.inc instead of
// comparing; only a change meant to alter the game may record them anew.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "commands/options.h"
#include "commands/runcontrols.h"
#include "engine/transfer.h"
#include "toolkit/random.h"
#include "toolkit/text.h"
#include "view/form1.h"
#include "view/present.h"

namespace ovali {
namespace {

// Draws from the program's own generator; event passes run a hook, and the
// clock moves only when events are waited for.
class GoldenToolkit : public Toolkit {
 public:
  Random random;
  double clock = 0;
  std::string lastMessage;
  std::function<void()> onPass;

  void msgbox(std::string_view text) override { lastMessage = text; }
  void doevents() override {
    if (onPass) onPass();
  }
  void waitevents(double seconds) override {
    if (seconds > 0) clock += seconds;
    if (onPass) onPass();
  }
  void beep() override {}
  double timer() override { return clock; }
  void randomize() override {}
  double rnd() override { return random.next(); }
  Random* generator() override { return &random; }
  [[noreturn]] void end() override { std::abort(); }
};

// 64-bit FNV-1a.
class Digest {
 public:
  void add(std::string_view text) {
    for (const char c : text) {
      hash_ ^= static_cast<unsigned char>(c);
      hash_ *= 0x100000001B3u;
    }
    hash_ ^= 0xFF;  // ends the field, so that "1","23" differs from "12","3"
    hash_ *= 0x100000001B3u;
  }
  void add(std::int64_t number) { add(decimal(number)); }
  // Positions to a hundredth of a twip: the same on every standard library.
  void add(float twips) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(twips));
    add(std::string_view(text));
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325u;
};

void addLabels(Digest& d, const ControlArray<Label>& labels) {
  for (std::int16_t i = 0; i < labels.extent(); ++i) {
    const Label* l = labels.find(i);
    if (l == nullptr) {
      d.add("none");
      continue;
    }
    d.add(l->caption);
    d.add(std::int64_t{l->visible});
    d.add(l->left);
    d.add(l->top);
    d.add(std::int64_t{l->forecolor.r * 65536 + l->forecolor.g * 256 + l->forecolor.b});
  }
}

// Everything a user or the analysis can see of the window and the game.
void addWindow(Digest& d, const Form1& f) {
  d.add(f.caption);
  d.add(f.C.caption);
  d.add(std::int64_t{f.C.visible});
  addLabels(d, f.P);
  addLabels(d, f.T);
  addLabels(d, f.TS);
  addLabels(d, f.lbl2);
  for (std::int16_t i = 0; i < f.Acircle.extent(); ++i) {
    const Circle& c = f.Acircle(i);
    d.add(c.left);
    d.add(c.top);
    d.add(std::int64_t{c.visible});
  }
  for (const std::int16_t i : {0, 2, 3, 4}) {
    d.add(f.Command1(i).caption);
    d.add(std::int64_t{f.Command1(i).enabled});
  }
  for (const TextBox* box : {&f.txtNB, &f.txtDollars, &f.txtNTrade}) {
    d.add(box->text);
    d.add(std::int64_t{box->enabled});
  }
  d.add(std::int64_t{f.mnuOpt.enabled});
  const GameState& g = f.game;
  for (const std::int64_t n :
       {std::int64_t{g.running}, std::int64_t{g.ready}, std::int64_t{g.nplayers},
        std::int64_t{g.ndollars}, std::int64_t{g.units}, std::int64_t{g.maxlevel}, g.nsamples}) {
    d.add(n);
  }
  for (const std::int64_t sum : g.sumlevels) d.add(sum);
  for (const std::int16_t count : g.levels) d.add(std::int64_t{count});
  for (const std::int16_t count : g.outerlevels) d.add(std::int64_t{count});
}

struct Case {
  std::string name;
  std::uint64_t seed;
  const char* players;
  const char* dollars;
  const char* units;
  int options;  // bits of the Options items 0 to 4, clicked in that order
  // Players of a game played before this one, whose extra labels stay
  // hidden; 0 for none.
  const char* before = nullptr;
};

// What one checkpoint of a case looked like.
struct Row {
  std::string name;
  std::int64_t round;
  std::uint64_t digest;
  std::int64_t nsamples;
  std::int64_t maxlevel;
};

const std::vector<Row> kRecorded = {
#include "golden_data.inc"
};

constexpr std::int64_t kCheckpoints[] = {1, 10, 1000, 100000};

std::vector<Case> cases() {
  std::vector<Case> all{
      {"200 players $400 $1", 1, "200", "400", "1", 0},
      {"30 players $30 $1", 2, "30", "30", "1", 0},
      {"200 players $4000 $10", 3, "200", "4000", "10", 0},
      {"2 players $9 $1", 4, "2", "9", "1", 0},
      {"100 players $32000 $1", 5, "100", "32000", "1", 0},
      {"6 players $12 $2 after 200", 6, "6", "12", "2", 0, "200"},
      {"100 players $32000 $1 all to one apart", 7, "100", "32000", "1", 1 | 8},
  };
  // Every combination of the options that the menu can make: the three
  // deals exclude each other.
  for (int separate = 0; separate <= 1; ++separate) {
    for (const int deal : {0, 2, 4, 8}) {
      for (int random = 0; random <= 1; ++random) {
        const int bits = separate | deal | (random << 4);
        all.push_back({"10 players $24 $2 options " + std::to_string(bits),
                       100u + static_cast<std::uint64_t>(bits), "10", "24", "2", bits});
      }
    }
  }
  return all;
}

class Golden : public ::testing::TestWithParam<Case> {};

// Sets the fields and options as a user would and builds the game.
void setUp(Form1& f, const Case& c) {
  Form_Load(f);
  if (c.before != nullptr) {
    f.txtNB.text = c.before;
    Command1_Click(f, 2);
  }
  f.txtNB.text = c.players;
  f.txtDollars.text = c.dollars;
  f.txtNTrade.text = c.units;
  for (std::int16_t item = 0; item <= 4; ++item) {
    if ((c.options >> item) & 1) mnuO_Click(f, item);
  }
  Command1_Click(f, 2);
}

TEST_P(Golden, GamesPlayAsRecorded) {
  const Case& c = GetParam();
  GoldenToolkit tk;
  Form1 f(tk);
  setUp(f, c);
  tk.random.reseed(c.seed);

  const bool print = std::getenv("OVALI_GOLDEN_PRINT") != nullptr;
  std::vector<Row> rows;
  std::int64_t played = 0;

  // One slow round, its window taken at each of its event passes.
  auto slowStep = [&](Digest& d) {
    f.chkFast.value = 0;
    // A front end brings the window up to the game before it shows a frame.
    tk.onPass = [&] {
      present(f);
      flushsums(f.game);
      addWindow(d, f);
    };
    Command1_Click(f, 3);
    tk.onPass = nullptr;
    ++played;
  };
  // A fast run stopped by a click in the event pass of round `until`.
  auto fastRun = [&](std::int64_t until) {
    f.chkFast.value = 1;
    tk.onPass = [&] {
      if (++played == until) Command1_Click(f, 0);
    };
    Command1_Click(f, 0);
    tk.onPass = nullptr;
  };
  auto record = [&](Digest& d) {
    flushsums(f.game);
    addWindow(d, f);
    Command1_Click(f, 4);
    d.add(tk.lastMessage);
    rows.push_back({c.name, played, d.value(), f.game.nsamples, f.game.maxlevel});
  };

  for (const std::int64_t checkpoint : kCheckpoints) {
    Digest d;
    if (checkpoint == 1) {
      slowStep(d);
    } else {
      fastRun(checkpoint);
    }
    record(d);
  }
  Digest last;
  slowStep(last);
  record(last);

  if (print) {
    for (const Row& r : rows) {
      std::printf("{\"%s\", %lld, 0x%016llXu, %lld, %lld},\n", r.name.c_str(),
                  static_cast<long long>(r.round), static_cast<unsigned long long>(r.digest),
                  static_cast<long long>(r.nsamples), static_cast<long long>(r.maxlevel));
    }
    return;
  }
  for (const Row& r : rows) {
    SCOPED_TRACE("after round " + std::to_string(r.round));
    const Row* expected = nullptr;
    for (const Row& e : kRecorded) {
      if (e.name == r.name && e.round == r.round) expected = &e;
    }
    ASSERT_NE(expected, nullptr) << "no recorded row";
    EXPECT_EQ(r.nsamples, expected->nsamples);
    EXPECT_EQ(r.maxlevel, expected->maxlevel);
    EXPECT_EQ(r.digest, expected->digest);
  }
}

std::string rowName(const ::testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char ch : std::string_view(info.param.name)) {
    name += (std::isalnum(static_cast<unsigned char>(ch)) != 0) ? ch : '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Recorded, Golden, ::testing::ValuesIn(cases()), rowName);

}  // namespace
}  // namespace ovali
