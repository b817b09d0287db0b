#include "view/changes.h"

#include <gtest/gtest.h>

#include <functional>

namespace ovali {
namespace {

// Each row changes one property of a label that has been shown and names the
// one part a front end must copy again; nothing else may be reported.
struct LabelCase {
  const char* name;
  std::function<void(Label&)> change;
  bool Changes::*part;
};

const LabelCase kLabelCases[] = {
    {"caption", [](Label& l) { l.caption = "12"; }, &Changes::text},
    {"colour", [](Label& l) { l.forecolor = kBlue; }, &Changes::look},
    {"window text", [](Label& l) { l.forecolor.windowText = false; }, &Changes::look},
    {"font size", [](Label& l) { l.font.points = 12; }, &Changes::look},
    {"underline", [](Label& l) { l.font.underline = true; }, &Changes::look},
    {"alignment", [](Label& l) { l.alignment = Alignment::Center; }, &Changes::look},
    {"left", [](Label& l) { l.left += 15; }, &Changes::place},
    {"top", [](Label& l) { l.top -= 700; }, &Changes::place},
    {"width", [](Label& l) { l.width = 300; }, &Changes::place},
    {"visibility", [](Label& l) { l.visible = false; }, &Changes::visible},
};

class LabelChanges : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelChanges, ReportOnlyWhatChanged) {
  Label label;
  label.caption = "1";
  Shown<Label> shown;
  EXPECT_TRUE(shown.update(label).text) << "a label never shown is shown whole";
  EXPECT_FALSE(shown.update(label).any()) << "nothing changed";

  GetParam().change(label);
  const Changes c = shown.update(label);
  Changes expected;
  expected.*GetParam().part = true;
  EXPECT_EQ(c.text, expected.text);
  EXPECT_EQ(c.look, expected.look);
  EXPECT_EQ(c.place, expected.place);
  EXPECT_EQ(c.visible, expected.visible);
  EXPECT_FALSE(shown.update(label).any()) << "reported once";
}

INSTANTIATE_TEST_SUITE_P(Each, LabelChanges, ::testing::ValuesIn(kLabelCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (ch == ' ') ch = '_';
                           }
                           return name;
                         });

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
