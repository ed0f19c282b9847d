#include "DecimalText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mosaic {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The longest prefix of s that forms a decimal number: [sign] digits [. digits]
// [e [sign] digits]. An exponent counts only with at least one digit after it.
struct NumberScan {
  std::size_t length = 0;
  bool has_digits = false;
};

NumberScan scan_number(std::string_view s) {
  NumberScan scan;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  while (i < s.size() && is_digit(s[i])) { ++i; scan.has_digits = true; }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && is_digit(s[i])) { ++i; scan.has_digits = true; }
  }
  if (!scan.has_digits) return scan;
  scan.length = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t digits_from = j;
    while (j < s.size() && is_digit(s[j])) ++j;
    if (j > digits_from) scan.length = j;
  }
  return scan;
}

// Where the number's first significant digit sits relative to the decimal point,
// plus its exponent: > 0 means the value is at least 1 in size.
long long decimal_magnitude(std::string_view number) {
  long long magnitude = 0;
  bool seen_point = false, seen_significant = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') { seen_point = true; continue; }
    if (!is_digit(c)) continue;
    if (c != '0') seen_significant = true;
    if (!seen_point && seen_significant) ++magnitude;
    if (seen_point && !seen_significant) --magnitude;
  }
  long long exponent = 0;
  bool negative = false;
  for (++i; i < number.size(); ++i) {
    if (number[i] == '-') negative = true;
    if (is_digit(number[i]) && exponent < 1'000'000) exponent = exponent * 10 + (number[i] - '0');
  }
  return magnitude + (negative ? -exponent : exponent);
}

// Converts a scanned number without regard to the process locale. A value too large
// for a double gives infinity (with its sign), one too small gives 0.
double convert(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range)
    value = decimal_magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  else if (error != std::errc()) value = 0;
  return negative ? -value : value;
}

}  // namespace

double leading_decimal(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text)
    if (!is_blank(c)) compact += c;
  const NumberScan scan = scan_number(compact);
  if (!scan.has_digits) return 0;
  return convert(std::string_view(compact).substr(0, scan.length));
}

long long round_half_even(double value) {
  constexpr double kLimit = 9.2e18;  // inside the range of long long
  if (std::isnan(value)) return 0;
  if (value >= kLimit) return static_cast<long long>(kLimit);
  if (value <= -kLimit) return -static_cast<long long>(kLimit);
  // The default rounding mode rounds to nearest with ties to even.
  return static_cast<long long>(std::nearbyint(value));
}

long long field_number(std::string_view text) { return round_half_even(leading_decimal(text)); }

std::optional<double> typed_number(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  const NumberScan scan = scan_number(text);
  if (!scan.has_digits || scan.length != text.size()) return std::nullopt;
  const double value = convert(text);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

}  // namespace mosaic
