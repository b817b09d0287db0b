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
#include "view/panels.h"
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
  // A field: the character codes its key handler takes (Enter). The front
  // end reports these keys to the game and swallows them; every other key
  // reaches the field as it is.
  std::string_view keys = {};
};

// What the surface's focus stands on, where it is not one of its elements.
inline constexpr int kFocusNowhere = -1;    // nothing: the window's body
inline constexpr int kFocusElsewhere = -2;  // a menu, a panel, a message box

// Shown selected from its end back to its start: the caret stands at the
// start, so a number wider than its field shows its first digits.
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
  // The window's caption, and the longer title a browser tab shows with it
  // ("The Ovalin Game — Check").
  virtual void title(std::string_view caption, std::string_view full) = 0;

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
  virtual void history(bool open, std::string_view help) = 0;
  // The Explorations lab's panel: opened or closed as View › Explorations
  // lab says, what it shows sent whenever that changed, and its picture
  // whenever new games came in.
  virtual void lab(bool open) = 0;
  virtual void labView(const LabView& view) = 0;
  virtual void labPicture(const Drawing& picture) = 0;
  // Puts `text` on the clipboard.
  virtual void copy(std::string_view text) = 0;
  // Says `text` to screen readers from `where`, and shows it there for a
  // moment where the panel has room for it.
  virtual void announce(Panel where, std::string_view text) = 0;
  // Gives `panel` the keyboard: its window is activated, and a panel's
  // first control takes the focus.
  virtual void raise(Panel panel) = 0;
  // The query of the address the program was opened with ("?players=40"),
  // and the one that opens the game as it now stands; nothing where there
  // is no address.
  virtual std::string query() const { return {}; }
  virtual void address(std::string_view) {}

  // The element the surface's focus stands on, kFocusNowhere or
  // kFocusElsewhere: asked at every frame, as the toolkit moves the focus
  // by itself too.
  virtual int focused() const = 0;
  // Where the front end's widgets change their selections by themselves,
  // the presenter asks for them at every frame instead of trusting what it
  // sent last.
  virtual bool ownsSelection() const { return false; }
  virtual Selection selection(int) const { return {}; }
};

}  // namespace ovali

// The element operations a front end's surface declares, written once.
#define OVALI_SURFACE_OPERATIONS                                                               \
  int create(const ::ovali::Element& element) override;                                        \
  bool frame() override;                                                                       \
  void title(std::string_view caption, std::string_view full) override;                        \
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
  void history(bool open, std::string_view help) override;                                     \
  void lab(bool open) override;                                                                \
  void labView(const ::ovali::LabView& view) override;                                         \
  void labPicture(const ::ovali::Drawing& picture) override;                                   \
  void copy(std::string_view text) override;                                                   \
  void announce(::ovali::Panel where, std::string_view text) override;                         \
  void raise(::ovali::Panel panel) override;                                                   \
  int focused() const override
