#include "toolkit/text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ovali {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Captions of money and counts are short runs of digits, and the rounds read
// two of them per pair: those skip the general scan. Fifteen digits stay
// below 2^53, so the sum is exact and equals what the general path returns.
bool shortDigits(std::string_view text, double& value) {
  const std::size_t length = text.size();
  if (length == 0 || length > 15) return false;
  std::uint64_t sum = 0;
  for (const char c : text) {
    const auto digit = static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
    if (digit > 9) return false;
    sum = sum * 10 + digit;
  }
  value = static_cast<double>(sum);
  return true;
}

}  // namespace

double val(std::string_view text) {
  if (double digits = 0; shortDigits(text, digits)) return digits;
  std::size_t p = 0;
  while (p < text.size() && isBlank(text[p])) ++p;

  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
    negative = text[p] == '-';
    ++p;
  }
  const std::size_t numberStart = p;

  std::size_t intDigits = 0;  // significant digits before the point
  bool seenNonZero = false;
  std::size_t fracLeadingZeros = 0;  // zeros after the point before the first non-zero digit
  std::size_t digits = 0;
  while (p < text.size() && isDigit(text[p])) {
    if (text[p] != '0') seenNonZero = true;
    if (seenNonZero) ++intDigits;
    ++digits;
    ++p;
  }
  if (p < text.size() && text[p] == '.') {
    std::size_t q = p + 1;
    std::size_t fracDigits = 0;
    while (q < text.size() && isDigit(text[q])) {
      if (!seenNonZero) {
        if (text[q] == '0') {
          ++fracLeadingZeros;
        } else {
          seenNonZero = true;
        }
      }
      ++fracDigits;
      ++q;
    }
    if (digits > 0 || fracDigits > 0) {
      digits += fracDigits;
      p = q;
    }
  }
  if (digits == 0) return 0.0;

  long long exponent = 0;
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    std::size_t q = p + 1;
    bool expNegative = false;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) {
      expNegative = text[q] == '-';
      ++q;
    }
    if (q < text.size() && isDigit(text[q])) {
      while (q < text.size() && isDigit(text[q])) {
        if (exponent < 100000) exponent = exponent * 10 + (text[q] - '0');
        ++q;
      }
      if (expNegative) exponent = -exponent;
      p = q;
    }
  }

  double result = 0.0;
  const char* first = text.data() + numberStart;
  const char* last = text.data() + p;
  const auto [end, ec] = std::from_chars(first, last, result, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Overflow or underflow: which one follows from the decimal magnitude.
    const long long magnitude = intDigits > 0 ? static_cast<long long>(intDigits) + exponent
                                              : exponent - static_cast<long long>(fracLeadingZeros);
    result = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc() || end != last) {
    result = 0.0;
  }
  return negative ? -result : result;
}

std::optional<std::int32_t> roundHalfEven32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double r = std::nearbyint(value);  // default rounding: to nearest, ties to even
  if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      r > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(r);
}

std::string decimal(std::int64_t value) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;
  return std::string(buffer, end);
}

}  // namespace ovali
