#include "view/presenter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "commands/routes.h"
#include "game_fixture.h"
#include "view/look.h"

namespace ovali {
namespace {

using testing::Game;

// A surface that writes down every call, by the element's id.
struct Recording : Surface {
  std::vector<std::string> ids;
  std::vector<std::string> calls;
  bool scaledAnew = false;
  bool owns = false;  // as the desktop's widgets, the truth of focus and selection
  int focus_ = -1;
  std::vector<Selection> selections;

  int create(const Element& e) override {
    ids.push_back(e.id);
    selections.emplace_back();
    return static_cast<int>(ids.size()) - 1;
  }
  void note(int h, const std::string& what) { calls.push_back(what + " " + ids.at(h)); }
  bool frame() override { return std::exchange(scaledAnew, false); }
  void title(std::string_view caption, std::string_view full) override {
    calls.push_back("title " + std::string(caption) + " | " + std::string(full));
  }
  void text(int h, std::string_view t) override { note(h, "text " + std::string(t)); }
  void look(int h, Area, const Font& font, const Color& color, Alignment a) override {
    static const char* const kAlignments[] = {"left", "right", "centre"};
    note(h, "look " + std::to_string(font.points) + " " + hexColor(color) + " " +
                kAlignments[static_cast<int>(a)]);
  }
  void place(int h, Area area, const Rect& r) override {
    static const char* const kAreas[] = {"Board", "Inputs",   "Ladder",
                                         "Links", "Controls", "Counter"};
    note(h, std::string("place ") + kAreas[static_cast<int>(area)] + " " +
                std::to_string(static_cast<int>(r.top)) + " " +
                std::to_string(static_cast<int>(r.height)));
  }
  void fit(int h, Area, const Label&) override { note(h, "fit"); }
  void fill(int h, Area, const Color& c) override { note(h, "fill " + hexColor(c)); }
  void ends(int h, Area, const Line& l) override {
    note(h, "ends " + std::to_string(static_cast<int>(l.x2)));
  }
  void visible(int h, bool on) override { note(h, std::string("visible ") + (on ? "1" : "0")); }
  void enabled(int h, bool on) override { note(h, std::string("enabled ") + (on ? "1" : "0")); }
  void checked(int h, bool on) override { note(h, std::string("checked ") + (on ? "1" : "0")); }
  void menu(int h, const MenuItem& m) override {
    note(h, std::string("menu ") + (m.checked ? "checked" : "unchecked"));
  }
  void select(int h, Selection s) override {
    selections.at(h) = s;
    note(h, "select " + std::to_string(s.start) + " " + std::to_string(s.length));
  }
  void name(int h, std::string_view n) override { note(h, "name " + std::string(n)); }
  void describe(int h, std::string_view d) override { note(h, "describe " + std::string(d)); }
  void focus(int h) override {
    focus_ = h;
    note(h, "focus");
  }
  void historyDrawing(const Drawing&) override { calls.emplace_back("drawing"); }
  void history(bool open, std::string_view help) override {
    calls.push_back(std::string("history ") + (open ? "1" : "0") + (help.empty() ? "" : " help"));
  }
  void lab(bool open) override { calls.push_back(std::string("lab ") + (open ? "1" : "0")); }
  void labView(const LabView& v) override {
    shownLab = v;
    calls.push_back("lab view " + v.progress);
  }
  void labPicture(const Drawing&) override { calls.emplace_back("lab picture"); }
  void copy(std::string_view text) override { copied = std::string(text); }
  void announce(Panel where, std::string_view text) override {
    calls.push_back("announce " + std::to_string(static_cast<int>(where)) + " " +
                    std::string(text));
  }
  void raise(Panel panel) override {
    calls.push_back("raise " + std::to_string(static_cast<int>(panel)));
  }
  std::string query() const override { return opened; }
  void address(std::string_view q) override { calls.push_back("address " + std::string(q)); }
  std::string opened;  // the address's query
  LabView shownLab;
  std::string copied;
  bool ownsSelection() const override { return owns; }
  int focused() const override { return focus_; }
  Selection selection(int h) const override { return selections.at(h); }

