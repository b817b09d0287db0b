#include "web/page.h"

#include <emscripten.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "commands/address.h"
#include "commands/inputs.h"
#include "commands/options.h"
#include "commands/runcontrols.h"
#include "commands/viewmenu.h"
#include "help/help.h"
#include "stats/chart.h"
#include "view/arrangements.h"
#include "view/look.h"
#include "view/present.h"
#include "web/chartsvg.h"
#include "web/events.h"

// ---- Elements. Strings cross as pointer and length.

EM_JS(int, ovali_group, (const char* id, const char* name),
      { return Ovali.elements.group(UTF8ToString(id), UTF8ToString(name)); });
EM_JS(int, ovali_label, (const char* id, int group),
      { return Ovali.elements.label(UTF8ToString(id), group); });
EM_JS(int, ovali_link, (const char* id, int index),
      { return Ovali.elements.link(UTF8ToString(id), index); });
EM_JS(int, ovali_field, (const char* id, int field, int focus),
      { return Ovali.elements.field(UTF8ToString(id), field, focus); });
EM_JS(int, ovali_button, (const char* id, int index, int focus),
      { return Ovali.elements.button(UTF8ToString(id), index, focus); });
EM_JS(int, ovali_check_box, (const char* id, int focus),
      { return Ovali.elements.checkBox(UTF8ToString(id), focus); });
EM_JS(int, ovali_circle, (const char* id), { return Ovali.elements.circle(UTF8ToString(id)); });
EM_JS(int, ovali_line, (), { return Ovali.elements.line(); });
EM_JS(int, ovali_bar_item, (const char* id, const char* kind, int index, int hasMenu),
      { return Ovali.menubar.barItem(UTF8ToString(id), UTF8ToString(kind), index, hasMenu); });
EM_JS(int, ovali_menu_item, (int bar, const char* id, const char* kind, int index, int checkable), {
  return Ovali.menubar.menuItem(bar, UTF8ToString(id), UTF8ToString(kind), index, checkable);
});
EM_JS(void, ovali_start, (const char* codes), { Ovali.queue.start(UTF8ToString(codes)); });

EM_JS(void, ovali_text, (int h, const char* text, int size),
      { Ovali.elements.text(h, UTF8ToString(text, size)); });
EM_JS(void, ovali_look,
      (int h, int px, int bold, int italic, int underline, const char* color, const char* align), {
        Ovali.elements.look(h, px, bold, italic, underline, UTF8ToString(color),
                            UTF8ToString(align));
      });
EM_JS(void, ovali_fit, (int h, int px, int smallest), { Ovali.elements.fit(h, px, smallest); });
EM_JS(void, ovali_place, (int h, double x, double y, double w, double hh),
      { Ovali.elements.place(h, x, y, w, hh); });
EM_JS(void, ovali_fill, (int h, const char* color, double ring),
      { Ovali.elements.fill(h, UTF8ToString(color), ring); });
EM_JS(void, ovali_ends, (int h, double x1, double y1, double x2, double y2),
      { Ovali.elements.ends(h, x1, y1, x2, y2); });
EM_JS(void, ovali_visible, (int h, int on), { Ovali.elements.visible(h, on); });
EM_JS(void, ovali_enabled, (int h, int on), { Ovali.elements.enabled(h, on); });
EM_JS(void, ovali_value, (int h, const char* text, int size),
      { Ovali.elements.value(h, UTF8ToString(text, size)); });
EM_JS(int, ovali_value_size, (int h), { return lengthBytesUTF8(Ovali.elements.get(h).value); });
EM_JS(void, ovali_value_copy, (int h, char* out, int size),
      { stringToUTF8(Ovali.elements.get(h).value, out, size); });
EM_JS(void, ovali_select, (int h, int start, int length),
      { Ovali.elements.select(h, start, length); });
EM_JS(void, ovali_selection, (int h, int* out), { Ovali.elements.selection(h, out); });
EM_JS(void, ovali_checked, (int h, int on), { Ovali.elements.checked(h, on); });
EM_JS(void, ovali_name, (int h, const char* name, int size),
      { Ovali.elements.name(h, UTF8ToString(name, size)); });
EM_JS(void, ovali_describe, (int h, const char* text, int size),
      { Ovali.elements.describe(h, UTF8ToString(text, size)); });
EM_JS(void, ovali_role, (int h, const char* role), { Ovali.elements.role(h, UTF8ToString(role)); });
EM_JS(void, ovali_focus, (int h), { Ovali.elements.focus(h); });
EM_JS(void, ovali_menu_state, (int h, const char* caption, int checked, int enabled),
      { Ovali.menubar.state(h, UTF8ToString(caption), checked, enabled); });
