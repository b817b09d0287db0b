#include "view/presenter.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "stats/chart.h"
#include "view/look.h"
#include "view/present.h"

namespace ovali {

namespace {

// The menu bar as data: a bar entry (parent -1) or an item in the menu of
// the entry at `parent`; `click` handles the choice, none for an entry that
// opens a menu. The options' items go into the menu of kOptionsMenu.
struct MenuEntry {
  const char* id;
  MenuItem Form1::*item;
  MenuItem Form1::*parent;  // the bar entry whose menu it is in; none on the bar
  void (*Handlers::*click)(Form1&);
  bool checkable;
};

constexpr MenuEntry kMenus[] = {
    {"mnuFile", &Form1::mnuFile, nullptr, nullptr, false},
    {"mnuexit", &Form1::mnuexit, &Form1::mnuFile, &Handlers::exit, false},
    {"mnuOpt", &Form1::mnuOpt, nullptr, nullptr, false},
    {"mnuView", &Form1::mnuView, nullptr, nullptr, false},
    {"mnuHistory", &Form1::mnuHistory, &Form1::mnuView, &Handlers::history, true},
    {"mnuLab", &Form1::mnuLab, &Form1::mnuView, &Handlers::lab, true},
    {"mnuAbout", &Form1::mnuAbout, nullptr, &Handlers::about, false},
};
constexpr int kMenuCount = static_cast<int>(std::size(kMenus));

constexpr int menuOf(MenuItem Form1::*item) {
  for (int i = 0; i < kMenuCount; ++i) {
    if (kMenus[i].item == item) return i;
  }
  return -1;
}

// The options' items go into the Options menu. The speeds' items follow the
// View menu's own, as menu entries numbered from kMenuCount on: a keyboard
// reaches them as it reaches History, a finger as it taps any item, and the
// mark shows which runs.
constexpr int kOptionsMenu = menuOf(&Form1::mnuOpt);
constexpr int kViewMenu = menuOf(&Form1::mnuView);
static_assert(kOptionsMenu >= 0 && kViewMenu >= 0);

// The keys the fields' handlers take: Enter.
constexpr char kFieldKeys[] = {static_cast<char>(kEnterKey), '\0'};

// A field with the label that captions it and names it to screen readers.
struct FieldEntry {
  const char* id;
  TextBox Form1::*box;
  const char* captionId;
  Label Form1::*caption;
  Focus focus;
};

constexpr FieldEntry kFields[kFieldCount] = {
    {"txtNB", &Form1::txtNB, "Label2", &Form1::Label2, Focus::txtNB},
    {"txtDollars", &Form1::txtDollars, "label1", &Form1::label1, Focus::txtDollars},
    {"txtNTrade", &Form1::txtNTrade, "Label4", &Form1::Label4, Focus::txtNTrade},
};

struct ButtonEntry {
  Focus focus;
  std::int16_t index;
};

constexpr ButtonEntry kButtons[] = {{Focus::Start, kStartStop},
                                    {Focus::Reset, kReset},
                                    {Focus::Step, kStep},
                                    {Focus::Analyze, kAnalyze}};

int fieldOf(Focus focus) {
  for (int i = 0; i < kFieldCount; ++i) {
    if (kFields[i].focus == focus) return i;
  }
  return -1;
}

int buttonOf(Focus focus) {
  for (const ButtonEntry& b : kButtons) {
    if (b.focus == focus) return b.index;
  }
  return -1;
}

// Visits each control of an array with the item that shows it; the items
// grow with the array, as a game of more players makes more controls.
template <class Control, class Item, class Visit>
void eachShown(const ControlArray<Control>& model, std::vector<Item>& items, Visit visit) {
  const auto extent = static_cast<std::size_t>(model.extent());
  if (items.size() < extent) items.resize(extent);
  for (std::int16_t i = 0; i < model.extent(); ++i) {
    if (const Control* m = model.find(i)) visit(i, *m, items[static_cast<std::size_t>(i)]);
  }
}

std::string indexedName(const char* name, std::int16_t index) {
  return std::string(name) + "_" + std::to_string(index);
}

// A text's length as a text box counts it: in UTF-16 units.
int textLength(const std::string& text) {
  int units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;
    if (byte >= 0xF0) ++units;
  }
  return units;
}

// Where the character `units` UTF-16 units into `text` begins, in bytes.
std::size_t byteOffset(const std::string& text, int units) {
  std::size_t at = 0;
  while (at < text.size() && units > 0) {
    const auto byte = static_cast<unsigned char>(text[at]);
    units -= byte >= 0xF0 ? 2 : 1;
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  }
  return at;
}

std::string utf8Of(char16_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0xD800 || c > 0xDFFF) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string playerNameOf(const Form1& f, std::int16_t i) { return playerName(i, f.game.nplayers); }
int playersOf(const Form1& f) { return f.game.nplayers; }
std::string innerCountName(const Form1& f, std::int16_t row) { return countName(f, row, false); }
std::string outerCountName(const Form1& f, std::int16_t row) { return countName(f, row, true); }

}  // namespace

