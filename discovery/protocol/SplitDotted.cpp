#include "SplitDotted.h"

#include <limits>

namespace halvex {

std::vector<std::string> SplitDotted(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t dot = text.find('.', start);
    if (dot == std::string_view::npos) dot = text.size();
    if (dot > start) parts.emplace_back(text.substr(start, dot - start));
    start = dot + 1;
  }
  return parts;
}

bool IsDigitsOnly(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<long long> ParseWholeNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!IsDigitsOnly(text)) return std::nullopt;

  // Accumulate towards the negative side, which holds one value more than the positive.
  constexpr long long kMin = std::numeric_limits<long long>::min();
  long long value = 0;
  for (char c : text) {
    const int digit = c - '0';
    if (value < (kMin + digit) / 10) return std::nullopt;
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == kMin) return std::nullopt;
    value = -value;
  }
  return value;
}

std::optional<int> ReadOctet(std::string_view part) {
  if (!IsDigitsOnly(part)) return std::nullopt;
  const std::optional<long long> number = ParseWholeNumber(part);
  if (!number || *number > 255) return std::nullopt;
  return static_cast<int>(*number);
}

}  // namespace halvex
