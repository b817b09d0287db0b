#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "view/changes.h"
#include "view/form1.h"
#include "view/labpanel.h"
#include "view/pacing.h"
#include "view/surface.h"

namespace ovali {

// The game's handlers that the presenter routes the user's acts into;
// commands/ gives them (gameHandlers).
struct Handlers {
  void (*click)(Form1&, std::int16_t);
  void (*fast)(Form1&);
  void (*change[kFieldCount])(Form1&);
  void (*gotFocus[kFieldCount])(Form1&);
  void (*keyPress[kFieldCount])(Form1&, std::int16_t&);
  void (*option)(Form1&, std::int16_t);
  void (*link)(Form1&, std::int16_t);
  void (*exit)(Form1&);
  void (*history)(Form1&);
  void (*lab)(Form1&);
  void (*about)(Form1&);
  void (*speed)(Form1&, std::int16_t);
  // The settings of an address's query applied as a user would type them,
  // or why they were not; and the query that opens the game as it stands.
  void (*address)(Form1&, std::string_view query);
  std::string (*addressOf)(const Form1&);
  // The history view's help text.
  std::string (*historyHelp)();
};

// How the focus came to a control.
enum class Arrival {
  User,        // a click, Tab or a shortcut
  Activation,  // the window became active again: a message box closed, the window opened
  Program,     // the front end moved it itself: a control hidden, a popup closed
};

// The window shown on a surface, written once for every front end: it makes
// an element for every control (named as the control: "txtNB",
// "Command1_0", "P_3", "mnuO_4"), in the window's tab order; copies what
// changed since the last frame into them, the focus last; and turns what the
// user did to them into calls of the game's handlers.
class Presenter {
 public:
  // `workers` play the lab's games; without them the lab plays one game a
  // frame itself.
  Presenter(Form1& f, Surface& surface, const Handlers& handlers, LabWorkers* workers = nullptr);

  // Makes the elements the window opens with; the rest come with the game.
  void create();
  // Gives the first field the focus, as a window does when it opens, and
  // sets the game up as the surface's address says.
  void open();
  // Brings the surface up to the model.
  void sync();
  // The elements of a control that takes the focus, -1 for none.
  int handleOf(Focus focus) const;
  Focus focusOf(int handle) const;
  int handleOf(Field field) const;

  // From the surface to the game. While one of the game's message boxes is
  // open, what would deal a game or play rounds (Reset, Step, Start, an
  // option, Enter in a field) is dropped; Enter is swallowed.
  void click(std::int16_t button);
  void check(bool on);
  void edited(Field field, std::string text, Selection selection);
  void selected(Field field, Selection selection);
  // The focus came to `target`. Says whether the game takes it as the
  // user's move: a window activated again puts the focus back on the
  // game's control, and where it lands elsewhere that is the user's choice,
  // unless the game's control is locked and could not take it back.
  bool focused(Focus target, Arrival how = Arrival::User);
  // A key of the field's Element::keys typed into it, which the surface has
  // swallowed: the handler may take it, or let a character be typed.
  void key(Field field, std::int16_t keyascii);
  void enter(Field field);
  void option(std::int16_t index);
  void menu(int entry);
  void link(std::int16_t index);

  // A key that acts on a whole panel, typed anywhere in `from`.
  void panelKey(Panel from, PanelKey key);

  // From the lab's panel.
  void labChoose(int experiment);
  void labVersus(std::string text);
  // Run, or Stop while the lab runs.
  void labRun();
  void labCopy();
  // The history view's Copy (every point as a table) and its own close.
  void historyCopy();
  void historyClose();
  // The panel's own close: its title bar, its close button, Escape.
  void labClose();
  // While the lab runs, a front end whose event loop sleeps asks for a
  // frame now and then, so that its games are collected and shown.
  bool labRunning() const { return lab_.running(); }
  LabPanel& lab() { return lab_; }

 private:
  template <class Control>
  struct Item {
    int handle = -1;
    Shown<Control> shown;
  };
  struct LabelItem : Item<Label> {
    std::string base;  // what a number counts: "Player 1 of 30, inner ring"
    bool baseChanged = false;
    int baseFor = -1;  // what `base` was made for, where the array tells (namedBy)
    std::string name;  // the accessible name sent last
    bool named = false;
  };
  struct Labels {
    ControlArray<Label> Form1::*model;
    const char* id;
    Kind kind;
    Area area;
    int group;
    // What a label read out as a number counts, and the number's unit.
    std::string (*name)(const Form1&, std::int16_t);
    const char* unit;
    // Where the names follow one number of the game (the players' follow
    // the number of players), that number: a name is made again only when
    // it changed, not at every frame. Null where they follow more.
    int (*namedBy)(const Form1&);
    std::vector<LabelItem> items;
  };
  struct FieldItem : Item<TextBox> {
    bool selectionDue = false;
  };

  void syncLabel(LabelItem& item, Kind kind, Area area, const Label& model,
                 std::string_view unit = {});
  void keyboardToGame();
  void syncLabels(Labels& labels);
  void syncField(Field field);
  void syncSelection(Field field);
  void syncShapes();
  void syncFocus();
  void syncTitle();
  void syncHistory();
  void syncLab();
  void rename(LabelItem& item, const std::string& name);
  bool enabled(Focus focus) const;
  bool dealsLocked() const;

  Form1& f_;
  Surface& s_;
  const Handlers& on_;
  bool relayout_ = true;
  std::string said_;  // a number's spoken name, made here before it is compared
  std::string shownCaption_;
  bool titleShown_ = false;
  std::string lastRound_;  // what the last round's announcement would say
  std::string shownAddress_;
  bool refocus_ = false;  // the game's control takes the focus again, wherever it is
  bool historyOpen_ = false;
  HistoryRedraw historyRedraw_;
  LabPanel lab_;
  bool labOpen_ = false;
  LabView labShown_;
  bool labViewSent_ = false;
  std::uint64_t labPictureStamp_ = 0;

  std::vector<Item<MenuItem>> menus_;  // the menu bar's entries, then the options
  std::vector<std::int16_t> options_;  // the index of each option's item
  FieldItem fields_[kFieldCount];
  std::vector<Item<CommandButton>> buttons_;
  Item<CheckBox> fast_;
  LabelItem captions_[kFieldCount], counter_;
  int board_ = -1, ladder_ = -1;
  std::vector<Labels> arrays_;
  std::vector<Item<Circle>> circles_;
  std::vector<Item<Line>> rungs_;
  Item<Line> line2_;
};

}  // namespace ovali