  int count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
  bool has(const std::string& call) const { return count(call) > 0; }
};

// A window of 10 players on a recording surface, shown once.
struct Shown : Game {
  Recording surface;
  Presenter presenter{f, surface, gameHandlers()};
  explicit Shown(bool owns = false) : Game("10", "20", "1") {
    surface.owns = owns;
    presenter.create();
    presenter.sync();
    first = std::exchange(surface.calls, {});
  }
  std::vector<std::string> first;  // what the window opened with
  std::vector<std::string> syncCalls() {
    surface.calls.clear();
    presenter.sync();
    return surface.calls;
  }
  // The user moves the focus on the surface, which tells the presenter.
  bool userMoves(Focus to, Arrival how = Arrival::User) {
    surface.focus_ = presenter.handleOf(to);
    return presenter.focused(to, how);
  }
};

// Each row changes one thing of one kind of control; the next frame must
// send it exactly once, and the frame after it nothing at all.
struct SendCase {
  const char* name;
  std::function<void(Form1&)> change;
  const char* sent;
};

const SendCase kSendCases[] = {
    {"button hidden", [](Form1& f) { f.Command1(4).visible = false; }, "visible 0 Command1_4"},
    {"button locked", [](Form1& f) { f.Command1(3).enabled = false; }, "enabled 0 Command1_3"},
    {"button caption", [](Form1& f) { f.Command1(0).caption = "Stop"; }, "text Stop Command1_0"},
    {"check box ticked", [](Form1& f) { f.chkFast.value = 0; }, "checked 0 chkFast"},
    {"circle fill", [](Form1& f) { f.Acircle(0).fillcolor = kRed; }, "fill #ff0000 Acircle_0"},
    {"circle hidden", [](Form1& f) { f.Acircle(1).visible = false; }, "visible 0 Acircle_1"},
    {"rung end", [](Form1& f) { f.Line1(0).x2 = 5000; }, "ends 5000 Line1_0"},
    {"rung hidden", [](Form1& f) { f.Line1(1).visible = false; }, "visible 0 Line1_1"},
    {"unseen line end", [](Form1& f) { f.Line2.x2 = 4321; }, "ends 4321 Line2"},
    {"menu check mark", [](Form1& f) { f.mnuO(4).checked = true; }, "menu checked mnuO_4"},
    {"menu bar item", [](Form1& f) { f.mnuHistory.checked = true; }, "menu checked mnuHistory"},
    {"field selection", [](Form1& f) { f.txtDollars.selstart = 1; }, "select 1 0 txtDollars"},
    {"field selection cut to the text",
     [](Form1& f) {
       f.txtNTrade.selstart = 7;
       f.txtNTrade.sellength = 3;
     },
     "select 1 0 txtNTrade"},
    {"field text", [](Form1& f) { f.txtNTrade.text = "3"; }, "text 3 txtNTrade"},
    {"field locked", [](Form1& f) { f.txtNB.enabled = false; }, "enabled 0 txtNB"},
    {"label height", [](Form1& f) { f.Label2.height = 999; }, "place Inputs 2460 999 Label2"},
    {"label colour", [](Form1& f) { f.label1.forecolor = kRed; },
     "look 24.000000 #ff0000 right label1"},
    {"link hidden", [](Form1& f) { f.Label3(2).visible = false; }, "visible 0 Label3_2"},
    {"player's money", [](Form1& f) { f.game.holdings[3] = 7; }, "text 7 P_3"},
    {"player's money fitted", [](Form1& f) { f.game.holdings[3] = 7; }, "fit P_3"},
    {"round read out", [](Form1& f) { f.game.round = 5; }, "name Round: 5 C"},
    {"rung colour", [](Form1& f) { f.Line1(2).bordercolor = kRed; }, "ends 7980 Line1_2"},
    {"player read out", [](Form1& f) { f.game.holdings[3] = 7; },
     "name Player 4 of 10, inner ring: $7 P_3"},
    {"player renamed with the number of players", [](Form1& f) { f.game.nplayers = 8; },
     "name Player 4 of 8, inner ring: $2 P_3"},
    {"count renamed", [](Form1& f) { f.TS(0).visible = true; },
     "name Inner-ring players with $0: 0 T_0"},
    {"label height fitted", [](Form1& f) { f.Label2.height = 999; }, "fit Label2"},
    {"field text reselected", [](Form1& f) { f.txtNTrade.text = "3"; }, "select 0 0 txtNTrade"},
};

class Sends : public ::testing::TestWithParam<SendCase> {};

TEST_P(Sends, WhatChangedOnce) {
  Shown window;
  const SendCase& row = GetParam();
  row.change(window.f);
  const std::vector<std::string> sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), row.sent), 1) << ::testing::PrintToString(sent);
  EXPECT_EQ(window.syncCalls(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Presenter, Sends, ::testing::ValuesIn(kSendCases), [](const auto& info) {
  std::string name = info.param.name;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
  return name;
});

TEST(Presenter, NamesEveryControlInTabOrderFirst) {
  Shown window;
  // After the menus: seven entries, five options and the speeds.
  constexpr int kMenuElements = 12 + kSpeedCount;
  const std::vector<std::string> first(window.surface.ids.begin() + kMenuElements,
                                       window.surface.ids.begin() + kMenuElements + 8);
  EXPECT_EQ(first, (std::vector<std::string>{"txtNB", "Command1_3", "txtDollars", "Command1_2",
                                             "Command1_0", "Command1_4", "chkFast", "txtNTrade"}));
  for (const char* call :
       {"name Players: txtNB", "name Round: 0 C", "name Players board",
        "name Player 4 of 10, inner ring: $2 P_3", "name Player 1 of 10, outer ring: $2 P_0",
        "describe Help link Label3_1", "name Players with $2: 10 T_2",
        "name Outer-ring players with $2: 0 TS_2"}) {
    EXPECT_EQ(std::count(window.first.begin(), window.first.end(), call), 1) << call;
  }
  EXPECT_EQ(std::count_if(window.first.begin(), window.first.end(),
                          [](const std::string& c) { return c.rfind("title ", 0) == 0; }),
            1);
  for (Focus focus : Form1::tabOrder) {
    EXPECT_EQ(window.presenter.focusOf(window.presenter.handleOf(focus)), focus);
  }
  for (const char* id : {"mnuFile", "mnuexit", "mnuO_0", "mnuO_4", "Label2", "C", "board", "P_9",
                         "lbl2_0", "T_0", "TS_0", "Label3_3", "Acircle_3", "Line1_0"}) {
    EXPECT_NE(std::find(window.surface.ids.begin(), window.surface.ids.end(), id),
              window.surface.ids.end())
        << id;
  }
}

TEST(Presenter, ScaledAnewSendsEveryPlaceAndLookOnce) {
  Shown window;
  window.surface.scaledAnew = true;
  const std::vector<std::string> sent = window.syncCalls();
  for (const char* call :
       {"place Inputs 2460 555 Label2", "place Counter 6480 300 C",
        "look 24.000000 #000000 left txtNB", "place Inputs 3300 555 txtDollars",
        "place Controls 6480 315 Command1_4", "look 8.250000 #000000 left chkFast",
        "look 8.250000 #000000 centre Command1_0"}) {
    EXPECT_EQ(std::count(sent.begin(), sent.end(), call), 1) << call;
  }
  // The markers of players 0 and 1 stand on the board, the others on the ladder.
  const auto placedIn = [&sent](const std::string& area, const std::string& id) {
    return std::count_if(sent.begin(), sent.end(), [&](const std::string& s) {
      return s.rfind("place " + area + " ", 0) == 0 && s.size() > id.size() &&
             s.compare(s.size() - id.size() - 1, std::string::npos, " " + id) == 0;
    });
  };
  EXPECT_EQ(placedIn("Board", "Acircle_1"), 1);
  EXPECT_EQ(placedIn("Ladder", "Acircle_2"), 1);
  EXPECT_EQ(placedIn("Ladder", "Acircle_3"), 1);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "ends 7980 Line1_0"), 1);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "fill #0000ff Acircle_0"), 1);
  EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                          [](const std::string& s) { return s.rfind("text", 0) == 0; }),
            0);
}

