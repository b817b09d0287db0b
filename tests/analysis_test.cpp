#include "stats/analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "commands/analyze.h"
#include "commands/runcontrols.h"
#include "fake_toolkit.h"

namespace ovali {
namespace {

using testing::Started;

const std::string kHeader = "\r\tavg.\tOvali.\r\r";

// A game as a reset leaves it, set directly so that the report alone is tested.
void setGame(Form1& f, std::int16_t players, std::int16_t dollars, std::int16_t units) {
  GameState& g = f.game;
  g.nplayers = players;
  g.ndollars = dollars;
  g.units = units;
  g.ready = kTrue;
  g.nsamples = 0;
  g.sumlevels.fill(0);
  g.maxlevel = 1;
}

std::string onlyReport(Started& s) {
  s.tk.messages.clear();
  analyze(s.f);
  EXPECT_EQ(s.tk.messages.size(), 1u);
  return s.tk.messages.empty() ? std::string() : s.tk.messages.back();
}

// The table rows of a report: the lines between the header and the last line.
std::vector<std::string> rowsOf(const std::string& report) {
  std::vector<std::string> rows;
  const std::size_t header = report.find(kHeader);
  if (header == std::string::npos) return rows;
  std::size_t at = header + kHeader.size();
  while (at < report.size() && report[at] == '$') {
    const std::size_t end = report.find('\r', at);
    rows.push_back(report.substr(at, end - at));
    at = end + 1;
  }
  return rows;
}

std::string lastLine(const std::string& report) { return report.substr(report.rfind('\r') + 1); }

TEST(Analysis, RefusesUnlessTheGameIsReady) {
  struct Row {
    const char* name;
    Flag ready;
  } rows[] = {{"never reset", kFalse}, {"a true that is not -1", 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Started s;
    setGame(s.f, 30, 30, 1);
    s.f.game.ready = row.ready;
    analyze(s.f);
    EXPECT_EQ(s.tk.messages, std::vector<std::string>{"Click on \"Start\" first."});
  }
}

TEST(Analysis, AnalyzeButtonAtStartUpGivesTheRefusal) {
  Started s;
  Command1_Click(s.f, 4);
  EXPECT_EQ(s.tk.messages, std::vector<std::string>{"Click on \"Start\" first."});
}

TEST(Analysis, TheoreticalColumnOfTheWorkedExamples) {
  struct Row {
    const char* name;
    std::int16_t players, dollars, units;
    std::vector<std::string> rows;  // averages are all 0 straight after a reset
  } table[] = {
      {"30 players, $30: half at each level down, $8 predicts 0.059 and is left out",
       30,
       30,
       1,
       {"$7\t   0.0\t   0.1\t", "$6\t   0.0\t   0.2\t", "$5\t   0.0\t   0.5\t",
        "$4\t   0.0\t   0.9\t", "$3\t   0.0\t   1.9\t", "$2\t   0.0\t   3.8\t",
        "$1\t   0.0\t   7.5\t", "$0\t   0.0\t  15.0\t"}},
      {"30 players, $60: two thirds, a 9.999999 that shows as 10.0",
       30,
       60,
       1,
       {"$10\t   0.0\t   0.2\t", "$9\t   0.0\t   0.3\t", "$8\t   0.0\t   0.4\t",
        "$7\t   0.0\t   0.6\t", "$6\t   0.0\t   0.9\t", "$5\t   0.0\t   1.3\t",
        "$4\t   0.0\t   2.0\t", "$3\t   0.0\t   3.0\t", "$2\t   0.0\t   4.4\t",
        "$1\t   0.0\t   6.7\t", "$0\t   0.0\t  10.0\t"}},
      {"10 players, $30: level 11 is above the threshold but never listed",
       10,
       30,
       1,
       {"$10\t   0.0\t   0.1\t", "$9\t   0.0\t   0.2\t", "$8\t   0.0\t   0.3\t",
        "$7\t   0.0\t   0.3\t", "$6\t   0.0\t   0.4\t", "$5\t   0.0\t   0.6\t",
        "$4\t   0.0\t   0.8\t", "$3\t   0.0\t   1.1\t", "$2\t   0.0\t   1.4\t",
        "$1\t   0.0\t   1.9\t", "$0\t   0.0\t   2.5\t"}},
      {"200 players, $400 in $2 trades: amounts in dollars, not levels",
       200,
       400,
       2,
       {"$18\t   0.0\t   0.2\t", "$16\t   0.0\t   0.4\t", "$14\t   0.0\t   0.8\t",
        "$12\t   0.0\t   1.6\t", "$10\t   0.0\t   3.1\t", "$8\t   0.0\t   6.3\t",
        "$6\t   0.0\t  12.5\t", "$4\t   0.0\t  25.0\t", "$2\t   0.0\t  50.0\t",
        "$0\t   0.0\t 100.0\t"}},
      {"2 players, $1: a third",
       2,
       1,
       1,
       {"$2\t   0.0\t   0.1\t", "$1\t   0.0\t   0.4\t", "$0\t   0.0\t   1.3\t"}},
      {"0 players: nothing predicted, nothing listed", 0, 30, 1, {}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    setGame(s.f, row.players, row.dollars, row.units);
    const std::string report = onlyReport(s);
    EXPECT_EQ(rowsOf(report), row.rows);
    EXPECT_EQ(lastLine(report), "after 0 exchanges");
  }
}

TEST(Analysis, NoPlayersLeavesTwoEmptyLinesBetweenHeaderAndLastLine) {
  Started s;
  setGame(s.f, 0, 30, 1);
  const std::string report = onlyReport(s);
  const std::string ending = kHeader + "\rafter 0 exchanges";
  ASSERT_GE(report.size(), ending.size());
  EXPECT_EQ(report.substr(report.size() - ending.size()), ending);
}

TEST(Analysis, WholeReportByteForByte) {
  Started s;
  setGame(s.f, 30, 30, 1);
  GameState& g = s.f.game;
  g.nsamples = 120;
  g.maxlevel = 4;
  g.sumlevels[0] = 1500;  // 12.5
  g.sumlevels[1] = 1090;  // 9.0833
  g.sumlevels[2] = 606;   // 5.05
  g.sumlevels[3] = 234;   // 1.95
  g.sumlevels[4] = 170;   // 1.4167
  g.sumlevels[5] = 600;   // above maxlevel: never averaged
  EXPECT_EQ(onlyReport(s),
            "On the left are listed the average number of players receiving the indicated "
            "amount of money. On the right are listed the theoretical numbers based on the "
            "Ovalin distribution. \r\r"
            "These two sets of numbers are not quite the same for two reasons. First, with such "
            "small numbers the fluctuations are significant. Second, the Ovalin distribution is "
            "the \"most probable\" distribution but not quite the \"average\" distribution.\r\r"
            "\r\tavg.\tOvali.\r\r"
            "$7\t   0.0\t   0.1\t\r"
            "$6\t   0.0\t   0.2\t\r"
            "$5\t   0.0\t   0.5\t\r"
            "$4\t   1.4\t   0.9\t\r"
            "$3\t   2.0\t   1.9\t\r"
            "$2\t   5.1\t   3.8\t\r"
            "$1\t   9.1\t   7.5\t\r"
            "$0\t  12.5\t  15.0\t\r"
            "\rafter 120 exchanges");
}

TEST(Analysis, AveragesCoverLevelsZeroToMaxlevelOnly) {
  struct Row {
    const char* name;
    std::int16_t maxlevel;
    std::int64_t nsamples;
    std::vector<std::string> rows;
  } table[] = {
      {"maxlevel 1 hides the sums above it",
       1,
       10,
       {"$7\t   0.0\t   0.1\t", "$6\t   0.0\t   0.2\t", "$5\t   0.0\t   0.5\t",
        "$4\t   0.0\t   0.9\t", "$3\t   0.0\t   1.9\t", "$2\t   0.0\t   3.8\t",
        "$1\t   2.0\t   7.5\t", "$0\t   1.0\t  15.0\t"}},
      {"maxlevel above 100 averages every listed level",
       32767,
       10,
       {"$7\t   7.0\t   0.1\t", "$6\t   6.0\t   0.2\t", "$5\t   5.0\t   0.5\t",
        "$4\t   4.0\t   0.9\t", "$3\t   3.0\t   1.9\t", "$2\t   2.0\t   3.8\t",
        "$1\t   2.0\t   7.5\t", "$0\t   1.0\t  15.0\t"}},
      {"negative maxlevel averages nothing",
       -1,
       10,
       {"$7\t   0.0\t   0.1\t", "$6\t   0.0\t   0.2\t", "$5\t   0.0\t   0.5\t",
        "$4\t   0.0\t   0.9\t", "$3\t   0.0\t   1.9\t", "$2\t   0.0\t   3.8\t",
        "$1\t   0.0\t   7.5\t", "$0\t   0.0\t  15.0\t"}},
      {"no samples leaves every average 0",
       7,
       0,
       {"$7\t   0.0\t   0.1\t", "$6\t   0.0\t   0.2\t", "$5\t   0.0\t   0.5\t",
        "$4\t   0.0\t   0.9\t", "$3\t   0.0\t   1.9\t", "$2\t   0.0\t   3.8\t",
        "$1\t   0.0\t   7.5\t", "$0\t   0.0\t  15.0\t"}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    setGame(s.f, 30, 30, 1);
    GameState& g = s.f.game;
    g.maxlevel = row.maxlevel;
    g.nsamples = row.nsamples;
    g.sumlevels[0] = 10;
    g.sumlevels[1] = 20;
    for (std::size_t i = 2; i < g.sumlevels.size(); ++i) {
      g.sumlevels[i] = static_cast<std::int64_t>(10 * i);
    }
    EXPECT_EQ(rowsOf(onlyReport(s)), row.rows);
  }
}

TEST(Analysis, SampleCountsBeyondThirtyTwoBits) {
  Started s;
  setGame(s.f, 30, 30, 1);
  GameState& g = s.f.game;
  g.nsamples = 5'000'000'000;
  g.sumlevels[0] = 75'000'000'000;
  const std::string report = onlyReport(s);
  EXPECT_EQ(rowsOf(report).back(), "$0\t  15.0\t  15.0\t");
  EXPECT_EQ(lastLine(report), "after 5000000000 exchanges");
}

TEST(Analysis, TwiceWithoutARoundShowsTheSameReport) {
  Started s;
  setGame(s.f, 30, 60, 1);
  s.f.game.nsamples = 7;
  s.f.game.sumlevels[1] = 99;
  const std::string first = onlyReport(s);
  EXPECT_EQ(onlyReport(s), first);
}

TEST(Analysis, StatesTheInputCheckShouldPreventStillGiveAReport) {
  struct Row {
    const char* name;
    std::int16_t players, dollars, units;
    std::vector<std::string> rows;
  } table[] = {
      // Without money every player is broke, which is what the theory says too.
      {"no dollars", 30, 0, 1, {"$0\t   0.0\t  30.0\t"}},
      {"no units", 30, 30, 0, {"$0\t   0.0\t  30.0\t"}},
      {"negative units", 30, 30, -1, {"$0\t   0.0\t  30.0\t"}},
      {"as many negative players as quanta: no logarithm", -30, 30, 1, {}},
      {"more negative players than quanta", -40, 30, 1, {}},
      {"the most players against one dollar: 32766 loses its leading digit",
       32767,
       1,
       1,
       {"$1\t   0.0\t   1.0\t", "$0\t   0.0\t2766.0\t"}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    setGame(s.f, row.players, row.dollars, row.units);
    s.f.game.maxlevel = 32767;
    const std::string report = onlyReport(s);
    EXPECT_EQ(rowsOf(report), row.rows);
    EXPECT_EQ(lastLine(report), "after 0 exchanges");
  }
}

TEST(Analysis, ChartDrawsTheRowsOfTheReport) {
  struct Row {
    const char* name;
    std::int16_t players, dollars, units;
    std::int64_t nsamples;
    std::vector<std::int64_t> sums;  // from level 0 up
    std::vector<std::string> amounts, ticks;
  } table[] = {
      {"straight after a reset: empty bars under the curve",
       30,
       30,
       1,
       0,
       {},
       {"$0", "$1", "$2", "$3", "$4", "$5", "$6", "$7"},
       {"0", "5", "10", "15"}},
      {"after 120 exchanges: bars follow the averages",
       30,
       30,
       1,
       120,
       {1500, 1090, 606, 234, 170},
       {"$0", "$1", "$2", "$3", "$4", "$5", "$6", "$7"},
       {"0", "5", "10", "15"}},
      {"an average above the curve raises the scale",
       30,
       30,
       1,
       10,
       {162, 80},
       {"$0", "$1", "$2", "$3", "$4", "$5", "$6", "$7"},
       {"0", "5", "10", "15", "20"}},
      {"200 players, $400 in $2 trades: amounts in dollars",
       200,
       400,
       2,
       4,
       {380, 210},
       {"$0", "$2", "$4", "$6", "$8", "$10", "$12", "$14", "$16", "$18"},
       {"0", "20", "40", "60", "80", "100"}},
      {"2 players, $1: a scale below one",
       2,
       1,
       1,
       0,
       {},
       {"$0", "$1", "$2"},
       {"0.0", "0.5", "1.0", "1.5"}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    setGame(s.f, row.players, row.dollars, row.units);
    GameState& g = s.f.game;
    g.nsamples = row.nsamples;
    g.maxlevel = static_cast<std::int16_t>(row.sums.size());
    std::copy(row.sums.begin(), row.sums.end(), g.sumlevels.begin());
    const std::vector<std::string> report = rowsOf(onlyReport(s));
    ASSERT_TRUE(s.tk.chart.has_value());
    const Chart& c = *s.tk.chart;

    // The report's own rows, read back from the chart, lowest amount first.
    std::vector<std::string> amounts, drawnRows;
    double highest = 0;
    ASSERT_EQ(c.bars.size(), c.line.size());
    const float base = c.plot.top + c.plot.height;
    const auto heightOf = [&](double value) { return value / c.top * c.plot.height; };
    for (std::size_t i = 0; i < c.bars.size(); ++i) {
      const ChartBar& bar = c.bars[i];
      const ChartPoint& point = c.line[i];
      amounts.push_back(bar.label.text);
      drawnRows.insert(drawnRows.begin(), bar.label.text + "\t" +
                                              fmtnum(static_cast<float>(bar.value), 1, 6) + "\t" +
                                              fmtnum(static_cast<float>(point.value), 1, 6) + "\t");
      highest = std::max({highest, bar.value, point.value});
      EXPECT_NEAR(bar.box.top + bar.box.height, base, 0.5);
      EXPECT_NEAR(bar.box.height, heightOf(bar.value), 0.5);
      EXPECT_NEAR(base - point.y, heightOf(point.value), 0.5);
      EXPECT_NEAR(point.x, bar.box.left + bar.box.width / 2, 0.5);
      if (row.nsamples == 0) {
        EXPECT_EQ(bar.box.height, 0);
      }
    }
    EXPECT_EQ(amounts, row.amounts);
    EXPECT_EQ(drawnRows, report);

    std::vector<std::string> ticks;
    for (const ChartTick& t : c.ticks) {
      ticks.push_back(t.label.text);
      EXPECT_NEAR(base - t.y, heightOf(t.value), 0.5);
    }
    EXPECT_EQ(ticks, row.ticks);
    ASSERT_GE(c.ticks.size(), 2u);
    const double step = c.ticks[1].value;
    EXPECT_DOUBLE_EQ(c.ticks.back().value, c.top);
    EXPECT_GE(c.top, highest);
    EXPECT_LT(c.top - step, highest) << "the scale should end at the first tick over the top";
  }
}

TEST(Analysis, NoChartWithoutRows) {
  struct Row {
    const char* name;
    std::int16_t players;
    Flag ready;
  } table[] = {{"the refusal", 30, kFalse}, {"no players, no rows", 0, kTrue}};
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    Started s;
    setGame(s.f, row.players, 30, 1);
    s.f.game.ready = row.ready;
    onlyReport(s);
    EXPECT_FALSE(s.tk.chart.has_value());
  }
}

TEST(Fmtnum, OneDecimalInSixCharacters) {
  struct Row {
    const char* name;
    float value;
    const char* text;
  } table[] = {
      {"zero", 0.0f, "   0.0"},
      {"negative zero has no sign", -0.0f, "   0.0"},
      {"whole number", 15.0f, "  15.0"},
      {"three digits fill the field", 200.0f, " 200.0"},
      {"too long loses leading digits", 12345.67f, "2345.7"},
      {"a half goes up, where printf would go to even", 0.25f, "   0.3"},
      {"3.75 goes up", 3.75f, "   3.8"},
      {"below a half goes down", 0.1171875f, "   0.1"},
      {"0.45 rounds as the decimal it stands for", 0.45f, "   0.5"},
      {"0.15 likewise", 0.15f, "   0.2"},
      {"carry into the whole part", 9.96f, "  10.0"},
      {"carry that adds a digit", 99.95f, " 100.0"},
      {"a leading zero before small values", 0.04f, "   0.0"},
      {"tiny values", 1e-30f, "   0.0"},
      {"negative halves go away from zero", -2.25f, "  -2.3"},
      {"negative that rounds to zero has no sign", -0.04f, "   0.0"},
      {"largest float keeps its last digits", std::numeric_limits<float>::max(), "0000.0"},
      {"infinity", std::numeric_limits<float>::infinity(), "   inf"},
      {"minus infinity", -std::numeric_limits<float>::infinity(), "  -inf"},
      {"not a number", std::numeric_limits<float>::quiet_NaN(), "   nan"},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fmtnum(row.value, 1, 6), row.text);
  }
}

TEST(Fmtnum, OtherDecimalsAndWidths) {
  struct Row {
    const char* name;
    float value;
    std::int16_t decimals, width;
    const char* text;
  } table[] = {
      {"two decimals", 3.14159f, 2, 8, "    3.14"},
      {"two decimals, a half up", 0.125f, 2, 6, "  0.13"},
      {"no decimals keeps the point of the pattern", 14.5f, 0, 4, " 15."},
      {"negative decimals count as none", 2.4f, -3, 3, " 2."},
      {"width exactly the number", 3.75f, 1, 3, "3.8"},
      {"narrow width keeps the end", 123.45f, 1, 3, "3.5"},
      {"zero width is empty", 7.0f, 1, 0, ""},
      {"negative width is empty", 7.0f, 1, -2, ""},
      {"more decimals than the float has digits", 0.5f, 4, 7, " 0.5000"},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fmtnum(row.value, row.decimals, row.width), row.text);
  }
}

// Every thousandth up to twenty, either side of zero, as the float that
// stands for it: rounded to one decimal as that decimal, halves away from
// zero, and a negative that rounds to zero without its sign.
TEST(Fmtnum, EveryThousandthRoundsAsTheDecimalItStandsFor) {
  for (int k = -20000; k <= 20000; ++k) {
    const int tenths = (std::abs(k) + 50) / 100;
    const std::string digits = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    std::string text = (k < 0 && tenths > 0 ? "-" : "") + digits;
    text.insert(0, 6 - text.size(), ' ');
    ASSERT_EQ(fmtnum(static_cast<float>(k / 1000.0), 1, 6), text) << k << " thousandths";
  }
}

}  // namespace
}  // namespace ovali