Presenter::Presenter(Form1& f, Surface& surface, const Handlers& handlers, LabWorkers* workers)
    : f_(f), s_(surface), on_(handlers), lab_(workers) {}

void Presenter::create() {
  for (int i = 0; i < kMenuCount; ++i) {
    const MenuEntry& entry = kMenus[i];
    Element e{entry.parent ? Kind::MenuItem : Kind::MenuBar, entry.id};
    e.index = i;
    e.checkable = entry.checkable;
    if (entry.parent) e.parent = menus_[static_cast<std::size_t>(menuOf(entry.parent))].handle;
    e.opensMenu = i == kOptionsMenu ||
                  std::any_of(std::begin(kMenus), std::end(kMenus),
                              [&entry](const MenuEntry& m) { return m.parent == entry.item; });
    menus_.push_back({s_.create(e), {}});
  }
  for (std::int16_t k = 0; k < f_.mnuO.extent(); ++k) {
    if (!f_.mnuO.exists(k)) continue;
    Element e{Kind::Option, indexedName("mnuO", k), menus_[kOptionsMenu].handle, k};
    e.checkable = true;
    options_.push_back(k);
    menus_.push_back({s_.create(e), {}});
  }
  for (int k = 0; k < kSpeedCount; ++k) {
    Element e{Kind::MenuItem, indexedName("mnuSpeed", static_cast<std::int16_t>(k)),
              menus_[kViewMenu].handle, kMenuCount + k};
    e.checkable = true;
    menus_.push_back({s_.create(e), {}});
  }

  // The controls that take the focus come in the window's tab order, which
  // makes it the surface's own.
  buttons_.resize(static_cast<std::size_t>(f_.Command1.extent()));
  for (Focus focus : Form1::tabOrder) {
    if (const int i = fieldOf(focus); i >= 0) {
      Element e{Kind::Field, kFields[i].id, -1, i, focus};
      e.keys = kFieldKeys;
      fields_[i].handle = s_.create(e);
      s_.name(fields_[i].handle, (f_.*kFields[i].caption).caption);
    } else if (const int b = buttonOf(focus); b >= 0 && f_.Command1.exists(b)) {
      buttons_[static_cast<std::size_t>(b)].handle =
          s_.create({Kind::Button, indexedName("Command1", b), -1, b, focus});
    } else if (focus == Focus::chkFast) {
      fast_.handle = s_.create({Kind::CheckBox, "chkFast", -1, -1, focus});
    }
  }
  for (int i = 0; i < kFieldCount; ++i) {
    Element e{Kind::Caption, kFields[i].captionId};
    e.labelFor = fields_[i].handle;
    captions_[i].handle = s_.create(e);
  }
  counter_.handle = s_.create({Kind::Number, "C"});
  counter_.base = kRoundName;
  line2_.handle = s_.create({Kind::Line, "Line2"});
  board_ = s_.create({Kind::Group, "board"});
  s_.name(board_, "Players");
  ladder_ = s_.create({Kind::Group, "ladder"});
  s_.name(ladder_, "Players by amount");

  arrays_ = {
      {&Form1::Label3, "Label3", Kind::Link, Area::Links, -1, nullptr, "", nullptr, {}},
      {&Form1::P, "P", Kind::Number, Area::Board, board_, playerNameOf, "$", playersOf, {}},
      {&Form1::lbl2, "lbl2", Kind::Fitted, Area::Ladder, ladder_, nullptr, "", nullptr, {}},
      {&Form1::T, "T", Kind::Number, Area::Ladder, ladder_, innerCountName, "", nullptr, {}},
      {&Form1::TS, "TS", Kind::Number, Area::Ladder, ladder_, outerCountName, "", nullptr, {}},
  };
}

void Presenter::open() {
  f_.focus = Focus::txtNB;
  on_.gotFocus[0](f_);
  sync();
  on_.address(f_, s_.query());
  sync();
}