// What a user's act on the surface calls in the game.
struct Routed {
  static std::vector<std::string>& log() {
    static std::vector<std::string> calls;
    return calls;
  }
  static void note(const std::string& s) { log().push_back(s); }
  template <int I>
  static void change(Form1&) {
    note("change " + std::to_string(I));
  }
  template <int I>
  static void gotFocus(Form1&) {
    note("gotFocus " + std::to_string(I));
  }
  template <int I>
  static void keyPress(Form1&, std::int16_t& k) {
    note("keyPress " + std::to_string(I) + " " + std::to_string(k));
  }
  static const Handlers& handlers() {
    static const Handlers h{
        [](Form1&, std::int16_t i) { note("click " + std::to_string(i)); },
        [](Form1& f) { note("fast " + std::to_string(f.chkFast.value)); },
        {change<0>, change<1>, change<2>},
        {gotFocus<0>, gotFocus<1>, gotFocus<2>},
        {keyPress<0>, keyPress<1>, keyPress<2>},
        [](Form1&, std::int16_t i) { note("option " + std::to_string(i)); },
        [](Form1&, std::int16_t i) { note("link " + std::to_string(i)); },
        [](Form1&) { note("exit"); },
        [](Form1&) { note("history"); },
        [](Form1&) { note("lab"); },
        [](Form1&) { note("about"); },
        [](Form1&, std::int16_t i) { note("speed " + std::to_string(i)); },
        [](Form1&, std::string_view q) { note("address " + std::string(q)); },
        [](const Form1&) { return std::string(); },
        [] { return std::string("help"); },
    };
    return h;
  }
};

struct RouteCase {
  const char* name;
  std::function<void(Presenter&)> act;
  std::vector<std::string> calls;
};

const RouteCase kRouteCases[] = {
    {"Enter in players", [](Presenter& p) { p.enter(Field::txtNB); }, {"keyPress 0 13"}},
    {"Enter in dollars", [](Presenter& p) { p.enter(Field::txtDollars); }, {"keyPress 1 13"}},
    {"Enter in units", [](Presenter& p) { p.enter(Field::txtNTrade); }, {"keyPress 2 13"}},
    {"typing in units",
     [](Presenter& p) {
       p.edited(Field::txtNTrade, "4", {1, 0});
     },
     {"change 2"}},
    {"focus to dollars", [](Presenter& p) { p.focused(Focus::txtDollars); }, {"gotFocus 1"}},
    {"focus to a button", [](Presenter& p) { p.focused(Focus::Reset); }, {}},
    {"Step", [](Presenter& p) { p.click(kStep); }, {"click 3"}},
    {"fast", [](Presenter& p) { p.check(false); }, {"fast 0"}},
    {"option", [](Presenter& p) { p.option(3); }, {"option 3"}},
    {"link", [](Presenter& p) { p.link(2); }, {"link 2"}},
    {"File, Exit", [](Presenter& p) { p.menu(1); }, {"exit"}},
    {"View, History", [](Presenter& p) { p.menu(4); }, {"history"}},
    {"View, Explorations lab", [](Presenter& p) { p.menu(5); }, {"lab"}},
    {"About", [](Presenter& p) { p.menu(6); }, {"about"}},
    {"View, a hundred rounds a second", [](Presenter& p) { p.menu(9); }, {"speed 2"}},
    {"View, fast", [](Presenter& p) { p.menu(11); }, {"speed 4"}},
    {"a bar entry that opens a menu", [](Presenter& p) { p.menu(2); }, {}},
    {"no such entry", [](Presenter& p) { p.menu(99); }, {}},
};

TEST(Presenter, RoutesEachActToItsHandler) {
  for (const RouteCase& row : kRouteCases) {
    SCOPED_TRACE(row.name);
    Game game("10", "20", "1");
    Recording surface;
    Presenter presenter(game.f, surface, Routed::handlers());
    presenter.create();
    Routed::log().clear();
    row.act(presenter);
    EXPECT_EQ(Routed::log(), row.calls);
  }
}

