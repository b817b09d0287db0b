#include "web/page.h"

#include <emscripten.h>

#include <algorithm>
#include <string_view>

#include "commands/address.h"
#include "commands/routes.h"
#include "help/help.h"
#include "view/arrangements.h"
#include "view/drawing.h"
#include "view/look.h"
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

namespace ovali {

namespace {

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

int size(std::string_view s) { return static_cast<int>(s.size()); }

}  // namespace

Page::Page(Form1& f, LabWorkers* workers) : f_(f), presenter_(f, *this, gameHandlers(), workers) {
  ovali_start(pageEventCodes().c_str());
  labWords();
  presenter_.create();
}

int Page::create(const Element& e) {
  const char* id = e.id.c_str();
  const auto focus = static_cast<int>(e.focus);
  int h = -1;
  switch (e.kind) {
    case Kind::Group:
      h = ovali_group(id, "");
      break;
    case Kind::Caption:
    case Kind::Fitted:
    case Kind::Number:
      h = ovali_label(id, e.parent);
      if (e.kind == Kind::Number) ovali_role(h, "group");
      break;
    case Kind::Link:
      h = ovali_link(id, e.index);
      break;
    case Kind::Field:
      h = ovali_field(id, e.index, focus);
      break;
    case Kind::Button:
      h = ovali_button(id, e.index, focus);
      break;
    case Kind::CheckBox:
      h = ovali_check_box(id, focus);
      break;
    case Kind::Circle:
      h = ovali_circle(id);
      break;
    case Kind::Line:
      h = ovali_line();
      break;
    case Kind::MenuBar:
      h = ovali_bar_item(id, pageEventName(PageEvent::Menu), e.index, e.opensMenu);
      break;
    case Kind::MenuItem:
    case Kind::Option:
      h = ovali_menu_item(
          e.parent, id, pageEventName(e.kind == Kind::Option ? PageEvent::Option : PageEvent::Menu),
          e.index, e.checkable);
      break;
  }
  if (h >= static_cast<int>(kinds_.size())) kinds_.resize(static_cast<std::size_t>(h) + 1);
  if (h >= 0) kinds_[static_cast<std::size_t>(h)] = e.kind;
  return h;
}

void Page::open() {
  presenter_.open();
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

void Page::dispatch() {
  int args[3] = {0, 0, 0};
  for (int kind = ovali_take(args); kind != 0; kind = ovali_take(args)) {
    const auto index = static_cast<std::int16_t>(args[0]);
    const bool isField = args[0] >= 0 && args[0] < kFieldCount;
    const auto field = static_cast<Field>(args[0]);
    switch (static_cast<PageEvent>(kind)) {
      case PageEvent::Click:
        presenter_.click(index);
        break;
      case PageEvent::Fast:
        presenter_.check(args[0] != 0);
        break;
      case PageEvent::Edit:
        if (isField) {
          const int h = presenter_.handleOf(field);
          std::string value(static_cast<std::size_t>(ovali_value_size(h)) + 1, '\0');
          ovali_value_copy(h, value.data(), static_cast<int>(value.size()));
          value.resize(value.size() - 1);
          int selection[2] = {0, 0};
          ovali_selection(h, selection);
          presenter_.edited(field, std::move(value), {selection[0], selection[1]});
        }
        break;
      case PageEvent::Select:
        if (isField) presenter_.selected(field, {args[1], args[2]});
        break;
      case PageEvent::Focus:
        presenter_.focused(static_cast<Focus>(args[0]));
        break;
      case PageEvent::Enter:
        if (isField) presenter_.enter(field);
        break;
      case PageEvent::Option:
        presenter_.option(index);
        break;
      case PageEvent::Menu:
        presenter_.menu(index);
        break;
      case PageEvent::Link:
        presenter_.link(index);
        break;
      case PageEvent::Resize:
        relayout_ = true;
        break;
      case PageEvent::History:
        presenter_.historyClose();
        break;
      case PageEvent::CopyHistory:
        announceBeside_ = "history";
        presenter_.historyCopy();
        break;
      case PageEvent::LabChoose:
      case PageEvent::LabVersus:
      case PageEvent::LabRun:
      case PageEvent::LabCopy:
      case PageEvent::LabClose:
        labEvent(static_cast<PageEvent>(kind), args[0]);
        break;
      case PageEvent::LabGame:    // a game came in, or is due: the next sync takes it
      case PageEvent::BoxClosed:  // it only woke the game
      case PageEvent::BoxCopy:    // the box's own loop takes it
      case PageEvent::None:
        break;
    }
  }
}

// ---------------------------------------------------------------------------
// From the game to the page.

void Page::layout() {
  double stage[2] = {0, 0};
  ovali_stage_size(stage);
  project(stage[0], stage[1]);
  // Message boxes and menus grow with the picture, for the back of a room.
  const int box = std::max(13, projection_.fontPixels(8.25));
  const int menu = std::max(13, projection_.fontPixels(9));
  std::string families;
  for (std::string_view family : kFontFamilies) families += "\"" + std::string(family) + "\", ";
  families += "sans-serif";
  ovali_layout(families.c_str(), box, menu);
  // The menu bar's height follows its font: measure the stage again.
  ovali_stage_size(stage);
  project(stage[0], stage[1]);
}

void Page::project(double width, double height) {
  // Never smaller than the design's own size: browser zoom then enlarges
  // the game, and the page scrolls where it must.
  projection_ = Projection(arrangementFor(width, height), width, height, 1);
  ovali_extent(projection_.width(), projection_.height());
}

bool Page::frame() {
  const bool relayout = relayout_;
  if (relayout_) layout();
  relayout_ = false;

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
  return relayout;
}

void Page::history(bool open) { ovali_history_show(open, historyHelp().c_str()); }

void Page::historyDrawing(const Drawing& drawing) {
  ovali_history_draw(svgOf(drawing, 1.0).c_str());
}

void Page::text(int h, std::string_view s) {
  if (kinds_[static_cast<std::size_t>(h)] == Kind::Field) {
    ovali_value(h, s.data(), size(s));
  } else {
    ovali_text(h, s.data(), size(s));
  }
}

void Page::look(int h, Area area, const Font& font, const Color& color, Alignment alignment) {
  ovali_look(h, projection_.fontPixels(area, font.points), font.bold, font.italic, font.underline,
             css(color).c_str(), justify(alignment));
}

void Page::place(int h, Area area, const Rect& r) {
  const RectF p = projection_.rectF(area, r.left, r.top, r.width, r.height);
  ovali_place(h, p.x, p.y, p.width, p.height);
}

void Page::fit(int h, Area area, const Label& label) {
  // A level caption too wide for its box is drawn smaller, not across the
  // count beside it.
  if (kinds_[static_cast<std::size_t>(h)] != Kind::Fitted) return;
  ovali_fit(h, projection_.fontPixels(area, label.font.points),
            projection_.fontPixels(area, kSmallestCaptionPoints));
}

void Page::fill(int h, Area, const Color& color) {
  ovali_fill(h, css(color).c_str(), kMarkerOutlinePixels * projection_.scale());
}

void Page::ends(int h, Area area, const Line& line) {
  const PointF a = projection_.point(area, line.x1, line.y1);
  const PointF b = projection_.point(area, line.x2, line.y2);
  ovali_ends(h, a.x, a.y, b.x, b.y);
}

void Page::visible(int h, bool on) { ovali_visible(h, on); }
void Page::enabled(int h, bool on) { ovali_enabled(h, on); }
void Page::checked(int h, bool on) { ovali_checked(h, on); }

void Page::menu(int h, const MenuItem& item) {
  ovali_menu_state(h, item.caption.c_str(), item.checked, item.enabled);
}

void Page::select(int h, Selection s) { ovali_select(h, s.start, s.length); }
void Page::name(int h, std::string_view name) { ovali_name(h, name.data(), size(name)); }
void Page::describe(int h, std::string_view text) { ovali_describe(h, text.data(), size(text)); }
void Page::focus(int h) { ovali_focus(h); }

}  // namespace ovali
