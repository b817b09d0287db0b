#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

namespace ovali {
namespace {

struct ValCase {
  const char* name;
  const char* text;
  double value;
};

const ValCase kValCases[] = {
    {"plain", "30", 30},
    {"leading blanks", "   42", 42},
    {"leading tab", "\t7", 7},
    {"plus sign", "+5", 5},
    {"minus sign", "-3", -3},
    {"decimals", "30.6", 30.6},
    {"point first", ".5", 0.5},
    {"point last", "5.", 5},
    {"trailing words", "12 players", 12},
    {"trailing letters", "12abc", 12},
    {"two points", "1.2.3", 1.2},
    {"exponent", "1e3", 1000},
    {"negative exponent", "25E-1", 2.5},
    {"exponent with plus", "2e+2", 200},
    {"exponent without digits", "3e", 3},
    {"exponent sign without digits", "3e+x", 3},
    {"empty", "", 0},
    {"blanks only", "   ", 0},
    {"no number", "abc", 0},
    {"sign only", "-", 0},
    {"point only", ".", 0},
    {"comma is not a point", "2,5", 2},
    {"minus zero", "-0", 0},
    {"blank after sign", "- 4", 0},
    {"two signs", "+-5", 0},
    {"long digit string", "000000000000000000000000000000000000000012", 12},
    {"twenty digits, beyond 64 bits", "99999999999999999999", 1e20},
    {"underflow", "1e-999", 0},
    {"tiny fraction underflow", "0.0001e-330", 0},
    {"fraction and exponent", "1.25e2", 125},
    {"subnormal", "4.9e-324", 4.9e-324},
    {"many fraction digits", "0.100000000000000005551115123125782702118", 0.1},
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
  const ValCase& c = GetParam();
  EXPECT_DOUBLE_EQ(val(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ValTest, ::testing::ValuesIn(kValCases), [](const auto& info) {
  std::string n = info.param.name;
  for (char& ch : n)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n;
});

TEST(Val, HugeValuesAreInfinite) {
  EXPECT_EQ(val("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(val("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(val(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(val("1e308"), 1e308);
}

// A locale that writes a decimal comma, whatever locales the machine has.
struct CommaPoint : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(Val, IgnoresTheLocale) {
  const std::locale saved =
      std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  const bool cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  EXPECT_DOUBLE_EQ(val("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(val("2,5"), 2);
  std::locale::global(saved);
  if (cLocale) std::setlocale(LC_NUMERIC, "C");
}

TEST(PlainDecimal, ShortestTextThatReadsBack) {
  const struct {
    const char* name;
    double value;
    const char* text;
  } cases[] = {
      {"whole", 32, "32"},
      {"a typed fraction plus one", val("30.6") + 1, "31.6"},
      {"below one", val("-0.6") + 1, "0.4"},
      {"negative", -2, "-2"},
      {"minus zero", -0.0, "0"},
      {"beyond 32 bits", 3000000001.0, "3000000001"},
      {"a sum with no short form", 0.1 + 0.2, "0.30000000000000004"},
      // Its neighbours lie at unequal distances; the nearest 16 digits do not
      // read back but the next ones up do.
      {"a power of two", 0x1p-24, "0.00000005960464477539063"},
  };
  for (const auto& c : cases) EXPECT_EQ(plainDecimal(c.value), c.text) << c.name;
}

TEST(ShortestDigits, SinglePrecisionValuesInTheirOwnPrecision) {
  const struct {
    const char* name;
    float value;
    const char* digits;
    int pointAt;
  } cases[] = {
      {"a tenth", 0.1F, "1", 0},
      {"a half rounded by the report", 0.45F, "45", 0},
      {"a power of two below one", 0x1p-24F, "59604645", -7},
      {"a power of two above 2^24", 0x1p25F, "33554432", 8},
      {"the smallest subnormal", 0x1p-149F, "1", -44},
      {"the largest float", 3.4028235e38F, "34028235", 39},
      {"zero", 0.0F, "", 0},
  };
  for (const auto& c : cases) {
    const ShortestDigits d = shortestDigits(c.value);
    EXPECT_EQ(d.digits, c.digits) << c.name;
    EXPECT_EQ(d.pointAt, c.pointAt) << c.name;
  }
  EXPECT_TRUE(shortestDigits(-2.5F).negative);
}

TEST(FixedDecimal, RoundsTheDecimalAsWrittenHalvesToEven) {
  const struct {
    const char* name;
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {"padded", 0.1, 3, "0.100"},
      {"a half down to even", 0.125, 2, "0.12"},
      {"a half up to even", 0.375, 2, "0.38"},
      {"a written half above its binary value", 2.675, 2, "2.68"},
      {"more than a half", 0.1251, 2, "0.13"},
      {"no places", 1.5, 0, "2"},
      {"no places, half to even zero", 0.5, 0, "0"},
      {"a carry through the point", 99.96, 1, "100.0"},
      {"a negative rounding to zero", -0.004, 2, "0.00"},
      {"negative", -2.5, 1, "-2.5"},
      {"large", 1e21, 0, "1000000000000000000000"},
      {"a tick of a fine scale", 3 * 0.2, 1, "0.6"},
  };
  for (const auto& c : cases) EXPECT_EQ(fixedDecimal(c.value, c.decimals), c.text) << c.name;
}

struct RoundCase {
  const char* name;
  double value;
  std::optional<std::int32_t> rounded;
};

TEST(RoundHalfEven32, HalvesGoToTheEvenNeighbour) {
  const RoundCase cases[] = {
      {"2.5 down", 2.5, 2},
      {"1.5 up", 1.5, 2},
      {"30.6", 30.6, 31},
      {"-3", -3, -3},
      {"-2.5", -2.5, -2},
      {"29.5", 29.5, 30},
      {"too big", 3e9, std::nullopt},
      {"infinite", val("1e999"), std::nullopt},
      {"largest", 2147483647.0, 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven32(c.value), c.rounded) << c.name;
}

}  // namespace
}  // namespace ovali