TEST(Presenter, WhatTheUserDidIsNotSentBack) {
  Shown window;
  window.presenter.edited(Field::txtNB, "12", {2, 0});
  EXPECT_EQ(window.f.txtNB.text, "12");
  EXPECT_EQ(window.syncCalls(), std::vector<std::string>{});
  window.presenter.check(false);
  window.syncCalls();
  EXPECT_FALSE(window.surface.has("checked 0 chkFast"));
  window.presenter.selected(Field::txtNB, {0, 1});
  EXPECT_EQ(window.syncCalls(), std::vector<std::string>{});
}

// Where the focus goes, as the window's rules say: Enter moves on from
// field to field, and the third resets and puts it on Start; a field that
// gets the focus selects its text.
TEST(Presenter, EnterMovesTheFocusOn) {
  Shown window;
  window.userMoves(Focus::txtNB);
  window.syncCalls();
  window.presenter.enter(Field::txtNB);
  EXPECT_EQ(window.syncCalls(),
            std::vector<std::string>({"focus txtDollars", "select 0 2 txtDollars"}));
  window.presenter.enter(Field::txtDollars);
  EXPECT_EQ(window.syncCalls(),
            std::vector<std::string>({"focus txtNTrade", "select 0 1 txtNTrade"}));
  window.presenter.enter(Field::txtNTrade);
  const std::vector<std::string> sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "focus Command1_0"), 1);
  // The user's own move is not sent back.
  window.userMoves(Focus::Reset);
  window.syncCalls();
  EXPECT_FALSE(window.surface.has("focus Command1_2"));
}

struct ArrivalCase {
  const char* name;
  Focus game;     // where the game has the focus
  bool locked;    // that control is locked
  Focus arrives;  // where the window's activation or the front end put it
  Arrival how;
  bool taken;  // the game takes it as the user's move
};

const ArrivalCase kArrivalCases[] = {
    {"back where it was", Focus::Start, false, Focus::Start, Arrival::Activation, false},
    {"clicked elsewhere", Focus::Start, false, Focus::txtDollars, Arrival::Activation, true},
    {"stand-in for a locked Step", Focus::Step, true, Focus::txtDollars, Arrival::Activation,
     false},
    {"the window opens", Focus::None, false, Focus::txtNB, Arrival::Activation, true},
    {"the front end's own move", Focus::Start, false, Focus::Reset, Arrival::Program, false},
};

TEST(Presenter, FocusAfterTheWindowIsActivatedAgain) {
  for (const ArrivalCase& row : kArrivalCases) {
    SCOPED_TRACE(row.name);
    Shown window(true);
    window.f.focus = row.game;
    if (row.locked) window.f.Command1(3).enabled = false;
    EXPECT_EQ(window.presenter.focused(row.arrives, row.how), row.taken);
    EXPECT_EQ(window.f.focus, row.taken ? row.arrives : row.game);
  }
}

// Where the surface owns the focus and the selection, the presenter asks it.
TEST(Presenter, AskedSurfaceGetsFocusBackWhenUnlocked) {
  Shown window(true);
  window.f.focus = Focus::Step;
  window.f.Command1(3).enabled = false;
  window.syncCalls();
  EXPECT_FALSE(window.surface.has("focus Command1_3"));
  window.f.Command1(3).enabled = true;
  const std::vector<std::string> sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "focus Command1_3"), 1);
  // Focused by the surface itself, it is not focused again.
  EXPECT_EQ(window.syncCalls(), std::vector<std::string>{});
}

TEST(Presenter, AskedSurfaceShowsTheSelectionOfTheFocusedFieldOnly) {
  Shown window(true);
  window.userMoves(Focus::txtDollars);
  std::vector<std::string> sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "select 0 2 txtDollars"), 1);
  // A field that lost the focus is shown from its start, and the model
  // reads back what the surface shows.
  window.surface.selections[window.presenter.handleOf(Field::txtNB)] = {1, 1};
  window.f.txtNB.selstart = window.f.txtNB.sellength = 1;
  sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "select 0 0 txtNB"), 1);
  EXPECT_EQ(window.f.txtNB.sellength, 0);
  window.presenter.selected(Field::txtDollars, {1, 0});
  EXPECT_EQ(window.f.txtDollars.selstart, 1);
  // What the game selects is cut to the text, counted as a text box counts it.
  window.f.txtDollars.text =
      "\xF0\x9F\x98\x80"
      "1";
  window.f.txtDollars.selstart = 0;
  window.f.txtDollars.sellength = 99;
  sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "select 0 3 txtDollars"), 1)
      << ::testing::PrintToString(sent);
  EXPECT_EQ(window.f.txtDollars.sellength, 3);
  window.f.txtDollars.selstart = 1;
  window.f.txtDollars.sellength = 99;
  sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "select 1 2 txtDollars"), 1)
      << ::testing::PrintToString(sent);
}

// On a surface that does not own the selection, a selection the game has
// set and not yet shown wins over the surface's report.
TEST(Presenter, UnshownSelectionWinsOverTheSurfaces) {
  Shown window;
  window.userMoves(Focus::txtDollars);
  window.presenter.selected(Field::txtDollars, {2, 0});
  EXPECT_EQ(window.f.txtDollars.sellength, 2);
  window.syncCalls();
  window.presenter.selected(Field::txtDollars, {2, 0});
  EXPECT_EQ(window.f.txtDollars.selstart, 2);
  EXPECT_EQ(window.f.txtDollars.sellength, 0);
}

// A surface that writes down the index each element is reported back by.
struct Indexing : Recording {
  std::vector<int> indexes;
  int create(const Element& e) override {
    indexes.push_back(e.index);
    return Recording::create(e);
  }
};