// ---------------------------------------------------------------------------
// From the game to the surface.

void Presenter::sync() {
  present(f_);
  // The menu bar first: its height decides the picture's.
  for (std::size_t i = 0; i < menus_.size(); ++i) {
    const std::size_t speed = i - std::size(kMenus) - options_.size();
    const MenuItem* model = i < std::size(kMenus) ? &(f_.*kMenus[i].item)
                            : i < std::size(kMenus) + options_.size()
                                ? f_.mnuO.find(options_[i - std::size(kMenus)])
                                : &f_.mnuSpeed[speed];
    if (model && menus_[i].shown.update(*model).any()) s_.menu(menus_[i].handle, *model);
  }
  if (s_.frame()) relayout_ = true;
  syncTitle();
  syncHistory();
  syncLab();

  for (int i = 0; i < kFieldCount; ++i) {
    syncLabel(captions_[i], Kind::Caption, Area::Inputs, f_.*kFields[i].caption);
  }
  syncLabel(counter_, Kind::Number, Area::Counter, f_.C);
  for (int i = 0; i < kFieldCount; ++i) syncField(static_cast<Field>(i));
  for (std::int16_t i = 0; i < f_.Command1.extent(); ++i) {
    const CommandButton* m = f_.Command1.find(i);
    if (!m || static_cast<std::size_t>(i) >= buttons_.size()) continue;
    auto& item = buttons_[static_cast<std::size_t>(i)];
    const Changes c = item.shown.update(*m, relayout_);
    if (c.text) s_.text(item.handle, m->caption);
    if (c.look) s_.look(item.handle, Area::Controls, m->font, kWindowText, Alignment::Center);
    if (c.place) s_.place(item.handle, Area::Controls, *m);
    if (c.enabled) s_.enabled(item.handle, m->enabled);
    if (c.visible) s_.visible(item.handle, m->visible);
  }
  const CheckBox& fast = f_.chkFast;
  const Changes c = fast_.shown.update(fast, relayout_);
  if (c.text) s_.text(fast_.handle, fast.caption);
  if (c.look) s_.look(fast_.handle, Area::Controls, fast.font, kWindowText, Alignment::Left);
  if (c.place) s_.place(fast_.handle, Area::Controls, fast);
  if (c.enabled) s_.enabled(fast_.handle, fast.enabled);
  if (c.value) s_.checked(fast_.handle, fast.value != 0);

  for (Labels& labels : arrays_) syncLabels(labels);
  syncShapes();
  // The focus moves once every control is enabled as the game says, and a
  // field's selection is shown once it is known which field has the focus.
  syncFocus();
  for (int i = 0; i < kFieldCount; ++i) syncSelection(static_cast<Field>(i));
  relayout_ = false;
  f_.historyFrameShown = true;
}

void Presenter::syncHistory() {
  const bool open = f_.mnuHistory.checked;
  // Nothing is drawn while the view is closed: it opens with a new picture.
  if (open && !historyOpen_) historyRedraw_.forget();
  if (open && historyRedraw_.due(f_)) s_.historyDrawing(drawingOf(historyCharts(f_.history)));
  if (open != historyOpen_) {
    historyOpen_ = open;
    s_.history(open, open ? on_.historyHelp() : std::string());
    if (!open) keyboardToGame();
  }
}

// A panel that closes gives the keyboard back to the game's window, to the
// control that had it there.
void Presenter::keyboardToGame() {
  s_.raise(Panel::Game);
  refocus_ = true;
}

void Presenter::syncTitle() {
  if (!titleShown_ || shownCaption_ != f_.caption) {
    s_.title(f_.caption, tabTitle(f_));
    shownCaption_ = f_.caption;
    titleShown_ = true;
  }
  // A Step or a run has ended when the controls it locked are free again
  // with another round shown (a fast Step may lock and free them between
  // two frames); a fast run says nothing per round, and a reset nothing.
  if (f_.mnuOpt.enabled) {
    std::string said = roundAnnouncement(f_);
    if (said != lastRound_ && f_.C.caption != "0" && !lastRound_.empty()) {
      s_.announce(Panel::Game, said);
    }
    lastRound_ = std::move(said);
  }
  // The address carries the settings of the last reset, for a link or a reload.
  if (std::string address = on_.addressOf(f_); !address.empty() && address != shownAddress_) {
    s_.address(address);
    shownAddress_ = std::move(address);
  }
}

