// Reading numbers out of reply fields, hand-off files and typed values.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "DecimalText.h"

namespace mosaic {
namespace {

struct FieldCase {
  std::string text;
  long long expected;
};

TEST(FieldNumber, ReadsTheLeadingDecimalNumberAndRoundsHalfToEven) {
  const std::vector<FieldCase> cases = {
      {"012", 12},   {" 7", 7},     {"1x", 1},     {"", 0},       {"abc", 0},
      {"000", 0},    {"255", 255},  {"1 2", 12},   {"\t3 4 ", 34}, {"-5", -5},
      {"- 5", -5},   {"+8", 8},     {"2.5", 2},    {"3.5", 4},    {"0.5", 0},
      {"1.5", 2},    {"-2.5", -2},  {"2.51", 3},   {"1e2", 100},  {"1e", 1},
      {"1e+", 1},    {"5.", 5},     {".5", 0},     {"..5", 0},    {"--5", 0},
      {"7-1", 7},    {"0x1F", 0},   {"1e999", 9'200'000'000'000'000'000LL},
      {"1e-999", 0}, {"-1e999", -9'200'000'000'000'000'000LL},
  };
  for (const FieldCase& c : cases) EXPECT_EQ(field_number(c.text), c.expected) << '"' << c.text << '"';
}

TEST(FieldNumber, HugeDigitStringsWithoutExponentStayLarge) {
  EXPECT_GT(field_number(std::string(400, '9')), 1'000'000'000'000LL);
  EXPECT_EQ(field_number("0." + std::string(400, '0') + "1"), 0);
}

struct TypedCase {
  std::string text;
  std::optional<double> expected;
};

TEST(TypedNumber, AcceptsOnlyADecimalNumberWithBlanksAround) {
  const std::vector<TypedCase> cases = {
      {"7", 7.0},        {"  7  ", 7.0},   {"-2.5", -2.5},  {"+3", 3.0},
      {"50.5", 50.5},    {"1e1", 10.0},    {"2.5E-1", 0.25}, {".5", 0.5},
      {"5.", 5.0},       {"050", 50.0},    {"\t12\t", 12.0},
      {"", std::nullopt},     {"   ", std::nullopt},  {"1~15", std::nullopt},
      {"1 2", std::nullopt},  {"abc", std::nullopt},  {"1e", std::nullopt},
      {"-", std::nullopt},    {".", std::nullopt},    {"0x10", std::nullopt},
      {"1,5", std::nullopt},  {"1e999", std::nullopt}, {"+-1", std::nullopt},
  };
  for (const TypedCase& c : cases) EXPECT_EQ(typed_number(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
}  // namespace mosaic