TEST(Presenter, OpensWithTheFirstFieldSelectedAndEachElementUnderItsIndex) {
  Game game("10", "20", "1");
  Indexing surface;
  Presenter presenter(game.f, surface, gameHandlers());
  presenter.create();
  presenter.open();
  presenter.sync();
  EXPECT_TRUE(surface.has("focus txtNB"));
  EXPECT_TRUE(surface.has("select 0 2 txtNB"));
  for (std::size_t h = 0; h < surface.ids.size(); ++h) {
    const std::string& id = surface.ids[h];
    for (const std::string array : {"Command1_", "Label3_", "mnuO_"}) {
      if (id.rfind(array, 0) == 0) {
        EXPECT_EQ(id, array + std::to_string(surface.indexes[h]));
      }
    }
  }
  EXPECT_EQ(surface.indexes[static_cast<std::size_t>(presenter.handleOf(Field::txtNTrade))], 2);
}

// A control the game unlocks and focuses in one frame is unlocked first: a
// front end cannot focus a locked control.
TEST(Presenter, UnlocksBeforeItFocuses) {
  Shown window;
  window.f.Command1(kStep).enabled = false;
  window.syncCalls();
  window.f.Command1(kStep).enabled = true;
  window.f.focus = Focus::Step;
  EXPECT_EQ(window.syncCalls(),
            std::vector<std::string>({"enabled 1 Command1_3", "focus Command1_3"}));
}

// The history records a round only after a frame the screen has shown.
TEST(Presenter, MarksTheFrameShownForTheHistory) {
  Shown window;
  window.f.historyFrameShown = false;
  window.syncCalls();
  EXPECT_TRUE(window.f.historyFrameShown);
}

// The history view is drawn only while it is open, and it opens with the
// game as it stands, even when a run has drawn it a moment ago.
TEST(Presenter, DrawsTheHistoryOnlyWhileItIsOpen) {
  using Calls = std::vector<std::string>;
  Shown window;
  Form1& f = window.f;
  const auto played = [&f] {
    const std::int64_t round = f.history.points().empty() ? 0 : f.history.points().back().round;
    f.history.offer({round + 1, {1, 1.9, 0.3, 0.6}, {1, 1.9, 0.3, 0.6}});
  };
  played();
  EXPECT_EQ(window.syncCalls(), Calls{}) << "closed";
  f.mnuHistory.checked = true;
  EXPECT_EQ(window.syncCalls(), (Calls{"menu checked mnuHistory", "drawing", "history 1 help"}));
  EXPECT_EQ(window.syncCalls(), Calls{});
  f.mnuHistory.checked = false;
  EXPECT_EQ(window.syncCalls(), (Calls{"menu unchecked mnuHistory", "history 0", "raise 0"}));
  f.game.running = kTrue;  // a run redraws it a few times a second at most
  played();
  f.mnuHistory.checked = true;
  EXPECT_EQ(window.syncCalls(), (Calls{"menu checked mnuHistory", "drawing", "history 1 help"}));
}

// Events keep running inside the game's message boxes, so an act that came
// just before a box of the input check opened reaches the game there.
struct InsideBox {
  Shown window;
  bool acted = false;

  // Types the fields, then does `outer`; `inside` runs in the first box
  // whose text begins with `box`.
  InsideBox(const char* players, const char* dollars, const char* units, std::int16_t outer,
            const char* box, std::function<void(Presenter&)> inside) {
    window.presenter.edited(Field::txtNB, players, {});
    window.presenter.edited(Field::txtDollars, dollars, {});
    window.presenter.edited(Field::txtNTrade, units, {});
    window.tk.messages.clear();
    window.tk.onMessage = [this, box, inside](const std::string& text) {
      if (acted || !inside || text.rfind(box, 0) != 0) return;
      acted = true;
      inside(window.presenter);
    };
    // A run that got in is stopped rather than left to spin.
    window.tk.onPass = [this] {
      if (window.tk.eventPasses > 100) window.f.game.running = kFalse;
    };
    window.presenter.click(outer);
  }

  std::vector<std::string> fields() const {
    return {window.f.txtNB.text, window.f.txtDollars.text, window.f.txtNTrade.text};
  }
  std::vector<std::string> broken() const {
    std::vector<std::string> wrong = testing::brokenInputs(window.f);
    for (std::string& w : testing::brokenBooks(window.f)) wrong.push_back(std::move(w));
    return wrong;
  }
};

struct InputBox {
  const char* name;
  const char* players;
  const char* dollars;
  const char* units;
  const char* box;  // how its text begins
};

const InputBox kInputBoxes[] = {
    {"players not whole", "12abc", "30", "1", "The number of players must be a whole"},
    {"players odd", "31", "30", "1", "The number of players must be even."},
    {"players above 200", "300", "30", "1", "The number of players must be no more"},
    {"players below 2", "0", "30", "1", "The number of players must be at least"},
    {"dollars not whole", "30", "30.5", "1", "The number of dollars total must be a whole"},
    {"dollars below 1", "30", "0", "1", "The number of dollars total must be at least"},
    {"dollars above the most", "30", "40000", "1", "The number of dollars total must be no more"},
    {"units not whole", "30", "30", "2.5", "The number of dollars to be traded must be a whole"},
    {"units not dividing", "30", "30", "4", "The number of dollars to be traded must be at least"},
};

