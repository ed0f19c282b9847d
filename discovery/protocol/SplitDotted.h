#pragma once
// Dotted-text splitting and strict decimal number reading for typed values.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvex {

// Splits at "." into the non-empty parts: runs of points count as one separator,
// points at the start or end yield no part ("1..2.3.4." gives 1, 2, 3, 4).
std::vector<std::string> SplitDotted(std::string_view text);

// A whole number written in decimal with an optional sign ("020" is 20, never
// octal). Blanks around it are allowed; anything else gives nullopt, as does a
// value outside the range of long long.
std::optional<long long> ParseWholeNumber(std::string_view text);

// True when the text is one or more of the digits 0 to 9 and nothing else.
bool IsDigitsOnly(std::string_view text);

// One part of a dotted address: digits only (no sign, no blanks), 0 to 255.
std::optional<int> ReadOctet(std::string_view part);

}  // namespace halvex
