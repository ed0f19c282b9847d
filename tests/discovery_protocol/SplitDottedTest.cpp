// Splitting dotted text and reading typed whole numbers.
#include <gtest/gtest.h>

#include "SplitDotted.h"

namespace halvex {
namespace {

TEST(SplitDotted, YieldsTheNonEmptyParts) {
  using Parts = std::vector<std::string>;
  const std::pair<const char*, Parts> cases[] = {
      {"192.168.1.10", {"192", "168", "1", "10"}},
      {"1..2.3.4.", {"1", "2", "3", "4"}},
      {"..1.2", {"1", "2"}},
      {"10.0.0", {"10", "0", "0"}},
      {"abc", {"abc"}},
      {" 1. 2", {" 1", " 2"}},
      {"", {}},
      {"...", {}},
  };
  for (const auto& [text, parts] : cases) EXPECT_EQ(SplitDotted(text), parts) << '"' << text << '"';
}

TEST(ParseWholeNumber, ReadsDecimalOnly) {
  const std::pair<const char*, std::optional<long long>> cases[] = {
      {"0", 0},
      {"020", 20},  // decimal, never octal
      {"08", 8},
      {"65535", 65535},
      {"+5", 5},
      {"-5", -5},
      {"  7 ", 7},
      {"\t42", 42},
      {"9223372036854775807", 9223372036854775807LL},
      {"-9223372036854775808", -9223372036854775807LL - 1},
      {"9223372036854775808", std::nullopt},
      {"-9223372036854775809", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"+", std::nullopt},
      {"--1", std::nullopt},
      {"+-1", std::nullopt},
      {"- 1", std::nullopt},
      {"1 2", std::nullopt},
      {"12a", std::nullopt},
      {"0x10", std::nullopt},
      {"1.5", std::nullopt},
      {"abc", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseWholeNumber(text), value) << '"' << text << '"';
}

TEST(IsDigitsOnly, RefusesSignsBlanksAndEmptyText) {
  EXPECT_TRUE(IsDigitsOnly("0123456789"));
  for (const char* text : {"", "+1", "-1", " 1", "1 ", "1a"}) EXPECT_FALSE(IsDigitsOnly(text)) << text;
}

}  // namespace
}  // namespace halvex
