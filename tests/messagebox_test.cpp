#include "view/messagebox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "help/help.h"

namespace ovali {
namespace {

struct NameCase {
  const char* name;
  std::string text;
  std::string expected;
};

const std::string kLongParagraph =
    "On the left are listed the average number of players receiving the indicated amount of "
    "money. On the right are listed the theoretical numbers based on the Ovalin distribution. "
    "\r\rThese two sets";
const std::string kWords(30, 'x');  // a word of 30 letters

const NameCase kNameCases[] = {
    {"help heading", helptext(0), "The Ovalin Game"},
    {"short message", "Click on \"Start\" first.", "Click on \"Start\" first."},
    {"blank lines and spaces before", "\r\n  \r  Answers \r\rmore", "Answers"},
    {"hard-wrapped sentence joined",
     "Checking the \"random\" box changes the game so that \r"
     "exchanges are between randomly chosen pairs of players.",
     "Checking the \"random\" box changes the game so that exchanges are between randomly "
     "chosen pairs of players."},
    {"long paragraph: its first sentence", kLongParagraph,
     "On the left are listed the average number of players receiving the indicated amount of "
     "money."},
    {"long without a sentence: whole words and an ellipsis",
     kWords + " " + kWords + " " + kWords + " " + kWords + " " + kWords,
     kWords + " " + kWords + " " + kWords + "\u2026"},
    {"one long word cut at the limit", std::string(200, 'y'), std::string(119, 'y') + "\u2026"},
    {"not cut inside a character", std::string(118, 'z') + "\u00e9\u00e9\u00e9",
     std::string(118, 'z') + "\u00e9\u2026"},
    {"a row's cells as words", "\tavg.\tOvali.\r\r$0\t1\t2", "avg. Ovali."},
    {"nothing but the caption", "\r \r", "ovali"},
};

class BoxName : public ::testing::TestWithParam<NameCase> {};

TEST_P(BoxName, IsTheFirstParagraphOrItsFirstSentence) {
  EXPECT_EQ(messageBoxOf(GetParam().text).name, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(MessageBox, BoxName, ::testing::ValuesIn(kNameCases));

// Each line as "p" (plain) or "rN" (a row of N cells), "t:" in front when it
// is part of a table, joined by "|".
std::string shapeOf(const MessageBox& box) {
  std::string shape;
  for (const BoxLine& line : box.lines) {
    if (!shape.empty()) shape += '|';
    if (line.inTable) shape += "t:";
    shape += line.row() ? "r" + std::to_string(line.cells.size()) : "p";
  }
  return shape;
}

struct LinesCase {
  const char* name;
  std::string text;
  std::string shown;
  std::string shape;
};

const LinesCase kLinesCases[] = {
    {"lone return breaks", "one\rtwo", "one\ntwo", "p|p"},
    {"return and line feed are one break", "one\r\ntwo", "one\ntwo", "p|p"},
    {"lone line feed breaks", "one\ntwo", "one\ntwo", "p|p"},
    {"line feed then return are two", "one\n\rtwo", "one\n\ntwo", "p|p|p"},
    {"trailing blank line kept", "end\r\r", "end\n\n", "p|p|p"},
    {"quotes, spaces and UTF-8 kept", "    \"Go!\" caf\xc3\xa9", "    \"Go!\" caf\xc3\xa9", "p"},
    {"the report: a table over its empty lines, not past them",
     "Words.\r\r\r\tavg.\tOvali.\r\r$7\t   0.1\t   0.1\t\r$0\t 100.0\t  15.0\t\r\rafter 1",
     "Words.\n\n\n\tavg.\tOvali.\n\n$7\t   0.1\t   0.1\t\n$0\t 100.0\t  15.0\t\n\nafter 1",
     "p|p|p|t:r3|t:p|t:r4|t:r4|p|p"},
    {"words between rows make two tables", "a\tb\rwords\rc\td", "a\tb\nwords\nc\td", "t:r2|p|t:r2"},
    {"a blank but not empty line ends a table", "a\tb\r \rc\td", "a\tb\n \nc\td", "t:r2|p|t:r2"},
};

class BoxLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(BoxLines, BreakAndFormRows) {
  const MessageBox box = messageBoxOf(GetParam().text);
  EXPECT_EQ(box.text, GetParam().shown);
  EXPECT_EQ(shapeOf(box), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(MessageBox, BoxLines, ::testing::ValuesIn(kLinesCases));

TEST(MessageBox, RowCellsKeepTheirTextAndTheNumberColumnsAreRightAligned) {
  const MessageBox box = messageBoxOf("$7\t   0.1\t  12.5\t\ra\tb\tc\td\te\tf");
  ASSERT_EQ(box.lines.size(), 2u);
  std::string cells;
  for (const BoxLine& line : box.lines) {
    for (const BoxCell& cell : line.cells) {
      cells += "[" + cell.text + "]" + std::to_string(cell.column) + (cell.number ? "n " : " ");
    }
  }
  EXPECT_EQ(cells, "[$7]0 [   0.1]1n [  12.5]2n []3 [a]0 [b]1n [c]2n [d]3 [e]3 [f]3 ");
  EXPECT_EQ(box.lines[0].text, "$7\t   0.1\t  12.5\t");
}

TEST(MessageBox, CopiesTheSelectionOrElseTheWholeText) {
  const MessageBox box = messageBoxOf("one\rtwo\tthree");
  EXPECT_EQ(copiedText(box, ""), "one\ntwo\tthree");
  EXPECT_EQ(copiedText(box, "two\t"), "two\t");
  EXPECT_EQ(box.caption, "ovali");
}

TEST(MessageBox, TheChartGrowsWithThePictureButNeverShrinks) {
  Chart chart;
  chart.width = 6000;
  chart.height = 3300;
  chart.name = "A chart";
  const struct {
    double picture, chart;
  } rows[] = {{0.5, 1}, {1, 1}, {1.7, 1.7}, {3, 3}, {std::nan(""), 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.picture);
    const MessageBox box = messageBoxOf("text", &chart, row.picture);
    ASSERT_TRUE(box.chart.has_value());
    EXPECT_EQ(box.chart->name, "A chart");
    EXPECT_EQ(box.chartScale, row.chart);
  }
  EXPECT_FALSE(messageBoxOf("text", nullptr, 2).chart.has_value());
}

TEST(MessageBox, ThePageGetsTheLinesAndTablesAsJson) {
  EXPECT_EQ(pageDataOf(messageBoxOf("Say \"hi\\\"\x01\ra\t1\r\rb\t2\rend")),
            "{\"caption\":\"ovali\",\"name\":\"Say \\\"hi\\\\\\\"\\u0001 a 1\",\"parts\":["
            "{\"line\":\"Say \\\"hi\\\\\\\"\\u0001\"},"
            "{\"table\":[{\"cells\":[{\"text\":\"a\",\"column\":0,\"number\":false},"
            "{\"text\":\"1\",\"column\":1,\"number\":true}]},{\"line\":\"\"},"
            "{\"cells\":[{\"text\":\"b\",\"column\":0,\"number\":false},"
            "{\"text\":\"2\",\"column\":1,\"number\":true}]}]},"
            "{\"line\":\"end\"}]}");
}

}  // namespace
}  // namespace ovali
