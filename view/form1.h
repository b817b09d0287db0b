#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/gamestate.h"
#include "stats/history.h"
#include "toolkit/controls.h"
#include "toolkit/toolkit.h"
#include "view/projection.h"

namespace ovali {

// The character code of Enter, as the fields' KeyPress handlers get it.
inline constexpr std::int16_t kEnterKey = 13;

// The indexes of the run controls in Command1.
inline constexpr std::int16_t kStartStop = 0;
inline constexpr std::int16_t kReset = 2;
inline constexpr std::int16_t kStep = 3;
inline constexpr std::int16_t kAnalyze = 4;

// View's speeds: slow, three paces in rounds a second, fast.
inline constexpr int kSpeedCount = 5;
inline constexpr std::array<int, kSpeedCount> kSpeedPaces{0, 10, 100, 1000, 0};
inline constexpr std::int16_t kSlowSpeed = 0;
inline constexpr std::int16_t kFastSpeed = kSpeedCount - 1;

// The three fields, in the order of their numbers.
enum class Field { txtNB, txtDollars, txtNTrade };
inline constexpr int kFieldCount = 3;

// The controls that can hold the keyboard focus.
enum class Focus { None, txtNB, txtDollars, txtNTrade, Start, Reset, Step, Analyze, chkFast };

// The window: every control with what it shows, the game state and the
// toolkit. One Form1 lives as long as the program's window.
struct Form1 {
  explicit Form1(Toolkit& toolkit);

  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // The front end's services; the window asks them whether a box is open.
  BoxWatch tk;
  GameState game;

  // Window.
  std::string caption;  // the title bar
  bool visible = true;
  float clientWidth = kDesignWidth;
  float clientHeight = kDesignHeight;
  Color backcolor = kWhite;

  // Inputs.
  Label Label2;
  TextBox txtNB;
  Label label1;
  TextBox txtDollars;
  Label Label4;
  TextBox txtNTrade;

  // Run controls: kStartStop, kReset, kStep, kAnalyze.
  ControlArray<CommandButton> Command1;
  CheckBox chkFast;
  Label C;  // the round counter

  // Help links.
  ControlArray<Label> Label3;

  // The board.
  ControlArray<Label> P;
  Line Line2;  // ring centre (x1, y1) and base radius (x2 - x1); not drawn
  ControlArray<Circle> Acircle;

  // The level ladder.
  ControlArray<Label> lbl2;
  ControlArray<Label> T;
  ControlArray<Label> TS;
  ControlArray<Line> Line1;

  // Menus.
  MenuItem mnuFile;
  MenuItem mnuexit;
  MenuItem mnuOpt;
  ControlArray<MenuItem> mnuO;
  MenuItem mnuView;
  MenuItem mnuHistory;  // checked while the history view is open
  MenuItem mnuLab;      // checked while the Explorations lab is open
  MenuItem mnuAbout;
  // View's speeds, slow to fast: the one that runs is checked.
  std::array<MenuItem, kSpeedCount> mnuSpeed;

  // Rounds a second between slow and fast, 0 for none: with the fast box
  // clear, rounds then run at this pace without beeps or pauses.
  int pace = 0;

  Focus focus = Focus::None;
  static constexpr std::array<Focus, 8> tabOrder{Focus::txtNB,   Focus::Step,     Focus::txtDollars,
                                                 Focus::Reset,   Focus::Start,    Focus::Analyze,
                                                 Focus::chkFast, Focus::txtNTrade};

  // A round is between its exchanges and its "Check": the ladder still shows
  // the counts from before them.
  bool ladderBehind = false;
  // The ladder row each level marker (of players 0 and 1) stands beside: the
  // row of the last "Check" that found its player on the ladder, -1 for none
  // since the reset. A run that shows no frame still notes it every round.
  std::array<std::int16_t, 2> markerRows{-1, -1};

  // The random-exchange notice has been shown once in this run of the program.
  bool toldrandom = false;

  // The entropy and inequality of this game over its rounds.
  History history;
  // The presenter sets it at the end of every sync, when a front end has
  // been given a frame to show; a fast run then records its next round.
  bool historyFrameShown = true;

  // An experiment the address asked for: the lab opens on it and starts it
  // at the next frame.
  std::string labRequest;
};

void Form_Load(Form1& f);
// Both end the program at once.
void Form_Unload(Form1& f);
void mnuexit_Click(Form1& f);

}  // namespace ovali
