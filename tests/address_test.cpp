// The game's settings in a page's address: reading them, applying them as a
// user would, and writing them back after a reset.

#include "commands/address.h"

#include <gtest/gtest.h>

#include "engine/reset.h"
#include "fake_toolkit.h"

namespace ovali::testing {
namespace {

using Texts = std::optional<std::string>;

struct ReadRow {
  const char* name;
  const char* query;
  Texts players, total, units;
  bool fast;
  int pace;
  std::array<bool, 5> options;
  const char* errorPart;  // empty: no error
  Texts lab = {};
};

TEST(Address, ReadsTheSettingsOrSaysWhatIsWrong) {
  const ReadRow rows[] = {
      {"nothing", "", {}, {}, {}, false, 0, {}, ""},
      {"a lone question mark", "?", {}, {}, {}, false, 0, {}, ""},
      {"all five",
       "?players=40&total=80&units=2&fast=1&options=inner,random,separate",
       "40",
       "80",
       "2",
       true,
       0,
       {true, true, false, false, true},
       ""},
      {"encoded commas and empty pairs",
       "players=12&&options=outer%2cone",
       "12",
       {},
       {},
       false,
       0,
       {false, false, true, true, false},
       ""},
      {"numbers go as typed, for the fields' checks",
       "?players=31&total=1%2C000",
       "31",
       "1,000",
       {},
       false,
       0,
       {},
       ""},
      {"an escape in the last three characters", "?players=4%30", "40", {}, {}, false, 0, {}, ""},
      {"fast=0", "?fast=0", {}, {}, {}, false, 0, {}, ""},
      {"ten a second", "?speed=10", {}, {}, {}, false, 10, {}, ""},
      {"a hundred a second", "?speed=100", {}, {}, {}, false, 100, {}, ""},
      {"a thousand a second", "?speed=1000", {}, {}, {}, false, 1000, {}, ""},
      {"speed=fast ticks the box", "?speed=fast", {}, {}, {}, true, 0, {}, ""},
      {"the last speed counts", "?fast=1&speed=slow", {}, {}, {}, false, 0, {}, ""},
      {"a speed the menu has not", "?speed=50", {}, {}, {}, false, 0, {}, "not \"50\""},
      {"an unknown setting",
       "?players=40&colour=red",
       {},
       {},
       {},
       false,
       0,
       {},
       "\"colour\".\rThe settings are players, total, units, fast, speed, options and lab."},
      {"fast is 0 or 1", "?fast=yes", {}, {}, {}, false, 0, {}, "not \"yes\""},
      {"an unknown option", "?options=inner,purple", {}, {}, {}, false, 0, {}, "\"purple\""},
      {"an empty option", "?options=inner,", {}, {}, {}, false, 0, {}, "\"\""},
      {"the lab's experiment", "?lab=money&fast=1", {}, {}, {}, true, 0, {}, "", "money"},
      {"an experiment the lab does not have",
       "?lab=gold",
       {},
       {},
       {},
       false,
       0,
       {},
       "\"gold\".\rThe experiments are money, players, bills, one, rings, many, own."},
  };
  for (const ReadRow& row : rows) {
    SCOPED_TRACE(row.name);
    const AddressReading r = readAddress(row.query);
    EXPECT_EQ(r.settings.players, row.players);
    EXPECT_EQ(r.settings.total, row.total);
    EXPECT_EQ(r.settings.units, row.units);
    EXPECT_EQ(r.settings.fast, row.fast);
    EXPECT_EQ(r.settings.pace, row.pace);
    EXPECT_EQ(r.settings.options, row.options);
    EXPECT_EQ(r.settings.lab, row.lab);
    if (*row.errorPart == '\0') {
      EXPECT_EQ(r.error, "");
    } else {
      EXPECT_NE(r.error.find(row.errorPart), std::string::npos) << r.error;
      EXPECT_NE(r.error.find("The game starts with its usual settings."), std::string::npos);
    }
  }
}

TEST(Address, AppliedAsTypedWithTheUsualMessagesThenWrittenBack) {
  Started s;
  EXPECT_EQ(addressOf(s.f), "") << "nothing to share before the first deal";
  applyAddress(
      s.f,
      readAddress("?players=31&total=64&units=2&fast=1&options=random,inner&lab=rings").settings);
  // The odd count is mended as typing it would be; the random notice speaks once.
  ASSERT_EQ(s.tk.messages.size(), 2u);
  EXPECT_NE(s.tk.messages[0].find("randomly chosen pairs"), std::string::npos);
  EXPECT_EQ(s.tk.messages[1], "The number of players must be even.");
  EXPECT_EQ(s.f.game.nplayers, 32);
  EXPECT_EQ(s.f.game.ndollars, 64);
  EXPECT_EQ(s.f.game.units, 2);
  EXPECT_EQ(s.f.focus, Focus::Start) << "the third Enter dealt";
  EXPECT_EQ(s.f.labRequest, "rings") << "for the next frame to open";
  EXPECT_EQ(addressOf(s.f), "?players=32&total=64&units=2&fast=1&options=inner,random");
  // A link made of it opens the same game, without a word.
  Started again;
  applyAddress(again.f, readAddress(addressOf(s.f)).settings);
  EXPECT_EQ(again.tk.messages.size(), 1u) << "only the random notice";
  EXPECT_EQ(addressOf(again.f), addressOf(s.f));
}

TEST(Address, APaceIsWrittenBackWhileTheBoxIsClear) {
  Started s;
  applyAddress(s.f, readAddress("?players=40&speed=100").settings);
  EXPECT_EQ(s.f.pace, 100);
  EXPECT_EQ(addressOf(s.f), "?players=40&total=30&units=1&speed=100");
  s.f.chkFast.value = 1;
  EXPECT_EQ(addressOf(s.f), "?players=40&total=30&units=1&fast=1") << "the box overrides the pace";
}

TEST(Address, FastAloneDealsNothing) {
  Started s;
  applyAddress(s.f, readAddress("?fast=1").settings);
  EXPECT_EQ(s.f.chkFast.value, 1);
  EXPECT_EQ(s.f.game.ready, kFalse);
  EXPECT_TRUE(s.tk.messages.empty());
}

}  // namespace
}  // namespace ovali::testing
