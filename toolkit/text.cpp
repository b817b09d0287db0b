#include "toolkit/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace ovali {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Beyond this an exponent decides alone between infinity and zero for any
// text a machine can hold, so its further digits need not be counted.
constexpr long long kExponentCap = 1'000'000'000'000'000;

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

// Scientific text ("-1.25e+02"; any mark between the digits, as a locale may
// write) as digits and the place of the point, trailing zeros dropped.
ShortestDigits fromScientific(std::string_view s) {
  ShortestDigits out;
  if (!s.empty() && s.front() == '-') {
    out.negative = true;
    s.remove_prefix(1);
  }
  const std::size_t e = s.find('e');
  if (e == std::string_view::npos) return out;
  for (const char c : s.substr(0, e)) {
    if (isDigit(c)) out.digits += c;
  }
  int exponent = 0;
  std::string_view exponentText = s.substr(e + 1);
  if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  const std::size_t lastNonZero = out.digits.find_last_not_of('0');
  out.digits.resize(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
  if (out.digits.empty()) return {};
  out.pointAt = exponent + 1;
  return out;
}

#if !defined(__cpp_lib_to_chars)
template <class F>
F readBack(const ShortestDigits& d);

template <>
float readBack<float>(const ShortestDigits& d) {
  const std::string text = d.digits + "e" + decimal(d.pointAt - static_cast<int>(d.digits.size()));
  return std::strtof(text.c_str(), nullptr);
}

template <>
double readBack<double>(const ShortestDigits& d) {
  const std::string text = d.digits + "e" + decimal(d.pointAt - static_cast<int>(d.digits.size()));
  return std::strtod(text.c_str(), nullptr);
}

// The digits of `length` places raised by one in the last place.
ShortestDigits nextUp(ShortestDigits d, std::size_t length) {
  if (d.digits.size() < length) d.digits.resize(length, '0');
  std::size_t i = d.digits.size();
  while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
  if (i == 0) {
    d.digits.insert(d.digits.begin(), '1');
    ++d.pointAt;
  } else {
    ++d.digits[i - 1];
  }
  return d;
}
#endif

template <class F>
ShortestDigits shortest(F value) {
  if (!std::isfinite(value)) return {};
  char buffer[64];
#if defined(__cpp_lib_to_chars)
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  if (ec != std::errc()) return {};
  return fromScientific(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
#else
  // Without a floating-point to_chars: the correctly rounded digits at one
  // length after another until they read back. Where the value's neighbours
  // lie at unequal distances (a power of two) the nearest digits may miss
  // while the next ones up still read back, so those are tried too.
  const F magnitude = std::fabs(value);
  ShortestDigits d;
  for (int precision = 0; precision < std::numeric_limits<F>::max_digits10; ++precision) {
    const int length =
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, static_cast<double>(magnitude));
    d = fromScientific(std::string_view(buffer, static_cast<std::size_t>(length)));
    if (d.digits.empty() || readBack<F>(d) == magnitude) break;
    if (ShortestDigits up = nextUp(d, static_cast<std::size_t>(precision) + 1);
        readBack<F>(up) == magnitude) {
      d = std::move(up);
      break;
    }
  }
  d.negative = std::signbit(value) && !d.digits.empty();
  return d;
#endif
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
        if (exponent < kExponentCap) exponent = exponent * 10 + (text[q] - '0');
        ++q;
      }
      if (expNegative) exponent = -exponent;
      p = q;
    }
  }

#if defined(__cpp_lib_to_chars)
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
#else
  (void)intDigits;
  (void)fracLeadingZeros;
  // Without a floating-point from_chars: the digits without their point and
  // the exponent moved to match, which strtod reads the same in every locale
  // and rounds correctly (to infinity or zero where from_chars is out of range).
  std::string plain;
  plain.reserve(digits + 24);
  std::size_t fracDigits = 0;
  bool inFraction = false;
  for (std::size_t i = numberStart; plain.size() < digits; ++i) {
    if (text[i] == '.') {
      inFraction = true;
      continue;
    }
    plain += text[i];
    if (inFraction) ++fracDigits;
  }
  plain += 'e';
  plain += decimal(exponent - static_cast<long long>(fracDigits));
  const double result = std::strtod(plain.c_str(), nullptr);
#endif
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

std::string groupedDecimal(std::int64_t value) {
  const std::string text = decimal(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  std::string out = text.substr(0, sign);
  for (std::size_t i = sign; i < text.size(); ++i) {
    if (i > sign && (text.size() - i) % 3 == 0) out += ',';
    out += text[i];
  }
  return out;
}

std::string dollarCaption(std::int64_t amount) {
  // Built in one buffer: GCC 12 takes "$" + std::string for an overlapping copy.
  char buffer[25] = {'$'};
  const auto [end, ec] = std::to_chars(buffer + 1, buffer + sizeof buffer, amount);
  (void)ec;
  return std::string(buffer, end);
}

ShortestDigits shortestDigits(float value) { return shortest(value); }

ShortestDigits shortestDigits(double value) { return shortest(value); }

std::string fixedDecimal(double value, int decimals) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buffer[400];  // the longest double in fixed notation has 309 digits before the point
  decimals = std::clamp(decimals, 0, 60);
#if defined(__cpp_lib_to_chars)
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return {};
  return std::string(buffer, end);
#else
  const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
  // Whatever the locale writes between the whole digits and the decimals
  // becomes a point.
  std::string text;
  bool pointWritten = false;
  for (int i = 0; i < length; ++i) {
    const char c = buffer[i];
    if (isDigit(c) || (i == 0 && c == '-')) {
      text += c;
    } else if (!pointWritten) {
      text += '.';
      pointWritten = true;
    }
  }
  return text;
#endif
}

std::string plainDecimal(double value) {
  const ShortestDigits d = shortestDigits(value);
  if (d.digits.empty()) return "0";
  const auto count = static_cast<int>(d.digits.size());
  std::string text = d.negative ? "-" : "";
  if (d.pointAt <= 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-d.pointAt), '0');
    text += d.digits;
  } else if (d.pointAt >= count) {
    text += d.digits;
    text.append(static_cast<std::size_t>(d.pointAt - count), '0');
  } else {
    text.append(d.digits, 0, static_cast<std::size_t>(d.pointAt));
    text += '.';
    text.append(d.digits, static_cast<std::size_t>(d.pointAt));
  }
  return text;
}

}  // namespace ovali