void Presenter::syncLab() {
  if (!f_.labRequest.empty()) {
    // The address's experiment: the lab opens on it and runs it.
    if (lab_.choose(f_.labRequest)) {
      f_.mnuLab.checked = true;
      lab_.start(windowSetting(f_), f_.tk.timer());
    }
    f_.labRequest.clear();
  }
  const bool open = f_.mnuLab.checked;
  if (!open && labOpen_) lab_.stop();
  if (open) {
    lab_.collect(f_.tk.timer());
    if (!labOpen_ || lab_.stamp() != labPictureStamp_) {
      labPictureStamp_ = lab_.stamp();
      s_.labPicture(lab_.picture());
    }
  }
  // Also once closed: a run that ended with the panel shows so when it opens.
  if ((open || labViewSent_) && (!labViewSent_ || !(lab_.view() == labShown_))) {
    labShown_ = lab_.view();
    labViewSent_ = true;
    s_.labView(labShown_);
  }
  if (open != labOpen_) {
    labOpen_ = open;
    s_.lab(open);
    // The lab opens to be used: it takes the keyboard.
    if (open) {
      s_.raise(Panel::Lab);
    } else {
      keyboardToGame();
    }
  }
}

void Presenter::labChoose(int experiment) { lab_.choose(experiment); }

void Presenter::labVersus(std::string text) { lab_.versus(std::move(text)); }

void Presenter::labRun() {
  if (lab_.running()) {
    lab_.stop();
  } else {
    lab_.start(windowSetting(f_), f_.tk.timer());
  }
}

void Presenter::labCopy() {
  const std::string table = lab_.table();
  if (table.empty()) return;
  s_.copy(table);
  s_.announce(Panel::Lab, kCopied);
}

void Presenter::historyCopy() {
  s_.copy(historyTable(f_.history));
  s_.announce(Panel::History, kCopied);
}

void Presenter::historyClose() {
  if (f_.mnuHistory.checked) on_.history(f_);
}

void Presenter::labClose() {
  if (f_.mnuLab.checked) on_.lab(f_);
}

void Presenter::panelKey(Panel from, PanelKey key) {
  if (key == PanelKey::Escape) {
    if (from == Panel::History) historyClose();
    if (from == Panel::Lab) labClose();
    return;
  }
  const bool open[] = {true, f_.mnuHistory.checked, f_.mnuLab.checked};
  constexpr int kPanels = static_cast<int>(std::size(open));
  // A panel the program does not have counts as the game's window.
  int next = std::clamp(static_cast<int>(from), 0, kPanels - 1);
  if (next != static_cast<int>(from)) from = Panel::Game;
  do {
    next = (next + 1) % kPanels;
  } while (!open[next]);
  if (next == static_cast<int>(from)) return;
  if (next == static_cast<int>(Panel::Game)) {
    keyboardToGame();
  } else {
    s_.raise(static_cast<Panel>(next));
  }
}

void Presenter::rename(LabelItem& item, const std::string& name) {
  if (item.named && item.name == name) return;
  item.name = name;
  item.named = true;
  s_.name(item.handle, name);
}

void Presenter::syncLabel(LabelItem& item, Kind kind, Area area, const Label& model,
                          std::string_view unit) {
  const Changes c = item.shown.update(model, relayout_);
  const int h = item.handle;
  if (c.text) s_.text(h, model.caption);
  // A number is read with what it counts, in one: "Player 1 of 30, inner
  // ring: $3"; said anew when either changed.
  if (kind == Kind::Number && (c.text || !item.named || item.baseChanged)) {
    spokenNumber(said_, item.base, unit, model.caption);
    rename(item, said_);
  }
  item.baseChanged = false;
  if (c.look) s_.look(h, area, model.font, model.forecolor, model.alignment);
  if (c.place) s_.place(h, area, model);
  if (c.text || c.look || c.place) s_.fit(h, area, model);
  if (c.visible) s_.visible(h, model.visible);
}

void Presenter::syncLabels(Labels& labels) {
  const int namedBy = labels.namedBy ? labels.namedBy(f_) : -1;
  eachShown(f_.*labels.model, labels.items, [&](std::int16_t i, const Label& m, LabelItem& item) {
    if (item.handle < 0) {
      item.handle = s_.create({labels.kind, indexedName(labels.id, i), labels.group, i});
      if (labels.kind == Kind::Link) s_.describe(item.handle, kLinkDescription);
    }
    // A player's name follows the number of players; a count's its row's
    // amount and whether the rings are counted apart.
    if (labels.name && (namedBy < 0 || item.baseFor != namedBy)) {
      item.baseFor = namedBy;
      std::string base = labels.name(f_, i);
      if (base != item.base) {
        item.base = std::move(base);
        item.baseChanged = true;
      }
    }
    syncLabel(item, labels.kind, labels.area, m, labels.unit);
  });
}

