#include "web/page.h"

#include <algorithm>
#include <string_view>

#include "view/arrangements.h"
#include "view/drawing.h"
#include "view/look.h"
#include "web/bridges.h"
#include "web/events.h"

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

// The names the page's scripts know the panels by.
const char* panelName(Panel panel) {
  switch (panel) {
    case Panel::History:
      return "history";
    case Panel::Lab:
      return "lab";
    case Panel::Game:
      break;
  }
  return "game";
}

}  // namespace

Page::Page(Form1& f, const Handlers& handlers, LabWorkers* workers)
    : f_(f), presenter_(f, *this, handlers, workers) {
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
      ovali_field_keys(h, std::string(e.keys).c_str());
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

void Page::open() { presenter_.open(); }

std::string Page::query() const {
  std::string query(static_cast<std::size_t>(ovali_query_size()) + 1, '\0');
  ovali_query_copy(query.data(), static_cast<int>(query.size()));
  query.resize(query.size() - 1);
  return query;
}

// The address carries the settings of the last reset, for a link or a reload.
void Page::address(std::string_view query) { ovali_address(std::string(query).c_str()); }

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
        presenter_.focused(static_cast<Focus>(args[0]), static_cast<Arrival>(args[1]));
        break;
      case PageEvent::Key:
        if (isField) presenter_.key(field, static_cast<std::int16_t>(args[1]));
        break;
      case PageEvent::PanelKey:
        presenter_.panelKey(static_cast<Panel>(args[0]), static_cast<PanelKey>(args[1]));
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
  const int box = std::max(kSmallestPanelPixels, projection_.fontPixels(kBoxFontPoints));
  const int menu = std::max(kSmallestPanelPixels, projection_.fontPixels(kMenuFontPoints));
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
  return relayout;
}

void Page::title(std::string_view caption, std::string_view full) {
  ovali_title(std::string(full).c_str(), std::string(caption).c_str());
}

void Page::announce(Panel where, std::string_view text) {
  ovali_announce(panelName(where), text.data(), size(text));
}

void Page::raise(Panel panel) { ovali_raise(panelName(panel)); }

int Page::focused() const { return ovali_focused(); }

void Page::history(bool open, std::string_view help) {
  ovali_history_show(open, std::string(help).c_str());
}

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
  // count beside it; a pixel to spare.
  if (kinds_[static_cast<std::size_t>(h)] != Kind::Fitted) return;
  const double room =
      projection_.rectF(area, label.left, label.top, label.width, label.height).width - 1;
  ovali_fitted(h, fittedPixels(projection_.fontPixels(area, label.font.points),
                               projection_.fontPixels(area, kSmallestCaptionPoints), room,
                               [h](int px) { return ovali_measure(h, px); }));
}

void Page::fill(int h, Area, const Color& color) {
  ovali_fill(h, css(color).c_str(), kMarkerOutlinePixels * projection_.scale());
}

void Page::ends(int h, Area area, const Line& line) {
  const PointF a = projection_.point(area, line.x1, line.y1);
  const PointF b = projection_.point(area, line.x2, line.y2);
  ovali_ends(h, a.x, a.y, b.x, b.y, css(line.bordercolor).c_str(),
             line.borderwidth * std::max(1.0, projection_.scale()));
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
