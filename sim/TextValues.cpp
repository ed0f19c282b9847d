#include "TextValues.h"

#include <cmath>
#include <cstdio>

namespace wallsim {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> ParseTypedNumber(std::string_view text) {
  double whole = 0;
  double fraction = 0;
  double scale = 1;
  bool digits = false;
  bool point = false;
  for (char c : text) {
    if (IsDigit(c)) {
      digits = true;
      if (point) {
        scale /= 10;
        fraction += (c - '0') * scale;
      } else {
        whole = whole * 10 + (c - '0');
        if (whole > 1e6) return std::nullopt;
      }
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  // nearbyint rounds in the default mode: to nearest, halves to even.
  const double rounded = std::nearbyint(whole + fraction);
  if (rounded > 999) return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<Ipv4> ParseDottedAddress(std::string_view text) {
  Ipv4 address{};
  std::size_t part = 0;
  int value = 0;
  int length = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '.') {
      if (length == 0 || value > 255 || part >= address.size()) return std::nullopt;
      address[part++] = static_cast<uint8_t>(value);
      value = 0;
      length = 0;
    } else if (IsDigit(text[i]) && length < 3) {
      value = value * 10 + (text[i] - '0');
      ++length;
    } else {
      return std::nullopt;
    }
  }
  if (part != address.size()) return std::nullopt;
  return address;
}

std::string ThreeDigits(int value) {
  if (value < 0) value = 0;
  if (value > 999) value = 999;
  char text[4];
  std::snprintf(text, sizeof text, "%03d", value);
  return text;
}

}  // namespace wallsim
