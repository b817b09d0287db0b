#pragma once

// What a front end last showed of each control, so that a frame copies only
// what changed since the frame before into the screen's own elements.

#include "toolkit/controls.h"

namespace ovali {

// The parts of a control that differ from what was last shown.
struct Changes {
  bool text = false;   // caption or text
  bool look = false;   // font, colour, alignment
  bool place = false;  // position and size (a line's end points)
  bool visible = false;
  bool enabled = false;
  bool value = false;      // a check mark or the check box's value
  bool selection = false;  // a text box's selection

  static Changes all() { return {true, true, true, true, true, true, true}; }
  bool any() const { return text || look || place || visible || enabled || value || selection; }
};

inline bool samePlace(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

inline Changes compare(const Label& was, const Label& now) {
  Changes c;
  c.text = was.caption != now.caption;
  c.look = !(was.font == now.font) || !(was.forecolor == now.forecolor) ||
           was.alignment != now.alignment;
  c.place = !samePlace(was, now);
  c.visible = was.visible != now.visible;
  return c;
}

inline Changes compare(const TextBox& was, const TextBox& now) {
  Changes c;
  c.text = was.text != now.text;
  c.look = !(was.font == now.font);
  c.place = !samePlace(was, now);
  c.enabled = was.enabled != now.enabled;
  c.selection = was.selstart != now.selstart || was.sellength != now.sellength;
  return c;
}

inline Changes compare(const CommandButton& was, const CommandButton& now) {
  Changes c;
  c.text = was.caption != now.caption;
  c.look = !(was.font == now.font);
  c.place = !samePlace(was, now);
  c.visible = was.visible != now.visible;
  c.enabled = was.enabled != now.enabled;
  return c;
}

inline Changes compare(const CheckBox& was, const CheckBox& now) {
  Changes c;
  c.text = was.caption != now.caption;
  c.look = !(was.font == now.font);
  c.place = !samePlace(was, now);
  c.enabled = was.enabled != now.enabled;
  c.value = was.value != now.value;
  return c;
}

inline Changes compare(const Circle& was, const Circle& now) {
  Changes c;
  c.look = !(was.fillcolor == now.fillcolor);
  c.place = !samePlace(was, now);
  c.visible = was.visible != now.visible;
  return c;
}

inline Changes compare(const Line& was, const Line& now) {
  Changes c;
  c.place = was.x1 != now.x1 || was.y1 != now.y1 || was.x2 != now.x2 || was.y2 != now.y2;
  c.look = !(was.bordercolor == now.bordercolor) || was.borderwidth != now.borderwidth;
  c.visible = was.visible != now.visible;
  return c;
}

inline Changes compare(const MenuItem& was, const MenuItem& now) {
  Changes c;
  c.text = was.caption != now.caption;
  c.enabled = was.enabled != now.enabled;
  c.value = was.checked != now.checked;
  return c;
}

// One control as it was last shown. The first update reports everything;
// a relayout (the picture was scaled anew) reports the place and the look,
// which depend on the scale.
template <class Control>
class Shown {
 public:
  Changes update(const Control& now, bool relayout = false) {
    Changes c = fresh_ ? Changes::all() : compare(shown_, now);
    if (relayout) c.place = c.look = true;
    if (c.any()) shown_ = now;
    fresh_ = false;
    return c;
  }

  // Records what the screen itself changed (a user's typing or selection),
  // so that the next update does not write it back.
  Control& shown() { return shown_; }

 private:
  Control shown_{};
  bool fresh_ = true;
};

}  // namespace ovali