EM_JS(void, ovali_title, (const char* title, const char* phase),
      { Ovali.page.title(UTF8ToString(title), UTF8ToString(phase)); });
EM_JS(void, ovali_announce, (const char* text), { Ovali.page.announce(UTF8ToString(text)); });
EM_JS(int, ovali_query_size, (), { return lengthBytesUTF8(location.search); });
EM_JS(void, ovali_query_copy, (char* out, int size), { stringToUTF8(location.search, out, size); });
EM_JS(void, ovali_address, (const char* query), { Ovali.page.address(UTF8ToString(query)); });
EM_JS(void, ovali_layout, (const char* family, int boxPx, int menuPx),
      { Ovali.page.layout(UTF8ToString(family), boxPx, menuPx); });
EM_JS(void, ovali_stage_size, (double* out), { Ovali.elements.stageSize(out); });
EM_JS(void, ovali_extent, (double width, double height), { Ovali.page.extent(width, height); });
EM_JS(int, ovali_take, (int* out), { return Ovali.queue.take(out); });
EM_JS(void, ovali_history_show, (int on, const char* help),
      { Ovali.history.show(on, UTF8ToString(help)); });
EM_JS(void, ovali_history_draw, (const char* svg), { Ovali.history.draw(UTF8ToString(svg)); });
EM_JS(void, ovali_history_copy, (const char* text), { Ovali.history.copy(UTF8ToString(text)); });