void Presenter::syncField(Field field) {
  const auto i = static_cast<int>(field);
  FieldItem& item = fields_[i];
  const TextBox& m = f_.*kFields[i].box;
  const Changes c = item.shown.update(m, relayout_);
  if (c.text) s_.text(item.handle, m.text);
  if (c.look) s_.look(item.handle, Area::Inputs, m.font, kWindowText, Alignment::Left);
  if (c.place) s_.place(item.handle, Area::Inputs, m);
  if (c.enabled) s_.enabled(item.handle, m.enabled);
  item.selectionDue = item.selectionDue || c.text || c.selection;
}

void Presenter::syncSelection(Field field) {
  const auto i = static_cast<int>(field);
  FieldItem& item = fields_[i];
  TextBox& m = f_.*kFields[i].box;
  // What the game selects is cut to the text.
  const int length = textLength(m.text);
  Selection want{std::clamp(m.selstart, 0, length), 0};
  want.length = std::clamp(m.sellength, 0, length - want.start);
  if (!s_.ownsSelection()) {
    if (item.selectionDue) s_.select(item.handle, want);
    item.selectionDue = false;
    return;
  }
  // The surface's own selection is the truth: it deselects a field that
  // loses the focus by itself.
  if (s_.focused() != item.handle) want = {};
  if (s_.selection(item.handle) != want) s_.select(item.handle, want);
  const Selection now = s_.selection(item.handle);
  m.selstart = now.start;
  m.sellength = now.length;
  item.selectionDue = false;
}

void Presenter::syncShapes() {
  eachShown(f_.Acircle, circles_, [this](std::int16_t i, const Circle& m, Item<Circle>& item) {
    if (item.handle < 0) item.handle = s_.create({Kind::Circle, indexedName("Acircle", i)});
    // Markers 2 and 3 stand on the ladder, at their players' rows.
    const Area area = i < 2 ? Area::Board : Area::Ladder;
    const Changes c = item.shown.update(m, relayout_);
    // The light ring around the disc grows with the picture.
    if (c.look || c.place) s_.fill(item.handle, area, m.fillcolor);
    if (c.place) s_.place(item.handle, area, m);
    if (c.visible) s_.visible(item.handle, m.visible);
  });

  const auto line = [this](Item<Line>& item, const Line& m, Area area) {
    const Changes c = item.shown.update(m, relayout_);
    if (c.place || c.look) s_.ends(item.handle, area, m);
    if (c.visible) s_.visible(item.handle, m.visible);
  };
  eachShown(f_.Line1, rungs_, [&](std::int16_t i, const Line& m, Item<Line>& item) {
    if (item.handle < 0) item.handle = s_.create({Kind::Line, indexedName("Line1", i)});
    line(item, m, Area::Ladder);
  });
  line(line2_, f_.Line2, Area::Board);
}

bool Presenter::enabled(Focus focus) const {
  if (const int i = fieldOf(focus); i >= 0) return (f_.*kFields[i].box).enabled;
  if (const int b = buttonOf(focus); b >= 0) {
    const CommandButton* button = f_.Command1.find(static_cast<std::int16_t>(b));
    return button && button->enabled;
  }
  return focus == Focus::chkFast && f_.chkFast.enabled;
}

// The surface's focus follows the game's, unless the user took it where the
// game has no say: to a help link, a menu, a panel or a message box. Where it
// stands on nothing (a locked control let it go, a panel closed, a click on
// the window's background) or on another of the game's controls (the
// toolkit moved it by itself), the game's control gets it back. A locked
// control cannot take it; it comes back once the control is unlocked.
void Presenter::syncFocus() {
  const int h = handleOf(f_.focus);
  const bool back = std::exchange(refocus_, false);
  if (h < 0 || !enabled(f_.focus)) return;
  const int at = s_.focused();
  if (at == h) return;
  const bool ours = at >= 0 && focusOf(at) != Focus::None;
  if (back || ours || at == kFocusNowhere) s_.focus(h);
}

