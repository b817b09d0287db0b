#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovali {

// The numeric value of a text: leading blanks skipped, then the longest leading
// decimal number (sign, digits, decimal point, exponent) with "." as the point
// whatever the locale; anything after it is ignored, and a text without a
// leading number is 0. Values too large for a double are +/- infinity.
double val(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour, as a
// 32-bit integer; nothing when the value does not fit (or is not a number).
std::optional<std::int32_t> roundHalfEven32(double value);

// Decimal text of a whole number, no sign for positives, no spaces.
std::string decimal(std::int64_t value);

// Decimal text of a whole number with a comma between thousands ("5,000"),
// as a class reads a count, whatever the locale.
std::string groupedDecimal(std::int64_t value);

// An amount of money as the window shows it: "$" and the decimal text.
std::string dollarCaption(std::int64_t amount);

// The decimal a binary value stands for: the fewest significant digits that
// read back as the same value (the nearest such when there are several).
struct ShortestDigits {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero (and for infinity or no number)
  int pointAt = 0;     // the decimal point stands before digits[pointAt]
};
ShortestDigits shortestDigits(float value);
ShortestDigits shortestDigits(double value);

// How a last kept digit rounds when what is dropped is exactly a half.
enum class Halves { ToEven, AwayFromZero };

// The decimal `d` rounded to `decimals` places (0 to 60): at least one digit
// before the point, no point when `decimals` is 0, no sign on a zero.
std::string roundedDecimal(const ShortestDigits& d, int decimals, Halves halves);

// `value` with `decimals` places, "." as the point whatever the locale. What
// is rounded, halves to even, is the shortest decimal that reads back as the
// value: 2.675 is 2.68, as it is written, though its binary value is below.
std::string fixedDecimal(double value, int decimals);

// `value` as a plain decimal number in its shortest form: no exponent, and
// no decimal point for whole numbers.
std::string plainDecimal(double value);

}  // namespace ovali
