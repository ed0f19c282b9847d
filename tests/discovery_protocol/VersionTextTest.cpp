#include <gtest/gtest.h>

#include "VersionText.h"

namespace halvex {
namespace {

TEST(GetVersionText, MajorPointThenTheOtherThreeRunTogether) {
  const std::pair<const char*, const char*> cases[] = {
      {"0.5.1.0", "0.510"},
      {"1.2.3.4", "1.234"},
      {"10.0.12.3", "10.0123"},
      {"0.5.1", ""},
      {"0.5.1.0.0", ""},
      {"0..5.1", ""},
      {"0.5.1.x", ""},
      {"0.5.-1.0", ""},
      {"", ""},
  };
  for (const auto& [version, text] : cases) EXPECT_EQ(GetVersionText(version), text) << version;
}

}  // namespace
}  // namespace halvex
