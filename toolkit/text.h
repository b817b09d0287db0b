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

}  // namespace ovali
