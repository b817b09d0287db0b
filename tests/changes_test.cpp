#include "view/changes.h"

#include <gtest/gtest.h>

#include <functional>

namespace ovali {
namespace {

// Shows a control, applies one change and returns what the next update
// reports; a change must be reported once, and a second update with nothing
// new reports nothing.
template <class Control>
std::function<Changes()> after(std::function<void(Control&)> change) {
  return [change] {
    Control control{};
    Shown<Control> shown;
    if (!shown.update(control).any()) ADD_FAILURE() << "a control never shown is shown whole";
    if (shown.update(control).any()) ADD_FAILURE() << "nothing changed";
    change(control);
    const Changes c = shown.update(control);
    if (shown.update(control).any()) ADD_FAILURE() << "reported twice";
    return c;
  };
}

// Each row changes one property of one kind of control and names the one part
// a front end must copy again; nothing else may be reported.
struct ChangeCase {
  const char* name;
  std::function<Changes()> run;
  bool Changes::*part;
};

const ChangeCase kChangeCases[] = {
    {"label caption", after<Label>([](Label& l) { l.caption = "12"; }), &Changes::text},
    {"label colour", after<Label>([](Label& l) { l.forecolor = kBlue; }), &Changes::look},
    {"label window text", after<Label>([](Label& l) { l.forecolor.windowText = false; }),
     &Changes::look},
    {"label font size", after<Label>([](Label& l) { l.font.points = 12; }), &Changes::look},
    {"label bold", after<Label>([](Label& l) { l.font.bold = false; }), &Changes::look},
    {"label italic", after<Label>([](Label& l) { l.font.italic = true; }), &Changes::look},
    {"label underline", after<Label>([](Label& l) { l.font.underline = true; }), &Changes::look},
    {"label alignment", after<Label>([](Label& l) { l.alignment = Alignment::Center; }),
     &Changes::look},
    {"label left", after<Label>([](Label& l) { l.left += 15; }), &Changes::place},
    {"label top", after<Label>([](Label& l) { l.top -= 700; }), &Changes::place},
    {"label width", after<Label>([](Label& l) { l.width = 300; }), &Changes::place},
    {"label height", after<Label>([](Label& l) { l.height = 195; }), &Changes::place},
    {"label visibility", after<Label>([](Label& l) { l.visible = false; }), &Changes::visible},
    {"field text", after<TextBox>([](TextBox& t) { t.text = "30"; }), &Changes::text},
    {"field font", after<TextBox>([](TextBox& t) { t.font.points = 10; }), &Changes::look},
    {"field place", after<TextBox>([](TextBox& t) { t.height = 285; }), &Changes::place},
    {"field enabled", after<TextBox>([](TextBox& t) { t.enabled = false; }), &Changes::enabled},
    {"field selection start", after<TextBox>([](TextBox& t) { t.selstart = 1; }),
     &Changes::selection},
    {"field selection length", after<TextBox>([](TextBox& t) { t.sellength = 2; }),
     &Changes::selection},
    {"button caption", after<CommandButton>([](CommandButton& b) { b.caption = "Stop"; }),
     &Changes::text},
    {"button font", after<CommandButton>([](CommandButton& b) { b.font.bold = false; }),
     &Changes::look},
    {"button place", after<CommandButton>([](CommandButton& b) { b.left = 120; }), &Changes::place},
    {"button visibility", after<CommandButton>([](CommandButton& b) { b.visible = false; }),
     &Changes::visible},
    {"button enabled", after<CommandButton>([](CommandButton& b) { b.enabled = false; }),
     &Changes::enabled},
    {"box caption", after<CheckBox>([](CheckBox& b) { b.caption = "fast"; }), &Changes::text},
    {"box font", after<CheckBox>([](CheckBox& b) { b.font.points = 9; }), &Changes::look},
    {"box place", after<CheckBox>([](CheckBox& b) { b.width = 615; }), &Changes::place},
    {"box enabled", after<CheckBox>([](CheckBox& b) { b.enabled = false; }), &Changes::enabled},
    {"box value", after<CheckBox>([](CheckBox& b) { b.value = 1; }), &Changes::value},
    {"circle fill", after<Circle>([](Circle& c) { c.fillcolor = kRed; }), &Changes::look},
    {"circle place", after<Circle>([](Circle& c) { c.top = 400; }), &Changes::place},
    {"circle visibility", after<Circle>([](Circle& c) { c.visible = false; }), &Changes::visible},
    {"line start x", after<Line>([](Line& l) { l.x1 = 10; }), &Changes::place},
    {"line start y", after<Line>([](Line& l) { l.y1 = 10; }), &Changes::place},
    {"line end x", after<Line>([](Line& l) { l.x2 = 10; }), &Changes::place},
    {"line end y", after<Line>([](Line& l) { l.y2 = 10; }), &Changes::place},
    {"line visibility", after<Line>([](Line& l) { l.visible = false; }), &Changes::visible},
    {"menu caption", after<MenuItem>([](MenuItem& m) { m.caption = "&Options"; }), &Changes::text},
    {"menu enabled", after<MenuItem>([](MenuItem& m) { m.enabled = false; }), &Changes::enabled},
    {"menu check mark", after<MenuItem>([](MenuItem& m) { m.checked = true; }), &Changes::value},
};

class EachChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(EachChange, IsReportedAsItsOnePart) {
  const Changes c = GetParam().run();
  Changes expected;
  expected.*GetParam().part = true;
  EXPECT_EQ(c.text, expected.text);
  EXPECT_EQ(c.look, expected.look);
  EXPECT_EQ(c.place, expected.place);
  EXPECT_EQ(c.visible, expected.visible);
  EXPECT_EQ(c.enabled, expected.enabled);
  EXPECT_EQ(c.value, expected.value);
  EXPECT_EQ(c.selection, expected.selection);
  EXPECT_TRUE(c.any()) << "a front end copies nothing when no change is reported";
}

INSTANTIATE_TEST_SUITE_P(Controls, EachChange, ::testing::ValuesIn(kChangeCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (ch == ' ') ch = '_';
                           }
                           return name;
                         });

TEST(Changes, AControlNeverShownIsShownWhole) {
  TextBox box;
  Shown<TextBox> shown;
  const Changes c = shown.update(box);
  EXPECT_TRUE(c.text && c.look && c.place && c.visible && c.enabled && c.value && c.selection);
}

TEST(Changes, ARescaledPictureMovesAndRestylesEverythingButTheTextStays) {
  TextBox box;
  Shown<TextBox> shown;
  shown.update(box);
  const Changes c = shown.update(box, true);
  EXPECT_TRUE(c.place && c.look);
  EXPECT_FALSE(c.text || c.selection || c.enabled);
}

TEST(Changes, WhatTheUserTypedIsNotWrittenBack) {
  TextBox box;
  box.text = "30";
  Shown<TextBox> shown;
  shown.update(box);
  box.text = "31";
  box.selstart = 2;
  shown.shown().text = "31";
  shown.shown().selstart = 2;
  EXPECT_FALSE(shown.update(box).any());
}

}  // namespace
}  // namespace ovali
