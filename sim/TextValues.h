#pragma once
// Reading the values that arrive in command arguments and writing the
// three-digit number fields of answers.
#include <optional>
#include <string>
#include <string_view>

#include "UnitSetup.h"

namespace wallsim {

// A typed decimal such as "7", "050" or "20.5", rounded to a whole number with
// a half going to the even neighbour. Anything else (signs, exponents, blanks
// inside, no digits) and results outside 0..999 give nullopt.
std::optional<int> ParseTypedNumber(std::string_view text);

// Four dot-separated decimal parts, 1 to 3 digits each, 0..255 ("192.168.001.010").
std::optional<Ipv4> ParseDottedAddress(std::string_view text);

// Three digits with leading zeros; values outside 0..999 are clamped.
std::string ThreeDigits(int value);

}  // namespace wallsim