// Whatever deals arrives inside a box is dropped: the game comes out as
// the same typing and click make it without the act, every box shown once.
TEST(Presenter, DealingActsInsideTheChecksBoxesAreDropped) {
  const struct {
    const char* name;
    std::function<void(Presenter&)> act;
  } acts[] = {
      {"Reset", [](Presenter& p) { p.click(kReset); }},
      {"Step", [](Presenter& p) { p.click(kStep); }},
      {"Start", [](Presenter& p) { p.click(kStartStop); }},
      {"a dealing option", [](Presenter& p) { p.option(1); }},
      {"random exchange, which tells", [](Presenter& p) { p.option(4); }},
      {"Enter in players", [](Presenter& p) { p.enter(Field::txtNB); }},
      {"Enter in dollars", [](Presenter& p) { p.enter(Field::txtDollars); }},
      {"Enter in units", [](Presenter& p) { p.enter(Field::txtNTrade); }},
  };
  for (const InputBox& box : kInputBoxes) {
    for (const std::int16_t outer : {kStep, kReset}) {
      const InsideBox plain(box.players, box.dollars, box.units, outer, box.box, nullptr);
      for (const auto& act : acts) {
        SCOPED_TRACE(std::string(act.name) + " inside the box of " + box.name +
                     (outer == kStep ? ", from Step" : ", from Reset"));
        const InsideBox run(box.players, box.dollars, box.units, outer, box.box, act.act);
        ASSERT_TRUE(run.acted);
        EXPECT_EQ(run.window.tk.messages, plain.window.tk.messages);
        EXPECT_EQ(run.fields(), plain.fields());
        EXPECT_EQ(run.window.f.C.caption, plain.window.f.C.caption);
        EXPECT_EQ(run.window.f.game.inneronly, kFalse);
        EXPECT_EQ(run.broken(), std::vector<std::string>{});
      }
    }
  }
}

