#include "help/help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_toolkit.h"

namespace ovali {
namespace {

using testing::Started;

bool endsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

struct Separators {
  int blankLines = 0;
  int lineBreaks = 0;
  int longerRuns = 0;  // three or more carriage returns in a row: never wanted
};

Separators countSeparators(const std::string& text) {
  Separators s;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] != '\r') {
      ++i;
      continue;
    }
    std::size_t run = 0;
    while (i < text.size() && text[i] == '\r') {
      ++run;
      ++i;
    }
    if (run == 1) ++s.lineBreaks;
    if (run == 2) ++s.blankLines;
    if (run > 2) ++s.longerRuns;
  }
  return s;
}

TEST(HelpTexts, TitlesSeparatorsAndEndings) {
  struct Row {
    const char* name;
    std::int16_t index;
    const char* title;
    int blankLines, lineBreaks;
    std::size_t length;
    const char* ending;
  } table[] = {
      {"The Game ends with its last piece", 0, "The Ovalin Game", 8, 3, 1552,
       "Then press \"Start.\""},
      {"Questions ends with its last piece", 1, "Questions to Think About", 5, 0, 296,
       "5. How does this relate to chemistry? to life?"},
      {"first answers end with a blank line", 2, "Answers", 5, 0, 354,
       "when you \"climb up.\"\r\r"},
      {"second answers end with a blank line", -2, "Answers", 5, 0, 932, "1/8 with $2, etc.\r\r"},
      {"third answers end with their last piece", -3, "Answers", 3, 0, 844,
       "As for how this relates to life, I offer no answer there."},
      {"Explorations end with a blank line", 3, "Possible Further Explorations", 6, 3, 550,
       "the outside ring the \"surroundings\"?\r\r"},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    const std::string text = helptext(row.index);
    EXPECT_EQ(text.rfind(std::string(row.title) + "\r\r", 0), 0u);
    const Separators s = countSeparators(text);
    EXPECT_EQ(s.blankLines, row.blankLines);
    EXPECT_EQ(s.lineBreaks, row.lineBreaks);
    EXPECT_EQ(s.longerRuns, 0);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.size(), row.length);
    EXPECT_TRUE(endsWith(text, row.ending));
  }
}

TEST(HelpTexts, PiecesWithTheirSpacesAndQuotes) {
  struct Row {
    const char* name;
    std::int16_t index;
    const char* passage;
  } table[] = {
      {"the second piece runs straight into the third", 0,
       "\r\rThis game illustrates how a random distribution of quantized \"currency\" in a system"},
      {"trailing space before a blank line", 0,
       "called the \"Ovalin Distribution.\" \r\r1. A fixed amount of cash"},
      {"the rules of one exchange, indented by four and seven", 0,
       "\r\r    If both are broke, they hold tight. There's nothing to do.\r"
       "    If one or both have money, they play \"rock-paper-scissors\" ONCE.\r"
       "       If the loser has money, the winner gets ONE dollar from the loser. \r"
       "       If the loser is broke or there is a tie, then no money is exchanged.\r\r4. "},
      {"the signals are quoted", 0,
       "2. At the \"Next!\" signal, each person in the INNER circle takes one step to the right "
       "to face a new partner. Players in the outer ring to not move.\r\r"
       "3. At the \"Go!\" signal each pair interacts in the following way:\r\r"},
      {"a question followed by its answer", 2,
       "\r\r1. Is this a fair game?\r\rMost people would say that this is a fair game.\r\r"},
      {"a quoted distribution name", -2, "This is called a \"Ovalin\" distribution. "},
      {"trailing space before the last piece", -3,
       "is taken into account. \r\rAs for how this relates to life"},
      {"continued questions are indented by four", 3,
       "2. What happens if the number of players is doubled,\r"
       "    each player still getting the same amount of money to start with?\r\r"
       "3. What happens if the number of players and total amount of money are kept the same,\r"
       "    but they use $2 bills instead of $1 bills?\r\r"
       "4. What happens if all the money is given to one player initially?\r"
       "    (Take a look at the Options menu.)\r\r"},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    EXPECT_NE(helptext(row.index).find(row.passage), std::string::npos);
  }
}

TEST(HelpTexts, WholeQuestionsText) {
  EXPECT_EQ(helptext(1),
            "Questions to Think About\r\r"
            "1. Is this a fair game?\r\r"
            "2. Why do so many people end up broke?\r\r"
            "3. Why is it so hard to remain rich if you happen to get there?\r\r"
            "4. What are the principal features of the most probable distribution of money in "
            "the system?\r\r"
            "5. How does this relate to chemistry? to life?");
}

TEST(HelpTexts, OnlyTheLinkIndexesHaveATextSoOthersShowNothing) {
  for (std::int16_t index : {4, -1, -4, 1000}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(helptext(index), "");
    Started s;
    Label3_Click(s.f, index);
    EXPECT_TRUE(s.tk.messages.empty());
  }
}

TEST(HelpLinks, BoxesShownByEachClick) {
  struct Row {
    const char* name;
    std::int16_t index;
    std::vector<std::int16_t> pages;
  } table[] = {
      {"The Game: one box", 0, {0}},
      {"Questions: one box", 1, {1}},
      {"Answers: three boxes in order", 2, {2, -2, -3}},
      {"second answers page goes on to the third", -2, {-2, -3}},
      {"third answers page ends the chain", -3, {-3}},
      {"Explorations: one box", 3, {3}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    std::vector<std::string> expected;
    for (std::int16_t page : row.pages) expected.push_back(helptext(page));
    Label3_Click(s.f, row.index);
    EXPECT_EQ(s.tk.messages, expected);
  }
}

TEST(HelpLinks, ShowingATextLeavesTheGameAlone) {
  Started s;
  s.f.game.ready = kTrue;
  s.f.game.running = kTrue;
  const std::string title = s.f.caption;
  Label3_Click(s.f, 2);
  mnuAbout_Click(s.f);
  EXPECT_EQ(s.f.game.ready, kTrue);
  EXPECT_EQ(s.f.game.running, kTrue);
  EXPECT_EQ(s.f.caption, title);
}

TEST(About, OneParagraphNamingFileAuthorAddressAndWebPage) {
  Started s;
  mnuAbout_Click(s.f);
  ASSERT_EQ(s.tk.messages.size(), 1u);
  const std::string& text = s.tk.messages[0];
  EXPECT_NE(text.find("\"ovali\""), std::string::npos);
  EXPECT_NE(text.find("The Ovalin Game project"), std::string::npos);
  EXPECT_NE(text.find("ovalin@example.org"), std::string::npos);
  EXPECT_NE(text.find("https://example.org/ovalin/"), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace ovali
