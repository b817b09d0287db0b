#include "toolkit/text.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

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

// The shortest digits that read back as the same value, the nearest such
// when there are several, in the value's own precision: fmt's Dragonbox,
// called directly rather than through a format string, which would bring
// fmt's whole formatter into the page.
template <class F>
ShortestDigits shortest(F value) {
  if (!std::isfinite(value) || value == 0) return {};
  const auto found = fmt::detail::dragonbox::to_decimal(std::fabs(value));
  ShortestDigits out;
  out.negative = std::signbit(value);
  char buffer[24];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, found.significand);
  out.digits.assign(buffer, written.ptr);
  const std::size_t lastNonZero = out.digits.find_last_not_of('0');
  const auto dropped = static_cast<int>(out.digits.size() - (lastNonZero + 1));
  out.digits.resize(lastNonZero + 1);
  out.pointAt = static_cast<int>(out.digits.size()) + dropped + found.exponent;
  return out;
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
  // A number starts with a digit or its point: not a second sign, a blank,
  // "inf" or "nan".
  if (p == text.size() || !(isDigit(text[p]) || text[p] == '.')) return 0.0;
  double value = 0;
  const auto read = fast_float::from_chars(text.data() + p, text.data() + text.size(), value);
  if (read.ec == std::errc::invalid_argument) return 0.0;  // a point with no digit
  return negative ? -value : value;
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

std::string roundedDecimal(const ShortestDigits& d, int decimals, Halves halves) {
  decimals = std::clamp(decimals, 0, 60);
  const int digitCount = static_cast<int>(d.digits.size());
  auto digitAt = [&](int position) {  // relative to the point, 0 = the first decimal
    const int index = d.pointAt + position;
    return index >= 0 && index < digitCount ? d.digits[static_cast<std::size_t>(index)] : '0';
  };
  // The whole digits and the decimals in one run; what follows them decides
  // the rounding, and a carry runs back through both.
  std::string kept;
  for (int position = -std::max(d.pointAt, 1); position < decimals; ++position) {
    kept += digitAt(position);
  }
  const char next = digitAt(decimals);
  bool up = next > '5';
  if (next == '5') {
    const bool moreAfter = d.pointAt + decimals + 1 < digitCount;
    up = halves == Halves::AwayFromZero || moreAfter || (kept.back() - '0') % 2 == 1;
  }
  if (up) {
    int i = static_cast<int>(kept.size()) - 1;
    for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) {
      kept[static_cast<std::size_t>(i)] = '0';
    }
    if (i >= 0) {
      ++kept[static_cast<std::size_t>(i)];
    } else {
      kept.insert(kept.begin(), '1');
    }
  }
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  std::string text = d.negative && !zero ? "-" : "";
  const std::size_t split = kept.size() - static_cast<std::size_t>(decimals);
  text.append(kept, 0, split);
  if (decimals > 0) {
    text += '.';
    text.append(kept, split);
  }
  return text;
}

std::string fixedDecimal(double value, int decimals) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  return roundedDecimal(shortestDigits(value), decimals, Halves::ToEven);
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