namespace ovali {

namespace {

// The menu bar as data: a bar item (parent -1) or an item in the menu of the
// bar item at `parent`; `click` handles the choice, none for a bar item that
// opens a menu. The options' items go into the menu of kOptionsMenu.
struct MenuEntry {
  const char* id;
  MenuItem Form1::*item;
  int parent;
  void (*click)(Form1&);
  bool checkable;
};

constexpr MenuEntry kMenus[] = {
    {"mnuFile", &Form1::mnuFile, -1, nullptr, false},
    {"mnuexit", &Form1::mnuexit, 0, mnuexit_Click, false},
    {"mnuOpt", &Form1::mnuOpt, -1, nullptr, false},
    {"mnuView", &Form1::mnuView, -1, nullptr, false},
    {"mnuHistory", &Form1::mnuHistory, 3, mnuHistory_Click, true},
    {"mnuAbout", &Form1::mnuAbout, -1, mnuAbout_Click, false},
};
constexpr int kOptionsMenu = 2;

std::string indexedName(const char* name, std::int16_t index) {
  return std::string(name) + "_" + std::to_string(index);
}

std::string css(const Color& c) { return c.windowText ? "CanvasText" : hexColor(c); }

const char* justify(Alignment a) {
  switch (a) {
    case Alignment::Right:
      return "flex-end";
    case Alignment::Center:
      return "center";
    case Alignment::Left:
      break;
  }
  return "flex-start";
}

void text(int h, std::string_view s) { ovali_text(h, s.data(), static_cast<int>(s.size())); }

}  // namespace

Page::Page(Form1& f) : f_(f) {
  ovali_start(pageEventCodes().c_str());
  const char* menu = pageEventName(PageEvent::Menu);
  for (int i = 0; i < static_cast<int>(std::size(kMenus)); ++i) {
    const MenuEntry& entry = kMenus[i];
    MenuView view{-1, &(f_.*entry.item), {}};
    if (entry.parent < 0) {
      const bool opens = std::any_of(std::begin(kMenus), std::end(kMenus),
                                     [i](const MenuEntry& e) { return e.parent == i; }) ||
                         i == kOptionsMenu;
      view.handle = ovali_bar_item(entry.id, menu, i, opens);
    } else {
      view.handle = ovali_menu_item(menus_[static_cast<std::size_t>(entry.parent)].handle, entry.id,
                                    menu, i, entry.checkable);
    }
    menus_.push_back(view);
  }
  for (std::int16_t k = 0; k < f_.mnuO.extent(); ++k) {
    if (const MenuItem* item = f_.mnuO.find(k)) {
      menus_.push_back({ovali_menu_item(menus_[kOptionsMenu].handle, indexedName("mnuO", k).c_str(),
                                        pageEventName(PageEvent::Option), k, 1),
                        item,
                        {}});
    }
  }

  // The focusable controls go into the page in the window's tab order, which
  // makes it the page's own; the labels, the board and the links follow.
  buttons_.resize(static_cast<std::size_t>(f_.Command1.extent()));
  for (Focus focus : Form1::tabOrder) {
    const auto button = [&](std::int16_t index) {
      if (!f_.Command1.exists(index)) return;
      buttons_[static_cast<std::size_t>(index)].handle =
          ovali_button(indexedName("Command1", index).c_str(), index, static_cast<int>(focus));
    };
    switch (focus) {
      case Focus::txtNB:
        makeField(txtNB_, "txtNB", 0, focus, f_.txtNB, f_.Label2, txtNB_Change, txtNB_GotFocus,
                  txtNB_KeyPress);
        break;
      case Focus::txtDollars:
        makeField(txtDollars_, "txtDollars", 1, focus, f_.txtDollars, f_.label1, txtDollars_Change,
                  txtDollars_GotFocus, txtDollars_KeyPress);
        break;
      case Focus::txtNTrade:
        makeField(txtNTrade_, "txtNTrade", 2, focus, f_.txtNTrade, f_.Label4, txtNTrade_Change,
                  txtNTrade_GotFocus, txtNTrade_KeyPress);
        break;
      case Focus::Start:
        button(0);
        break;
      case Focus::Reset:
        button(2);
        break;
      case Focus::Step:
        button(3);
        break;
      case Focus::Analyze:
        button(4);
        break;
      case Focus::chkFast:
        fast_.handle = ovali_check_box("chkFast", static_cast<int>(focus));
        break;
      case Focus::None:
        break;
    }
  }

  label2_.handle = ovali_label("Label2", -1);
  label1_.handle = ovali_label("label1", -1);
  label4_.handle = ovali_label("Label4", -1);
  counter_.handle = ovali_label("C", -1);
  ovali_role(counter_.handle, "group");
  describe(counter_, std::string(kRoundName));
  line2_.handle = ovali_line();
  board_ = ovali_group("board", "Players");
  ladder_ = ovali_group("ladder", "Players by amount");
}

void Page::makeField(FieldView& view, const char* id, int field, Focus focus, TextBox& model,
                     const Label& caption, void (*change)(Form1&), void (*gotFocus)(Form1&),
                     void (*keyPress)(Form1&, std::int16_t&)) {
  view.handle = ovali_field(id, field, static_cast<int>(focus));
  view.model = &model;
  view.change = change;
  view.gotFocus = gotFocus;
  view.keyPress = keyPress;
  ovali_name(view.handle, caption.caption.data(), static_cast<int>(caption.caption.size()));
}

void Page::open() {
  // As the window opens, its first control gets the focus like a user's Tab.
  f_.focus = Focus::txtNB;
  txtNB_GotFocus(f_);
  sync();
  std::string query(static_cast<std::size_t>(ovali_query_size()) + 1, '\0');
  ovali_query_copy(query.data(), static_cast<int>(query.size()));
  query.resize(query.size() - 1);
  if (query.empty() || query == "?") return;
  const AddressReading reading = readAddress(query);
  if (!reading.error.empty()) {
    f_.tk.msgbox(reading.error);
    return;
  }
  applyAddress(f_, reading.settings);
  sync();
}

// ---------------------------------------------------------------------------
// From the page to the game.

Page::FieldView* Page::field(int index) {
  switch (index) {
    case 0:
      return &txtNB_;
    case 1:
      return &txtDollars_;
    case 2:
      return &txtNTrade_;
    default:
      return nullptr;
  }
}

void Page::dispatch() {
  int args[3] = {0, 0, 0};
  for (int kind = ovali_take(args); kind != 0; kind = ovali_take(args)) {
    const auto index = static_cast<std::int16_t>(args[0]);
    switch (static_cast<PageEvent>(kind)) {
      case PageEvent::Click:
        Command1_Click(f_, index);
        break;
      case PageEvent::Fast:
        f_.chkFast.value = static_cast<std::int16_t>(args[0] != 0 ? 1 : 0);
        fast_.shown.shown().value = f_.chkFast.value;
        chkFast_Click(f_);
        break;
      case PageEvent::Edit:
        if (FieldView* view = field(args[0])) {
          std::string value(static_cast<std::size_t>(ovali_value_size(view->handle)) + 1, '\0');
          ovali_value_copy(view->handle, value.data(), static_cast<int>(value.size()));
          value.resize(value.size() - 1);
          int selection[2] = {0, 0};
          ovali_selection(view->handle, selection);
          TextBox& shown = view->shown.shown();
          view->model->text = shown.text = value;
          view->model->selstart = shown.selstart = selection[0];
          view->model->sellength = shown.sellength = selection[1];
          view->change(f_);
        }
        break;
      case PageEvent::Select:
        if (FieldView* view = field(args[0])) {
          TextBox& shown = view->shown.shown();
          TextBox& model = *view->model;
          // A selection the game has set and the page not yet shown wins:
          // the click that focused a field comes after its GotFocus.
          if (model.selstart == shown.selstart && model.sellength == shown.sellength) {
            model.selstart = shown.selstart = args[1];
            model.sellength = shown.sellength = args[2];
          }
        }
        break;
      case PageEvent::Focus: {
        const auto target = static_cast<Focus>(args[0]);
        f_.focus = target;
        shownFocus_ = target;
        if (target == Focus::txtNB) txtNB_GotFocus(f_);
        if (target == Focus::txtDollars) txtDollars_GotFocus(f_);
        if (target == Focus::txtNTrade) txtNTrade_GotFocus(f_);
        break;
      }
      case PageEvent::Enter:
        if (FieldView* view = field(args[0])) {
          std::int16_t keyascii = kEnterKey;
          view->keyPress(f_, keyascii);
        }
        break;
      case PageEvent::Option:
        mnuO_Click(f_, index);
        break;
      case PageEvent::Menu:
        if (index >= 0 && index < static_cast<int>(std::size(kMenus)) && kMenus[index].click) {
          kMenus[index].click(f_);
        }
        break;
      case PageEvent::Link:
        Label3_Click(f_, index);
        break;
      case PageEvent::Resize:
        relayout_ = true;
        break;
      case PageEvent::History:
        mnuHistory_Click(f_);
        break;
      case PageEvent::CopyHistory:
        ovali_history_copy(historyTable(f_.history).c_str());
        break;
      case PageEvent::BoxClosed:  // it only woke the game
      case PageEvent::None:
        break;
    }
  }
}

// ---------------------------------------------------------------------------
// From the game to the page.

void Page::layout() {
  double size[2] = {0, 0};
  ovali_stage_size(size);
  project(size[0], size[1]);
  // Message boxes and menus grow with the picture, for the back of a room.
  const int box = std::max(13, projection_.fontPixels(8.25));
  const int menu = std::max(13, projection_.fontPixels(9));
  std::string families;
  for (std::string_view family : kFontFamilies) families += "\"" + std::string(family) + "\", ";
  families += "sans-serif";
  ovali_layout(families.c_str(), box, menu);
  // The menu bar's height follows its font: measure the stage again.
  ovali_stage_size(size);
  project(size[0], size[1]);
}

void Page::project(double width, double height) {
  // Never smaller than the design's own size: browser zoom then enlarges
  // the game, and the page scrolls where it must.
  projection_ = Projection(arrangementFor(width, height), width, height, 1);
  ovali_extent(projection_.width(), projection_.height());
}

void Page::place(Area area, int handle, const Rect& r) {
  const RectF p = projection_.rectF(area, r.left, r.top, r.width, r.height);
  ovali_place(handle, p.x, p.y, p.width, p.height);
}

void Page::look(Area area, int handle, const Font& font, const Color& color, Alignment alignment) {
  ovali_look(handle, projection_.fontPixels(area, font.points), font.bold, font.italic,
             font.underline, css(color).c_str(), justify(alignment));
}

void Page::describe(LabelView& view, const std::string& name) {
  if (view.described && view.name == name) return;
  view.name = name;
  view.described = true;
  ovali_name(view.handle, name.data(), static_cast<int>(name.size()));
}

void Page::sync() {
  present(f_);
  // The menu bar first: its height decides the stage's.
  for (MenuView& view : menus_) syncMenu(view);
  syncHistory();
  if (relayout_) layout();

  if (!titleShown_ || shownTitle_ != f_.caption) {
    ovali_title(tabTitle(f_).c_str(), f_.caption.c_str());
    shownTitle_ = f_.caption;
    titleShown_ = true;
  }
  // A Step or a run has ended when the controls it locked are free again
  // with another round shown (a fast Step may lock and free them between two
  // syncs); a fast run says nothing per round, and a reset nothing at all.
  if (f_.mnuOpt.enabled) {
    std::string said = roundAnnouncement(f_);
    if (said != lastRound_ && f_.C.caption != "0" && !lastRound_.empty()) {
      ovali_announce(said.c_str());
    }
    lastRound_ = std::move(said);
  }
  // The address carries the settings of the last reset, for a link or a reload.
  if (std::string address = addressOf(f_); !address.empty() && address != shownAddress_) {
    ovali_address(address.c_str());
    shownAddress_ = std::move(address);
  }

  syncLabel(label2_, f_.Label2, Area::Inputs);
  syncLabel(label1_, f_.label1, Area::Inputs);
  syncLabel(label4_, f_.Label4, Area::Inputs);
  syncLabel(counter_, f_.C, Area::Counter);
  syncField(txtNB_);
  syncField(txtDollars_);
  syncField(txtNTrade_);
  for (std::int16_t i = 0; i < f_.Command1.extent(); ++i) {
    const CommandButton* b = f_.Command1.find(i);
    if (b && static_cast<std::size_t>(i) < buttons_.size()) {
      syncButton(buttons_[static_cast<std::size_t>(i)], *b);
    }
  }
  syncCheckBox();
  syncLabels(links_, f_.Label3, "Label3", Area::Links);
  syncLabels(players_, f_.P, "P", Area::Board, board_);
  syncLabels(levelCaptions_, f_.lbl2, "lbl2", Area::Ladder, ladder_);
  syncLabels(counts_, f_.T, "T", Area::Ladder, ladder_);
  syncLabels(outerCounts_, f_.TS, "TS", Area::Ladder, ladder_);
  syncAccessibleNames();
  syncShapes();
  syncFocus();
  relayout_ = false;
  f_.historyFrameShown = true;
}

void Page::syncHistory() {
  const bool open = f_.mnuHistory.checked;
  if (open != historyShown_) {
    historyShown_ = open;
    ovali_history_show(open, historyHelp().c_str());
    // Nothing is drawn while it is closed.
    historyRedraw_.forget();
  }
  if (open && historyRedraw_.due(f_)) {
    ovali_history_draw(chartsSvg(historyCharts(f_.history), 1.0).c_str());
  }
}

void Page::syncLabel(LabelView& view, const Label& model, Area area) {
  const Changes c = view.shown.update(model, relayout_);
  if (c.text) {
    text(view.handle, model.caption);
    if (view.described) {
      ovali_describe(view.handle, model.caption.data(), static_cast<int>(model.caption.size()));
    }
  }
  if (c.look) look(area, view.handle, model.font, model.forecolor, model.alignment);
  if (c.place) place(area, view.handle, model);
  if (view.fitted && (c.text || c.look || c.place)) {
    ovali_fit(view.handle, projection_.fontPixels(area, model.font.points),
              projection_.fontPixels(area, kSmallestCaptionPoints));
  }
  if (c.visible) ovali_visible(view.handle, model.visible);
}

void Page::syncLabels(std::vector<LabelView>& views, const ControlArray<Label>& model,
                      const char* name, Area area, int group) {
  const auto extent = static_cast<std::size_t>(model.extent());
  if (views.size() < extent) views.resize(extent);
  for (std::int16_t i = 0; i < model.extent(); ++i) {
    const Label* m = model.find(i);
    if (!m) continue;
    LabelView& view = views[static_cast<std::size_t>(i)];
    if (view.handle < 0) {
      const std::string id = indexedName(name, i);
      if (&views == &links_) {
        view.handle = ovali_link(id.c_str(), i);
        const std::string_view help = kLinkDescription;
        ovali_describe(view.handle, help.data(), static_cast<int>(help.size()));
      } else {
        view.handle = ovali_label(id.c_str(), group);
        view.fitted = &views == &levelCaptions_;
        if (&views == &players_) {
          ovali_role(view.handle, "group");
          describe(view, playerName(i));
        } else if (&views == &counts_ || &views == &outerCounts_) {
          ovali_role(view.handle, "group");
          describe(view, countName(f_, i, &views == &outerCounts_));
        }
      }
    }
    syncLabel(view, *m, area);
  }
}

void Page::syncAccessibleNames() {
  for (std::size_t i = 0; i < counts_.size(); ++i) {
    const auto row = static_cast<std::int16_t>(i);
    if (counts_[i].handle >= 0) describe(counts_[i], countName(f_, row, false));
    if (i < outerCounts_.size() && outerCounts_[i].handle >= 0) {
      describe(outerCounts_[i], countName(f_, row, true));
    }
  }
}

void Page::syncField(FieldView& view) {
  const TextBox& model = *view.model;
  const Changes c = view.shown.update(model, relayout_);
  if (c.text) ovali_value(view.handle, model.text.data(), static_cast<int>(model.text.size()));
  if (c.text || c.selection) ovali_select(view.handle, model.selstart, model.sellength);
  if (c.look) look(Area::Inputs, view.handle, model.font, kWindowText, Alignment::Left);
  if (c.place) place(Area::Inputs, view.handle, model);
  if (c.enabled) ovali_enabled(view.handle, model.enabled);
}

void Page::syncButton(View<CommandButton>& view, const CommandButton& model) {
  const Changes c = view.shown.update(model, relayout_);
  if (c.text) text(view.handle, model.caption);
  if (c.look) look(Area::Controls, view.handle, model.font, kWindowText, Alignment::Center);
  if (c.place) place(Area::Controls, view.handle, model);
  if (c.enabled) ovali_enabled(view.handle, model.enabled);
  if (c.visible) ovali_visible(view.handle, model.visible);
}

void Page::syncCheckBox() {
  const CheckBox& model = f_.chkFast;
  const Changes c = fast_.shown.update(model, relayout_);
  if (c.text) text(fast_.handle, model.caption);
  if (c.look) look(Area::Controls, fast_.handle, model.font, kWindowText, Alignment::Left);
  if (c.place) place(Area::Controls, fast_.handle, model);
  if (c.enabled) ovali_enabled(fast_.handle, model.enabled);
  if (c.value) ovali_checked(fast_.handle, model.value != 0);
}

void Page::syncShapes() {
  const auto circles = static_cast<std::size_t>(f_.Acircle.extent());
  if (circles_.size() < circles) circles_.resize(circles);
  for (std::int16_t i = 0; i < f_.Acircle.extent(); ++i) {
    const Circle* m = f_.Acircle.find(i);
    if (!m) continue;
    auto& view = circles_[static_cast<std::size_t>(i)];
    if (view.handle < 0) view.handle = ovali_circle(indexedName("Acircle", i).c_str());
    const Changes c = view.shown.update(*m, relayout_);
    if (c.look || c.place) {
      ovali_fill(view.handle, css(m->fillcolor).c_str(),
                 kMarkerOutlinePixels * projection_.scale());
    }
    // Markers 2 and 3 stand on the ladder, at their players' rows.
    if (c.place) place(i < 2 ? Area::Board : Area::Ladder, view.handle, *m);
    if (c.visible) ovali_visible(view.handle, m->visible);
  }

  const auto line = [this](View<Line>& view, const Line& m, Area area) {
    const Changes c = view.shown.update(m, relayout_);
    if (c.place) {
      const PointF a = projection_.point(area, m.x1, m.y1);
      const PointF b = projection_.point(area, m.x2, m.y2);
      ovali_ends(view.handle, a.x, a.y, b.x, b.y);
    }
    if (c.visible) ovali_visible(view.handle, m.visible);
  };
  const auto rungs = static_cast<std::size_t>(f_.Line1.extent());
  if (rungs_.size() < rungs) rungs_.resize(rungs);
  for (std::int16_t i = 0; i < f_.Line1.extent(); ++i) {
    const Line* m = f_.Line1.find(i);
    if (!m) continue;
    auto& view = rungs_[static_cast<std::size_t>(i)];
    if (view.handle < 0) view.handle = ovali_line();
    line(view, *m, Area::Ladder);
  }
  line(line2_, f_.Line2, Area::Board);
}

void Page::syncMenu(MenuView& view) {
  const MenuItem& model = *view.model;
  if (!view.shown.update(model).any()) return;
  ovali_menu_state(view.handle, model.caption.c_str(), model.checked, model.enabled);
}

int Page::handleFor(Focus focus) const {
  const auto button = [this](std::size_t i) {
    return i < buttons_.size() ? buttons_[i].handle : -1;
  };
  switch (focus) {
    case Focus::txtNB:
      return txtNB_.handle;
    case Focus::txtDollars:
      return txtDollars_.handle;
    case Focus::txtNTrade:
      return txtNTrade_.handle;
    case Focus::Start:
      return button(0);
    case Focus::Reset:
      return button(2);
    case Focus::Step:
      return button(3);
    case Focus::Analyze:
      return button(4);
    case Focus::chkFast:
      return fast_.handle;
    case Focus::None:
      break;
  }
  return -1;
}

void Page::syncFocus() {
  if (f_.focus == shownFocus_) return;
  shownFocus_ = f_.focus;
  if (const int h = handleFor(f_.focus); h >= 0) ovali_focus(h);
}

}  // namespace ovali
