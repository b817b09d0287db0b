#pragma once

// What a front end offers the presenter: elements it makes and changes on
// request, each known by the handle it returned when it made it. Positions
// and sizes go in twips with the area of the picture they belong to; the
// front end projects them to its pixels.

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/controls.h"
#include "view/drawing.h"
#include "view/form1.h"
#include "view/labpanel.h"
#include "view/projection.h"

namespace ovali {

// What an element is, and so what a front end makes for it.
enum class Kind {
  Group,    // a named group of elements: the board, the ladder
  Caption,  // a label
  Fitted,   // a label whose caption is drawn smaller when it is wider than its box
  Number,   // a label read out under a fixed name, its caption as the description
  Link,     // a help link
  Field,
  Button,
  CheckBox,
  Circle,
  Line,
  MenuBar,  // an entry of the menu bar; it may open a menu
  MenuItem,
  Option,  // an item of the Options menu
};

// An element to make.
struct Element {
  Kind kind = Kind::Caption;
  std::string id;   // "txtNB", "Command1_0", "P_3", "mnuO_4"
  int parent = -1;  // the group, or the menu bar entry whose menu it is in
  // Which of its kind it is, as the front end reports it back: a field's
  // number, a button's or a link's index, a menu entry, an option.
  int index = -1;
  Focus focus = Focus::None;  // for a control that takes the focus
  bool opensMenu = false;     // a menu bar entry
  bool checkable = false;     // a menu item
  int labelFor = -1;          // a field's caption: the field's handle
};

struct Selection {
  int start = 0;
  int length = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual int create(const Element& element) = 0;

  // Before the controls of each frame, once the menus are shown: the front
  // end's own parts (title, layout). True when the picture was scaled anew,
  // so that every place and look must be sent again.
  virtual bool frame() = 0;

  virtual void text(int h, std::string_view text) = 0;
  virtual void look(int h, Area area, const Font& font, const Color& color,
                    Alignment alignment) = 0;
  virtual void place(int h, Area area, const Rect& rect) = 0;
  // A label's text, look or place changed: where a front end sizes the
  // caption to its box, it does it now.
  virtual void fit(int h, Area area, const Label& label) = 0;
  virtual void fill(int h, Area area, const Color& color) = 0;
  virtual void ends(int h, Area area, const Line& line) = 0;
  virtual void visible(int h, bool on) = 0;
  virtual void enabled(int h, bool on) = 0;
  virtual void checked(int h, bool on) = 0;
  virtual void menu(int h, const MenuItem& item) = 0;
  virtual void select(int h, Selection selection) = 0;
  virtual void name(int h, std::string_view name) = 0;
  virtual void describe(int h, std::string_view description) = 0;
  virtual void focus(int h) = 0;
  // The history view: drawn anew when the history has changed and the view
  // is open, and opened or closed as View › History says.
  virtual void historyDrawing(const Drawing& drawing) = 0;
  virtual void history(bool open) = 0;
  // The Explorations lab's panel: opened or closed as View › Explorations
  // lab says, what it shows sent whenever that changed, and its picture
  // whenever new games came in.
  virtual void lab(bool open) = 0;
  virtual void labView(const LabView& view) = 0;
  virtual void labPicture(const Drawing& picture) = 0;
  // Puts `text` on the clipboard.
  virtual void copy(std::string_view text) = 0;
  // Says `text` to screen readers, and shows it for a moment.
  virtual void announce(std::string_view text) = 0;

  // Where the front end's own focus and selection are the truth (its
  // widgets change them by themselves), the presenter asks for them at
  // every frame instead of trusting what it sent last.
  virtual bool ownsFocus() const { return false; }
  virtual int focused() const { return -1; }
  virtual Selection selection(int) const { return {}; }
};

}  // namespace ovali

// The element operations a front end's surface declares, written once.
#define OVALI_SURFACE_OPERATIONS                                                               \
  int create(const ::ovali::Element& element) override;                                        \
  bool frame() override;                                                                       \
  void text(int h, std::string_view text) override;                                            \
  void look(int h, ::ovali::Area area, const ::ovali::Font& font, const ::ovali::Color& color, \
            ::ovali::Alignment alignment) override;                                            \
  void place(int h, ::ovali::Area area, const ::ovali::Rect& rect) override;                   \
  void fit(int h, ::ovali::Area area, const ::ovali::Label& label) override;                   \
  void fill(int h, ::ovali::Area area, const ::ovali::Color& color) override;                  \
  void ends(int h, ::ovali::Area area, const ::ovali::Line& line) override;                    \
  void visible(int h, bool on) override;                                                       \
  void enabled(int h, bool on) override;                                                       \
  void checked(int h, bool on) override;                                                       \
  void menu(int h, const ::ovali::MenuItem& item) override;                                    \
  void select(int h, ::ovali::Selection selection) override;                                   \
  void name(int h, std::string_view name) override;                                            \
  void describe(int h, std::string_view description) override;                                 \
  void focus(int h) override;                                                                  \
  void historyDrawing(const ::ovali::Drawing& drawing) override;                               \
  void history(bool open) override;                                                            \
  void lab(bool open) override;                                                                \
  void labView(const ::ovali::LabView& view) override;                                         \
  void labPicture(const ::ovali::Drawing& picture) override;                                   \
  void copy(std::string_view text) override;                                                   \
  void announce(std::string_view text) override
