#pragma once
// Reading numbers out of text: the lenient reading used for reply fields and hand-off
// files, and the strict test used for values the operator types.
#include <optional>
#include <string_view>

namespace mosaic {

// The decimal number at the start of the text: blanks anywhere are skipped, then an
// optional sign, digits, a decimal part and an exponent; reading stops at the first
// character that cannot belong to the number. No digits give 0.
double leading_decimal(std::string_view text);

// A value rounded to a whole number, a half going to the even neighbour; values beyond
// the range of long long are clamped to it.
long long round_half_even(double value);

// leading_decimal then round_half_even: "012" -> 12, " 7" -> 7, "1x" -> 1, "" -> 0,
// "2.5" -> 2, "3.5" -> 4.
long long field_number(std::string_view text);

// The whole text reads as one decimal number, with blanks around it, an optional sign,
// a decimal part and an exponent allowed ("  -2.5e1 "). Returns its value, or nothing
// when the text is anything else or too large to represent.
std::optional<double> typed_number(std::string_view text);

}  // namespace mosaic