// A field typed into while a box is open is checked before the game uses
// it: by the rule whose box it was, or by a check that runs again.
TEST(Presenter, AFieldEditedInsideABoxIsCheckedBeforeTheGameUsesIt) {
  const InputBox& odd = kInputBoxes[1];
  const InputBox& noDollars = kInputBoxes[5];
  const InputBox& notDividing = kInputBoxes[8];
  const struct {
    const char* name;
    const InputBox* opened;
    const char* typed;  // into the players' field
    std::vector<std::string> messages;
    const char* players;
  } rows[] = {
      {"the odd count checked is the one raised", &odd, "32", {odd.box}, "32"},
      {"players raised too high after their check",
       &noDollars,
       "1000",
       {"The number of dollars total must be at least $1.",
        "The number of players must be no more than 200."},
       "200"},
      {"players made negative in the last box",
       &notDividing,
       "-4",
       {"The number of dollars to be traded must be at least $1, divisible evenly into $30 and no "
        "more than $30.",
        "The number of players must be at least 2."},
       "2"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string typed = row.typed;
    const InputBox& box = *row.opened;
    const InsideBox run(box.players, box.dollars, box.units, kStep, box.box,
                        [typed](Presenter& p) { p.edited(Field::txtNB, typed, {}); });
    ASSERT_TRUE(run.acted);
    EXPECT_EQ(run.window.tk.messages, row.messages);
    EXPECT_EQ(run.window.f.txtNB.text, row.players);
    EXPECT_EQ(run.broken(), std::vector<std::string>{});
  }
}

// The lab's panel: a small plan played one game a frame on the test's
// thread, as the page does where it has no workers.
struct LabShown : Shown {
  LabShown() {
    presenter.lab().usePlan({2, 100, 400, 5, 3});
    presenter.menu(5);
    presenter.sync();
  }
  // Frames until the run is over; how many it took.
  int runOut() {
    int frames = 0;
    for (; presenter.labRunning() && frames < 100; ++frames) presenter.sync();
    return frames;
  }
};

TEST(PresenterLab, OpensFilledRunsToItsAnswerAndCopiesIt) {
  Shown closed;
  closed.presenter.menu(5);
  const std::vector<std::string> opening = closed.syncCalls();
  const auto at = [&](const char* call) {
    return std::find(opening.begin(), opening.end(), call) - opening.begin();
  };
  EXPECT_LT(at("lab picture"), at("lab 1"));
  EXPECT_LT(at("lab view "), at("lab 1"));

  LabShown w;
  w.presenter.labRun();
  w.presenter.sync();
  EXPECT_EQ(w.surface.shownLab.run, "&Stop");
  EXPECT_EQ(w.surface.shownLab.progress.rfind("1 of 4 games, about ", 0), 0u)
      << w.surface.shownLab.progress;
  EXPECT_EQ(w.runOut(), 3);
  const LabView& v = w.surface.shownLab;
  EXPECT_EQ(v.run, "&Run");
  EXPECT_EQ(v.done, 4);
  EXPECT_EQ(v.progress.rfind("4 of 4 games in ", 0), 0u) << v.progress;
  EXPECT_EQ(v.sentence.rfind("Doubling the money from $20 to $40", 0), 0u) << v.sentence;
  EXPECT_TRUE(v.copyable);
  EXPECT_EQ(w.syncCalls(), std::vector<std::string>{});
  w.presenter.labCopy();
  EXPECT_EQ(w.surface.copied, w.presenter.lab().table());
  EXPECT_EQ(w.surface.copied.rfind("variant\tring\tplayers", 0), 0u);
  EXPECT_TRUE(w.surface.has("announce 2 Copied"));
}

// Workers whose games are all over as soon as they start, waiting to be
// collected.
struct PlayedAhead : LabWorkers {
  std::vector<RepeatResult> games;
  void start(const Experiment& e) override {
    games.clear();
    for (std::size_t j = 0; j < jobCount(e); ++j) {
      games.push_back(playRepeat(e, variantOfJob(e, j), repeatOfJob(e, j)));
    }
  }
  void collect(LabRun& run) override {
    for (std::size_t j = 0; j < games.size(); ++j) run.deliver(j, games[j]);
  }
  void stop() override { games.clear(); }
  int parallel() const override { return 2; }
};

// Each row acts on an open panel, then lets frames pass.
struct LabCase {
  const char* name;
  std::function<void(LabShown&)> act;
  bool running, open;
  const char* progress;  // how the progress text starts
  const char* shown;     // a versus error or a note that must be shown; "" for none
};

TEST(PresenterLab, StopsClosesAndChecksWhatItRuns) {
  const LabCase rows[] = {
      {"Stop keeps the games in",
       [](LabShown& w) {
         w.presenter.labRun();
         w.presenter.sync();
         w.presenter.labRun();
         w.presenter.sync();
       },
       false, true, "Stopped after 1 of 4 games", ""},
      {"Stop takes in the games finished but not yet collected",
       [](LabShown& w) {
         PlayedAhead ahead;
         Presenter p(w.f, w.surface, gameHandlers(), &ahead);
         p.create();
         p.lab().usePlan({2, 10, 20, 1, 3});
         p.sync();
         p.labRun();
         p.labRun();
         p.sync();
         p.labClose();
         p.sync();
       },
       false, false, "Stopped after 4 of 4 games", ""},
      {"closing the panel ends the run",
       [](LabShown& w) {
         w.presenter.labRun();
         w.presenter.labClose();
         w.presenter.sync();
       },
       false, false, "Stopped after 0 of 4 games", ""},
      {"the address opens the lab on its experiment and runs it",
       [](LabShown& w) {
         w.presenter.labClose();
         w.presenter.sync();
         w.f.labRequest = "one";
         w.presenter.sync();
         EXPECT_EQ(w.surface.shownLab.chosen, 3);
       },
       true, true, "1 of 4 games", ""},
      {"an own setting not understood is not run",
       [](LabShown& w) {
         w.presenter.labChoose(6);
         w.presenter.labVersus("players=many");
         w.presenter.labRun();
         w.presenter.sync();
         EXPECT_TRUE(w.surface.shownLab.versusShown);
       },
       false, true, "", "not \"many\""},
      {"the chooser holds still while a run is on",
       [](LabShown& w) {
         w.presenter.labRun();
         w.presenter.labChoose(2);
         w.presenter.sync();
         EXPECT_EQ(w.surface.shownLab.chosen, 0);
         EXPECT_FALSE(w.surface.shownLab.choosable);
       },
       true, true, "1 of 4 games", ""},
      {"a base the fields would correct says so",
       [](LabShown& w) {
         w.f.txtNB.text = "31";
         w.presenter.labRun();
         w.presenter.sync();
       },
       true, true, "1 of 4 games", "$20: The number of players must be even."},
  };
  for (const LabCase& row : rows) {
    SCOPED_TRACE(row.name);
    LabShown w;
    row.act(w);
    const LabView& v = w.surface.shownLab;
    EXPECT_EQ(w.presenter.labRunning(), row.running);
    EXPECT_EQ(w.f.mnuLab.checked, row.open);
    EXPECT_EQ(v.progress.rfind(row.progress, 0), 0u) << v.progress;
    std::string shown = v.versusError;
    for (const std::string& note : v.notes) shown += note;
    if (*row.shown == '\0') {
      EXPECT_EQ(shown, "");
    } else {
      EXPECT_NE(shown.find(row.shown), std::string::npos) << shown;
    }
  }
}

// Where the surface's focus stands decides whether the game's control takes
// it back at the next frame.
struct FocusCase {
  const char* name;
  const char* surfaceAt;  // an element's id, "nowhere" or "elsewhere"
  bool locked;            // the game's control, Start, is locked
  bool sent;              // Start is focused again
};

const FocusCase kFocusCases[] = {
    {"on nothing", "nowhere", false, true},
    {"on a panel or a menu", "elsewhere", false, false},
    {"on a help link", "Label3_1", false, false},
    {"moved to another control by the toolkit", "Command1_2", false, true},
    {"on nothing, the control locked", "nowhere", true, false},
};

TEST(Presenter, FocusComesBackUnlessTheUserTookItElsewhere) {
  for (const FocusCase& row : kFocusCases) {
    SCOPED_TRACE(row.name);
    Shown window;
    window.userMoves(Focus::Start);
    window.syncCalls();
    const std::string at = row.surfaceAt;
    const auto& ids = window.surface.ids;
    window.surface.focus_ =
        at == "nowhere"     ? kFocusNowhere
        : at == "elsewhere" ? kFocusElsewhere
                            : static_cast<int>(std::find(ids.begin(), ids.end(), at) - ids.begin());
    window.f.Command1(kStartStop).enabled = !row.locked;
    EXPECT_EQ(window.surface.count(std::string("focus Command1_0")), 0);
    const std::vector<std::string> sent = window.syncCalls();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "focus Command1_0"), row.sent ? 1 : 0)
        << ::testing::PrintToString(sent);
  }
}

// Escape closes the panel it is typed in; F6 goes on to the next open panel
// and from the last back to the game, whose control takes the focus again
// even from a panel.
struct PanelKeyCase {
  const char* name;
  bool history, lab;  // open
  Panel from;
  PanelKey key;
  std::vector<std::string> sent;  // among the calls of the act and the next frame
  std::vector<std::string> not_sent;
};

