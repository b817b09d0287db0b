// What a user does to the window, decoded from the bytes and passed through
// the presenter as a front end passes it: clicks, edits, Enter, the fast
// box, options, help links, the View menu, the focus moved. A message box
// closes at once, or after one more act done while it is open; a run takes
// an act or nothing at each event pass and is stopped once the bytes or its
// share of passes run out. The clock and the draws are the fake toolkit's,
// set by the first two bytes.

#include <array>

#include "commands/routes.h"
#include "fuzz.h"
#include "view/presenter.h"

using namespace ovali;

namespace {

// Some twenty acts: inputs of 64 bytes reach every edge that inputs of 128
// do, nearly twice as many in the same time.
constexpr std::size_t kLongest = 64;
constexpr int kDeepest = 3;  // acts inside acts: boxes and runs
// Event passes an input may take before every run is stopped: enough for
// the eleven fast rounds that unlock Analyze, few enough to keep it quick.
constexpr int kPasses = 24;
// A front end shows a frame every sixtieth of a second, which a fast run
// passes in hundreds of rounds: a frame every sixteen passes is still many.
constexpr int kPassesPerFrame = 16;

// A surface that shows nothing: the presenter does all it does for a frame
// and what it sends goes nowhere.
struct Unseen : Surface {
  int handles = 0;
  int create(const Element&) override { return handles++; }
  bool frame() override { return false; }
  void title(std::string_view, std::string_view) override {}
  void text(int, std::string_view) override {}
  void look(int, Area, const Font&, const Color&, Alignment) override {}
  void place(int, Area, const Rect&) override {}
  void fit(int, Area, const Label&) override {}
  void fill(int, Area, const Color&) override {}
  void ends(int, Area, const Line&) override {}
  void visible(int, bool) override {}
  void enabled(int, bool) override {}
  void checked(int, bool) override {}
  void menu(int, const MenuItem&) override {}
  void select(int, Selection) override {}
  void name(int, std::string_view) override {}
  void describe(int, std::string_view) override {}
  void focus(int) override {}
  void historyDrawing(const Drawing&) override {}
  void history(bool, std::string_view) override {}
  void lab(bool) override {}
  void labView(const LabView&) override {}
  void labPicture(const Drawing&) override {}
  void copy(std::string_view) override {}
  void announce(Panel, std::string_view) override {}
  void raise(Panel) override {}
  int focused() const override { return kFocusNowhere; }
};

struct Session {
  testing::Started s;
  Unseen surface;
  Presenter presenter{s.f, surface, gameHandlers()};
  fuzz::Bytes in{nullptr, 0};
  int depth = 0;
};

// Texts for the fields: the bounds of each rule and what breaks them.
constexpr std::string_view kTexts[] = {
    "",     "0",   "1",     "2",     "3",   "10",    "30",   "31",       "60",
    "199",  "200", "201",   "-2",    "$30", "$ 30",  "30$",  "1e3",      "7.5",
    " 10 ", "abc", "32767", "32768", "15",  "1e999", "0x10", "\xC3\xA9",
};

// A text: one of the table's, or up to seven bytes of the input's own.
std::string textFrom(fuzz::Bytes& in) {
  const std::uint8_t b = in.byte();
  if (b & 0x80) return std::string(in.take(b & 7));
  return std::string(kTexts[b % std::size(kTexts)]);
}

constexpr Field kFieldsOf[] = {Field::txtNB, Field::txtDollars, Field::txtNTrade};
constexpr std::int16_t kLinks[] = {0, 1, 2, 3, -2, -3};
// History, Explorations lab, About and the speeds, as the presenter numbers
// the menu entries (Exit would end the program; the lab opens, not runs).
constexpr int kMenuEntries[] = {4, 5, 6, 7, 8, 9, 10, 11};
constexpr Focus kFocuses[] = {Focus::None,      Focus::txtNB,   Focus::txtDollars,
                              Focus::txtNTrade, Focus::Start,   Focus::Reset,
                              Focus::Step,      Focus::Analyze, Focus::chkFast};

template <class T, std::size_t N>
const T& pick(fuzz::Bytes& in, const T (&table)[N]) {
  return table[in.byte() % N];
}

// A control the window has locked takes no act: the front end delivers none.
bool buttonOn(const Form1& f, std::int16_t b) { return f.Command1(b).enabled; }
const TextBox& box(const Form1& f, Field field) {
  const TextBox* const boxes[] = {&f.txtNB, &f.txtDollars, &f.txtNTrade};
  return *boxes[static_cast<int>(field)];
}

void clickIfOn(Session& x, std::int16_t b) {
  if (buttonOn(x.s.f, b)) x.presenter.click(b);
}

struct Act {
  const char* name;  // for the message of a broken invariant
  void (*run)(Session&);
};

const Act kActs[] = {
    {"Start or Stop", [](Session& x) { clickIfOn(x, kStartStop); }},
    {"Reset", [](Session& x) { clickIfOn(x, kReset); }},
    {"Step", [](Session& x) { clickIfOn(x, kStep); }},
    {"Analyze", [](Session& x) { clickIfOn(x, kAnalyze); }},
    {"an edit",
     [](Session& x) {
       const Field field = pick(x.in, kFieldsOf);
       std::string text = textFrom(x.in);
       const int end = static_cast<int>(text.size());
       if (box(x.s.f, field).enabled) x.presenter.edited(field, std::move(text), {end, 0});
     }},
    {"Enter",
     [](Session& x) {
       const Field field = pick(x.in, kFieldsOf);
       if (box(x.s.f, field).enabled) x.presenter.enter(field);
     }},
    {"the fast box",
     [](Session& x) {
       if (x.s.f.chkFast.enabled) x.presenter.check(x.s.f.chkFast.value == 0);
     }},
    {"an option",
     [](Session& x) {
       const auto index = static_cast<std::int16_t>(x.in.byte() % 5);
       if (x.s.f.mnuOpt.enabled) x.presenter.option(index);
     }},
    {"a help link", [](Session& x) { x.presenter.link(pick(x.in, kLinks)); }},
    {"a menu item", [](Session& x) { x.presenter.menu(pick(x.in, kMenuEntries)); }},
    {"the focus moved", [](Session& x) { x.presenter.focused(pick(x.in, kFocuses)); }},
    {"Escape or F6 in a panel",
     [](Session& x) {
       const auto panel = static_cast<Panel>(x.in.byte() % 3);
       x.presenter.panelKey(panel, x.in.byte() % 2 ? PanelKey::Next : PanelKey::Escape);
     }},
    {"a key the game takes, or any other",
     [](Session& x) {
       const Field field = pick(x.in, kFieldsOf);
       const auto code = static_cast<std::int16_t>(x.in.byte() | (x.in.byte() << 8));
       if (box(x.s.f, field).enabled) x.presenter.key(field, code);
     }},
};

void act(Session& x) {
  const Act& a = pick(x.in, kActs);
  ++x.depth;
  a.run(x);
  --x.depth;
  fuzz::check(x.s.f, a.name);
}

// Where the clock starts: midnight, noon, and just before midnight, which a
// run and its pauses pass.
constexpr double kClocks[] = {0, 43200, 86399.5, 86399.99};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kLongest) return -1;
  Session x;
  x.in = fuzz::Bytes(data, size);
  x.s.tk.clock = pick(x.in, kClocks);
  x.s.tk.seed(x.in.byte());
  x.presenter.create();
  x.presenter.open();
  // Frames are paced as a front end paces them: the window is shown before
  // each box and every few event passes, not at each, so the game is also
  // met between two frames.
  x.s.tk.frame = nullptr;
  x.s.tk.onMessage = [&x](const std::string&) {
    x.presenter.sync();
    if (x.depth < kDeepest && x.in.byte() % 2 != 0) act(x);
  };
  x.s.tk.onPass = [&x] {
    if (x.s.tk.eventPasses % kPassesPerFrame == 0) x.presenter.sync();
    if (x.s.f.game.playing == kFalse) return;
    // Every run ends: once the bytes or the passes run out, or however deep
    // the acts go.
    if (x.in.empty() || x.s.tk.eventPasses > kPasses || x.depth >= kDeepest) {
      if (x.s.f.game.running != kFalse) x.presenter.click(kStartStop);
      return;
    }
    if (x.in.byte() % 4 == 0) act(x);
  };
  while (!x.in.empty()) act(x);
  if (x.s.f.game.playing != kFalse) fuzz::fail("the last act", "a run did not end");
  return 0;
}
