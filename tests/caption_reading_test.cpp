// Money captions are read through a shortcut for plain digit runs; around its
// edges the value must be what the general reading gives.

#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/text.h"

namespace ovali {
namespace {

TEST(CaptionReading, DigitRunsReadAsTheirDecimalValue) {
  const struct {
    const char* name;
    const char* text;
  } rows[] = {
      {"one digit", "7"},
      {"zero", "0"},
      {"leading zeros", "007"},
      {"fifteen digits", "999999999999999"},
      {"sixteen digits, past the shortcut", "9007199254740993"},
      {"twenty digits", "12345678901234567890"},
      {"digits then a blank", "12 "},
      {"digits then a letter", "12a"},
      {"blank then digits", " 12"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(val(row.text), std::strtod(row.text, nullptr));
  }
}

}  // namespace
}  // namespace ovali