const PanelKeyCase kPanelKeyCases[] = {
    {"Escape closes the history",
     true,
     true,
     Panel::History,
     PanelKey::Escape,
     {"history 0", "raise 0"},
     {"lab 0"}},
    {"Escape closes the lab",
     true,
     true,
     Panel::Lab,
     PanelKey::Escape,
     {"lab 0", "raise 0"},
     {"history 0"}},
    {"Escape in the game", true, true, Panel::Game, PanelKey::Escape, {}, {"history 0", "lab 0"}},
    {"F6 to the history", true, true, Panel::Game, PanelKey::Next, {"raise 1"}, {"raise 2"}},
    {"F6 past a closed history", false, true, Panel::Game, PanelKey::Next, {"raise 2"}, {}},
    {"F6 from the last back to the game",
     true,
     true,
     Panel::Lab,
     PanelKey::Next,
     {"raise 0", "focus Command1_0"},
     {}},
    {"F6 with no panel open", false, false, Panel::Game, PanelKey::Next, {}, {"raise 0"}},
    {"F6 from a panel the program does not have",
     true,
     false,
     static_cast<Panel>(-5),
     PanelKey::Next,
     {"raise 1"},
     {}},
};

TEST(Presenter, PanelKeys) {
  for (const PanelKeyCase& row : kPanelKeyCases) {
    SCOPED_TRACE(row.name);
    Shown window;
    window.userMoves(Focus::Start);
    if (row.history) window.presenter.menu(4);  // View, History
    if (row.lab) window.presenter.menu(5);      // View, Explorations lab
    window.syncCalls();
    window.surface.focus_ = kFocusElsewhere;  // in a panel
    window.surface.calls.clear();
    window.presenter.panelKey(row.from, row.key);
    std::vector<std::string> sent = window.surface.calls;
    const std::vector<std::string> frame = window.syncCalls();
    sent.insert(sent.end(), frame.begin(), frame.end());
    for (const std::string& call : row.sent) {
      EXPECT_EQ(std::count(sent.begin(), sent.end(), call), 1) << call;
    }
    for (const std::string& call : row.not_sent) {
      EXPECT_EQ(std::count(sent.begin(), sent.end(), call), 0) << call;
    }
  }
}

// The title follows the caption, once per change; a Step that has ended is
// announced with its round and phase, a reset is not.
TEST(Presenter, TitleAndTheEndOfAStep) {
  Shown window;
  window.f.caption = "Check";
  EXPECT_EQ(window.syncCalls(),
            std::vector<std::string>({"title Check | The Ovalin Game \u2014 Check"}));
  window.presenter.click(kStep);
  std::vector<std::string> sent = window.syncCalls();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "announce 0 Round 1, " + window.f.caption), 1)
      << ::testing::PrintToString(sent);
  window.presenter.click(kReset);
  sent = window.syncCalls();
  EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                          [](const std::string& c) { return c.rfind("announce", 0) == 0; }),
            0)
      << ::testing::PrintToString(sent);
}

// The address the window opens with goes through the fields' checks; one
// the game cannot use is told, and the game starts as usual.
TEST(Presenter, OpensWithTheAddressSettings) {
  const struct {
    const char* query;
    const char* players;
    int messages;
  } rows[] = {{"", "10", 0}, {"?players=12&total=36", "12", 0}, {"?colour=red", "10", 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.query);
    Shown window;
    window.surface.opened = row.query;
    window.tk.messages.clear();
    window.presenter.open();
    EXPECT_EQ(window.f.txtNB.text, row.players);
    EXPECT_EQ(static_cast<int>(window.tk.messages.size()), row.messages);
    const bool told = std::any_of(
        window.surface.calls.begin(), window.surface.calls.end(),
        [](const std::string& c) { return c.rfind("address ?players=12&total=36&", 0) == 0; });
    EXPECT_EQ(told, std::string(row.query).rfind("?players", 0) == 0);
  }
}

// A key handler that lets a character through has it typed over the
// field's selection, as the key itself would have been.
TEST(Presenter, ACharacterTheHandlerLetsThroughIsTyped) {
  Game game("10", "20", "1");
  Recording surface;
  Handlers handlers = gameHandlers();
  handlers.keyPress[0] = [](Form1&, std::int16_t& k) { k = 'x'; };
  Presenter presenter(game.f, surface, handlers);
  presenter.create();
  game.f.txtNB.text =
      "\xC3\xA9"
      "12";
  game.f.txtNB.selstart = 1;
  game.f.txtNB.sellength = 1;
  presenter.key(Field::txtNB, kEnterKey);
  EXPECT_EQ(game.f.txtNB.text,
            "\xC3\xA9"
            "x2");
  EXPECT_EQ(game.f.txtNB.selstart, 2);
}

// A caption too wide for its box is drawn smaller, never below the smallest
// size; widths that do not shrink in step with the size are tried down.
TEST(Presenter, FittedCaptionSizes) {
  const struct {
    const char* name;
    int pixels, smallest;
    double room;
    double (*width)(int);
    int fitted;
  } rows[] = {
      {"fits", 20, 11, 100, [](int px) { return 4.0 * px; }, 20},
      {"shrinks in step", 20, 11, 60, [](int px) { return 4.0 * px; }, 15},
      {"not below the smallest", 20, 11, 10, [](int px) { return 4.0 * px; }, 11},
      {"wider than in step", 20, 5, 60, [](int px) { return 4.0 * px + 20; }, 10},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fittedPixels(row.pixels, row.smallest, row.room, row.width), row.fitted);
  }
}

}  // namespace
}  // namespace ovali
