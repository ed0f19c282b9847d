#pragma once
// The console's two ways of writing a number: plain ("7") and signed, with a blank
// in the place of the sign of a number that is not negative (" 7").
#include <string>

namespace mosaic {

inline std::string plain_number(long long n) { return std::to_string(n); }

inline std::string signed_number(long long n) {
  return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

}  // namespace mosaic
