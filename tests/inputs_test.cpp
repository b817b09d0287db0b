#include "commands/inputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_toolkit.h"

namespace ovali {
namespace {

using testing::Started;

const std::string kEven = "The number of players must be even.";
const std::string kAtMost200 = "The number of players must be no more than 200.";
const std::string kAtLeast2 = "The number of players must be at least 2.";
const std::string kDollarsAtLeast1 = "The number of dollars total must be at least $1.";
const std::string kDollarsAtMost = "The number of dollars total must be no more than $32767.";

std::string wholePlayers(const std::string& typed, const std::string& read) {
  return "The number of players must be a whole number in digits only; \"" + typed +
         "\" was read as " + read + ".";
}

std::string wholeDollars(const std::string& typed, const std::string& read) {
  return "The number of dollars total must be a whole number in digits only; \"" + typed +
         "\" was read as $" + read + ".";
}

std::string wholeUnits(const std::string& typed, const std::string& read) {
  return "The number of dollars to be traded must be a whole number in digits only; \"" + typed +
         "\" was read as $" + read + ".";
}

std::string trade(const std::string& dollars) {
  return "The number of dollars to be traded must be at least $1, divisible evenly into $" +
         dollars + " and no more than $" + dollars + ".";
}

struct CheckCase {
  const char* name;
  const char* players;
  const char* dollars;
  const char* units;
  std::vector<std::string> messages;
  const char* playersAfter;
  const char* dollarsAfter;
  const char* unitsAfter;
};

const CheckCase kCheckCases[] = {
    {"defaults pass", "30", "30", "1", {}, "30", "30", "1"},
    {"odd count raised", "31", "30", "1", {kEven}, "32", "30", "1"},
    {"201 raised then capped", "201", "30", "1", {kEven, kAtMost200}, "200", "30", "1"},
    {"200 passes", "200", "30", "1", {}, "200", "30", "1"},
    {"fraction read rounded down",
     "30.6",
     "30",
     "1",
     {wholePlayers("30.6", "30")},
     "30",
     "30",
     "1"},
    {"fraction read as an odd count",
     "29.5",
     "30",
     "1",
     {wholePlayers("29.5", "29"), kEven},
     "30",
     "30",
     "1"},
    {"fraction just above 200",
     "200.4",
     "30",
     "1",
     {wholePlayers("200.4", "200")},
     "200",
     "30",
     "1"},
    {"negative fraction read odd then too few",
     "-0.6",
     "30",
     "1",
     {wholePlayers("-0.6", "-1"), kEven, kAtLeast2},
     "2",
     "30",
     "1"},
    {"negative odd", "-3", "30", "1", {kEven, kAtLeast2}, "2", "30", "1"},
    {"negative even", "-4", "30", "1", {kAtLeast2}, "2", "30", "1"},
    {"zero", "0", "30", "1", {kAtLeast2}, "2", "30", "1"},
    {"minus zero", "-0", "30", "1", {wholePlayers("-0", "0"), kAtLeast2}, "2", "30", "1"},
    {"empty players", "", "30", "1", {kAtLeast2}, "2", "30", "1"},
    {"words only", "many", "30", "1", {wholePlayers("many", "0"), kAtLeast2}, "2", "30", "1"},
    {"one player", "1", "30", "1", {kEven}, "2", "30", "1"},
    {"huge exponent", "1e999", "30", "1", {kAtMost200}, "200", "30", "1"},
    {"huge negative exponent", "-1e999", "30", "1", {kAtLeast2}, "2", "30", "1"},
    {"beyond 32 bits", "3000000001", "30", "1", {kAtMost200}, "200", "30", "1"},
    {"beyond exact doubles left to the cap", "1e300", "30", "1", {kAtMost200}, "200", "30", "1"},
    {"exponent written out before the cap",
     "3e2",
     "30",
     "1",
     {wholePlayers("3e2", "300"), kAtMost200},
     "200",
     "30",
     "1"},
    {"letters after the count", "12abc", "30", "1", {wholePlayers("12abc", "12")}, "12", "30", "1"},
    {"exponent", "3e1", "30", "1", {wholePlayers("3e1", "30")}, "30", "30", "1"},
    {"half read rounded down", "10.5", "30", "1", {wholePlayers("10.5", "10")}, "10", "30", "1"},
    {"blanks around dropped silently", " 12\t", " 30", "5 ", {}, "12", "30", "5"},
    {"no dollars", "30", "0", "2", {kDollarsAtLeast1, trade("1")}, "30", "1", "1"},
    {"too many dollars", "30", "40000", "1", {kDollarsAtMost}, "30", "32767", "1"},
    {"infinite dollars", "30", "1e999", "1", {kDollarsAtMost}, "30", "32767", "1"},
    {"most dollars", "30", "32767", "1", {}, "30", "32767", "1"},
    {"empty units silently one", "30", "30", "", {}, "30", "30", "1"},
    {"zero units silently one", "30", "30", "0", {}, "30", "30", "1"},
    {"units not dividing", "30", "30", "4", {trade("30")}, "30", "30", "1"},
    {"units not whole", "30", "30", "2.5", {wholeUnits("2.5", "2")}, "30", "30", "2"},
    {"units not whole nor dividing",
     "30",
     "30",
     "7.5",
     {wholeUnits("7.5", "7"), trade("30")},
     "30",
     "30",
     "1"},
    {"units with only words silently one", "30", "30", "some", {}, "30", "30", "1"},
    {"units dividing", "30", "30", "5", {}, "30", "30", "5"},
    {"units half", "30", "30", "0.5", {wholeUnits("0.5", "0"), trade("30")}, "30", "30", "1"},
    {"units negative", "30", "30", "-2", {trade("30")}, "30", "30", "1"},
    {"units above total", "30", "30", "60", {trade("30")}, "30", "30", "1"},
    {"units infinite", "30", "30", "1e999", {trade("30")}, "30", "30", "1"},
    {"fractional total", "30", "30.5", "1", {wholeDollars("30.5", "30")}, "30", "30", "1"},
    {"thousands separator", "30", "1,000", "1", {wholeDollars("1,000", "1")}, "30", "1", "1"},
    {"dollar sign before the total dropped silently", "30", "$30", "1", {}, "30", "30", "1"},
    {"dollar sign before the units dropped silently", "30", "30", "$2", {}, "30", "30", "2"},
    {"dollar sign apart from the digits",
     "30",
     "$ 30",
     "1",
     {wholeDollars("$ 30", "0"), kDollarsAtLeast1},
     "30",
     "1",
     "1"},
    {"dollar sign after the total", "30", "30$", "1", {wholeDollars("30$", "30")}, "30", "30", "1"},
    {"two dollar signs",
     "30",
     "$$30",
     "1",
     {wholeDollars("$$30", "0"), kDollarsAtLeast1},
     "30",
     "1",
     "1"},
    {"total read whole before the trade rule quotes it",
     "30",
     "30 dollars",
     "4",
     {wholeDollars("30 dollars", "30"), trade("30")},
     "30",
     "30",
     "1"},
    {"every rule at once",
     "-7",
     "0",
     "3",
     {kEven, kAtLeast2, kDollarsAtLeast1, trade("1")},
     "2",
     "1",
     "1"},
};

class CheckInputs : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckInputs, ReportsAndCorrects) {
  const CheckCase& c = GetParam();
  Started s;
  s.f.txtNB.text = c.players;
  s.f.txtDollars.text = c.dollars;
  s.f.txtNTrade.text = c.units;
  s.f.game.ready = kTrue;
  checkinputs(s.f);
  EXPECT_EQ(s.tk.messages, c.messages);
  EXPECT_EQ(s.f.txtNB.text, c.playersAfter);
  EXPECT_EQ(s.f.txtDollars.text, c.dollarsAfter);
  EXPECT_EQ(s.f.txtNTrade.text, c.unitsAfter);
  const bool corrected = std::string(c.players) != c.playersAfter ||
                         std::string(c.dollars) != c.dollarsAfter ||
                         std::string(c.units) != c.unitsAfter;
  EXPECT_EQ(s.f.game.ready, corrected ? kFalse : kTrue) << "a correction clears ready";
}

INSTANTIATE_TEST_SUITE_P(Fields, CheckInputs, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

TEST(CheckInputs, ASecondCheckFindsNothingToCorrect) {
  for (const CheckCase& c : kCheckCases) {
    Started s;
    s.f.txtNB.text = c.players;
    s.f.txtDollars.text = c.dollars;
    s.f.txtNTrade.text = c.units;
    checkinputs(s.f);
    s.tk.messages.clear();
    checkinputs(s.f);
    EXPECT_TRUE(s.tk.messages.empty()) << c.name;
  }
}

struct EnterCase {
  const char* name;
  void (*press)(Form1&, std::int16_t&);
  Focus next;
};

TEST(FieldEvents, EnterIsSwallowedChecksAndMovesTheFocusWithTheTextSelected) {
  const EnterCase cases[] = {
      {"players", txtNB_KeyPress, Focus::txtDollars},
      {"dollars", txtDollars_KeyPress, Focus::txtNTrade},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Started s;
    s.f.txtNB.text = "31";
    s.f.txtDollars.text = "120";
    s.f.txtNTrade.text = "4";
    std::int16_t key = 13;
    c.press(s.f, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(s.tk.messages, std::vector<std::string>{kEven});
    EXPECT_EQ(s.f.txtNB.text, "32");
    EXPECT_EQ(s.f.game.ready, kFalse);
    EXPECT_EQ(s.f.focus, c.next);
    const TextBox& box = c.next == Focus::txtDollars ? s.f.txtDollars : s.f.txtNTrade;
    EXPECT_EQ(box.selstart, 0);
    EXPECT_EQ(box.sellength, static_cast<int>(box.text.size()));
  }
}

TEST(FieldEvents, OtherKeysReachTheFieldUntouched) {
  Started s;
  s.f.txtNB.text = "31";
  for (std::int16_t typed : {std::int16_t{'5'}, std::int16_t{'a'}, std::int16_t{8},
                             std::int16_t{10}, std::int16_t{27}}) {
    std::int16_t key = typed;
    txtNB_KeyPress(s.f, key);
    txtDollars_KeyPress(s.f, key);
    txtNTrade_KeyPress(s.f, key);
    EXPECT_EQ(key, typed);
  }
  EXPECT_TRUE(s.tk.messages.empty());
  EXPECT_EQ(s.f.txtNB.text, "31");
  EXPECT_EQ(s.f.focus, Focus::None);
}

TEST(FieldEvents, GettingTheFocusSelectsTheWholeTextClippedToItsLength) {
  Started s;
  s.f.txtDollars.text = "30 dollars";
  s.f.txtNTrade.text = "";
  s.f.txtNB.text = std::string(1200, '9');
  setfocus(s.f, Focus::txtDollars);
  EXPECT_EQ(s.f.txtDollars.sellength, 10);
  setfocus(s.f, Focus::txtNTrade);
  EXPECT_EQ(s.f.txtNTrade.sellength, 0);
  setfocus(s.f, Focus::txtNB);
  EXPECT_EQ(s.f.txtNB.selstart, 0);
  EXPECT_EQ(s.f.txtNB.sellength, 1000);
  s.f.txtDollars.text =
      "\xE2\x82\xAC"
      "5";  // a euro sign and a digit: two characters
  setfocus(s.f, Focus::txtDollars);
  EXPECT_EQ(s.f.txtDollars.sellength, 2);
}

TEST(FieldEvents, OnlyAChangedTextClearsReady) {
  Started s;
  s.f.game.ready = kTrue;
  settext(s.f, s.f.txtDollars, "30");
  setfocus(s.f, Focus::txtDollars);
  EXPECT_EQ(s.f.game.ready, kTrue);
  for (TextBox* box : {&s.f.txtNB, &s.f.txtDollars, &s.f.txtNTrade}) {
    s.f.game.ready = kTrue;
    settext(s.f, *box, box->text + "0");
    EXPECT_EQ(s.f.game.ready, kFalse);
  }
}

}  // namespace
}  // namespace ovali
