#pragma once

// Plain control types: what each control of the window shows, as data.
// The presenter (view/presenter.h) copies these into each front end's
// widgets or page elements; the game only ever writes here.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ovali {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  // The desktop's window-text colour rather than a fixed one.
  bool windowText = false;

  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kWindowText{0, 0, 0, true};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kWhite{255, 255, 255};

struct Font {
  double points = 8.25;
  bool bold = true;
  bool italic = false;
  bool underline = false;

  friend bool operator==(const Font&, const Font&) = default;
};

enum class Alignment { Left, Right, Center };

// Positions and sizes are in twips (1/1440 inch) from the top-left corner of
// the client area; single precision, as the window keeps them.
struct Rect {
  float left = 0, top = 0, width = 0, height = 0;
};

struct Label : Rect {
  std::string caption;
  Color forecolor = kWindowText;
  bool visible = true;
  Font font;
  Alignment alignment = Alignment::Left;
};

struct TextBox : Rect {
  std::string text;
  int selstart = 0;
  int sellength = 0;
  bool enabled = true;
  Font font;
};

struct CommandButton : Rect {
  std::string caption;
  bool enabled = true;
  bool visible = true;
  Font font;
};

struct CheckBox : Rect {
  std::string caption;
  std::int16_t value = 0;  // 0 clear, 1 ticked
  bool enabled = true;
  Font font;
};

struct Circle : Rect {
  Color fillcolor;
  bool visible = true;
};

struct Line {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool visible = true;
  // How it is drawn: its colour, and its width in pixels at the design
  // size, which grows with the picture.
  Color bordercolor = kWindowText;
  float borderwidth = 1;
};

struct MenuItem {
  std::string caption;  // "&" marks the access key
  bool checked = false;
  bool enabled = true;
};

// Raised when a control array is addressed at an index that has no element.
class NoSuchControl : public std::out_of_range {
 public:
  explicit NoSuchControl(std::int16_t index)
      : std::out_of_range("no control with index " + std::to_string(index)) {}
};

// A control array addressed by a 16-bit index. Indexes need not be contiguous
// (a button array may lack index 1). New elements are copies of element 0
// that start hidden.
template <class T>
class ControlArray {
 public:
  bool exists(std::int16_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < present_.size() &&
           present_[static_cast<std::size_t>(index)] != 0;
  }

  T* find(std::int16_t index) {
    return exists(index) ? &items_[static_cast<std::size_t>(index)] : nullptr;
  }
  const T* find(std::int16_t index) const {
    return exists(index) ? &items_[static_cast<std::size_t>(index)] : nullptr;
  }

  T& operator()(std::int16_t index) {
    if (!exists(index)) throw NoSuchControl(index);
    return items_[static_cast<std::size_t>(index)];
  }
  const T& operator()(std::int16_t index) const {
    if (!exists(index)) throw NoSuchControl(index);
    return items_[static_cast<std::size_t>(index)];
  }

  // Places a design-time element.
  void put(std::int16_t index, T element) {
    if (index < 0) throw NoSuchControl(index);
    grow(index);
    items_[static_cast<std::size_t>(index)] = std::move(element);
    present_[static_cast<std::size_t>(index)] = 1;
  }

  // Creates element `index` as a hidden copy of element 0; does nothing when
  // it exists already. Throws when there is no element 0 to copy.
  void load(std::int16_t index) {
    if (exists(index)) return;
    if (index < 0 || !exists(0)) throw NoSuchControl(index);
    grow(index);
    items_[static_cast<std::size_t>(index)] = items_[0];
    items_[static_cast<std::size_t>(index)].visible = false;
    present_[static_cast<std::size_t>(index)] = 1;
  }

  // One past the highest index that may exist.
  std::int16_t extent() const { return static_cast<std::int16_t>(present_.size()); }

 private:
  void grow(std::int16_t index) {
    const auto needed = static_cast<std::size_t>(index) + 1;
    if (present_.size() < needed) {
      items_.resize(needed);
      present_.resize(needed, 0);
    }
  }

  std::vector<T> items_;
  // A byte a control, not vector<bool>'s bits: every frame asks after each
  // of up to 200 players.
  std::vector<std::uint8_t> present_;
};

}  // namespace ovali
