#include "VersionText.h"

#include <vector>

#include "SplitDotted.h"

namespace halvex {

std::string GetVersionText(std::string_view fileVersion) {
  // Split at every point: an empty part (as in "0..5.1") makes the text unusable.
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = fileVersion.find('.', start);
    parts.push_back(fileVersion.substr(start, dot == std::string_view::npos ? dot : dot - start));
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (parts.size() != 4) return {};

  std::string numbers[4];
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::optional<long long> number = ParseWholeNumber(parts[i]);
    if (!IsDigitsOnly(parts[i]) || !number || *number > 65535) return {};
    numbers[i] = std::to_string(*number);
  }
  return numbers[0] + "." + numbers[1] + numbers[2] + numbers[3];
}

}  // namespace halvex
