#pragma once
#include <string>
#include <string_view>

namespace halvex {

// "0.5.1.0" gives "0.510": major "." minor release build. Anything that is not
// four dot-separated numbers gives "".
std::string GetVersionText(std::string_view fileVersion);

}  // namespace halvex