int Presenter::handleOf(Focus focus) const {
  if (const int i = fieldOf(focus); i >= 0) return fields_[i].handle;
  if (const int b = buttonOf(focus); b >= 0) {
    return static_cast<std::size_t>(b) < buttons_.size()
               ? buttons_[static_cast<std::size_t>(b)].handle
               : -1;
  }
  return focus == Focus::chkFast ? fast_.handle : -1;
}

int Presenter::handleOf(Field field) const { return fields_[static_cast<int>(field)].handle; }

Focus Presenter::focusOf(int handle) const {
  if (handle < 0) return Focus::None;
  for (Focus focus : Form1::tabOrder) {
    if (handleOf(focus) == handle) return focus;
  }
  return Focus::None;
}

// ---------------------------------------------------------------------------
// From the surface to the game.

// Events keep running while a message box of the game is open, so a click
// that came just before the box reaches the game inside it: in the middle of
// a check of the fields, a reset or a round. What would deal a game or play
// rounds there is dropped, as a modal box drops a click on the window behind
// it; everything else (Stop, Analyze, the fast box, typing, help) goes on.
bool Presenter::dealsLocked() const { return f_.tk.boxOpen(); }

void Presenter::click(std::int16_t button) {
  const bool deals =
      button == kReset || button == kStep || (button == kStartStop && f_.game.playing == kFalse);
  if (deals && dealsLocked()) return;
  on_.click(f_, button);
}

void Presenter::check(bool on) {
  f_.chkFast.value = static_cast<std::int16_t>(on ? 1 : 0);
  fast_.shown.shown().value = f_.chkFast.value;
  on_.fast(f_);
}

void Presenter::edited(Field field, std::string text, Selection selection) {
  const auto i = static_cast<int>(field);
  TextBox& model = f_.*kFields[i].box;
  TextBox& shown = fields_[i].shown.shown();
  model.text = shown.text = std::move(text);
  model.selstart = shown.selstart = selection.start;
  model.sellength = shown.sellength = selection.length;
  on_.change[i](f_);
}

void Presenter::selected(Field field, Selection selection) {
  const auto i = static_cast<int>(field);
  TextBox& model = f_.*kFields[i].box;
  TextBox& shown = fields_[i].shown.shown();
  // A selection the game has set and the surface not yet shown wins: the
  // click that focused a field comes after its GotFocus.
  if (!s_.ownsSelection() &&
      (model.selstart != shown.selstart || model.sellength != shown.sellength)) {
    return;
  }
  model.selstart = shown.selstart = selection.start;
  model.sellength = shown.sellength = selection.length;
}

bool Presenter::focused(Focus target, Arrival how) {
  // The front end's own moves are no news to the game: the game's focus
  // stays, and the next frame puts it back.
  if (target == Focus::None || how == Arrival::Program) return false;
  if (how == Arrival::Activation &&
      (target == f_.focus || (handleOf(f_.focus) >= 0 && !enabled(f_.focus)))) {
    return false;
  }
  f_.focus = target;
  if (const int i = fieldOf(target); i >= 0) on_.gotFocus[i](f_);
  return true;
}

void Presenter::key(Field field, std::int16_t keyascii) {
  if (keyascii == kEnterKey && dealsLocked()) return;
  on_.keyPress[static_cast<int>(field)](f_, keyascii);
  // The handler let a character through, or put another in its place: it
  // is typed over the field's selection, as the key would have been; a
  // control character (Enter) types nothing into a one-line field.
  if (keyascii < 0x20) return;
  const auto i = static_cast<int>(field);
  TextBox& m = f_.*kFields[i].box;
  const int length = textLength(m.text);
  const int start = std::clamp(m.selstart, 0, length);
  const int end = start + std::clamp(m.sellength, 0, length - start);
  std::string text = m.text;
  text.replace(byteOffset(text, start), byteOffset(text, end) - byteOffset(text, start),
               utf8Of(static_cast<char16_t>(keyascii)));
  edited(field, std::move(text), {start + 1, 0});
  fields_[i].selectionDue = true;
}

void Presenter::enter(Field field) { key(field, kEnterKey); }

void Presenter::option(std::int16_t index) {
  if (!dealsLocked()) on_.option(f_, index);
}

void Presenter::menu(int entry) {
  if (entry >= kMenuCount && entry < kMenuCount + kSpeedCount) {
    on_.speed(f_, static_cast<std::int16_t>(entry - kMenuCount));
  } else if (entry >= 0 && entry < kMenuCount && kMenus[entry].click) {
    (on_.*kMenus[entry].click)(f_);
  }
}

void Presenter::link(std::int16_t index) { on_.link(f_, index); }

}  // namespace ovali
