// Fixed-position reading of replies: chars() and the reply layout table.
#include <gtest/gtest.h>

#include <string>

#include "ReplyFields.h"

namespace mosaic {
namespace {

TEST(Chars, OneBasedInclusiveWithMissingPartEmpty) {
  EXPECT_EQ(chars("POWE001", 1, 4), "POWE");
  EXPECT_EQ(chars("POWE001", 5, 7), "001");
  EXPECT_EQ(chars("POWE0", 5, 7), "0");
  EXPECT_EQ(chars("POWE", 5, 7), "");
  EXPECT_EQ(chars("", 1, 4), "");
  EXPECT_EQ(chars("ABC", 3, 3), "C");
  EXPECT_EQ(chars("ABC", 3, 2), "");
  EXPECT_EQ(chars("ABC", 0, 2), "AB");
}

TEST(ReplyLayouts, KeywordsSitWhereTheTableSays) {
  EXPECT_TRUE(has_keyword("POWE001", reply("POWE")));
  EXPECT_FALSE(has_keyword("powe001", reply("POWE")));    // case-sensitive
  EXPECT_FALSE(has_keyword(" POWE001", reply("POWE")));   // a blank before is not accepted
  EXPECT_FALSE(has_keyword("POW", reply("POWE")));
  EXPECT_TRUE(has_keyword("MNC", reply("MNC")));
  EXPECT_TRUE(has_keyword("BHV010", reply("BHV")));
  EXPECT_TRUE(has_keyword("OUTPUT2CONV050", reply("CONV")));
  EXPECT_TRUE(has_keyword("xxxxxxxBRIV", reply("BRIV")));
  EXPECT_FALSE(has_keyword("BRIV050", reply("BRIV")));
}

TEST(ReplyLayouts, ValuesAtTheirPositions) {
  EXPECT_EQ(value_text("MODN002", reply("MODN")), "002");
  EXPECT_EQ(value_number("MODN002", reply("MODN")), 2);
  EXPECT_EQ(value_text("BVV123xyz", reply("BVV")), "123");
  EXPECT_EQ(value_number("OUTPUT1HUEV100", reply("HUEV")), 100);
  EXPECT_EQ(value_text("RFAV005", reply("RFAV")), "005");
  EXPECT_EQ(value_text("VERS205", reply("VERS")), "205");
  EXPECT_EQ(value_number("MODN", reply("MODN")), 0);
  EXPECT_EQ(value_text("OSDI123", reply("OSDI")), "");  // no value used
}

TEST(ReplyLayouts, Ip00CarriesTwelveFieldsSevenApart) {
  std::string chunk = "IP00";
  const char* fields[12] = {"192", "168", "001", "010", "255", "255",
                            "255", "000", "192", "168", "001", "001"};
  for (const char* f : fields) chunk += std::string(f) + "    ";
  for (int i = 0; i < 12; ++i) EXPECT_EQ(value_text(chunk, reply("IP00"), i), fields[i]) << i;
  EXPECT_EQ(value_text(chunk, reply("IP00"), 12), "");
  EXPECT_EQ(value_text("IP00192", reply("IP00"), 1), "");  // short chunk: missing part empty
}

TEST(ReplyLayouts, EveryKeywordIsUniqueAndFitsItsPositions) {
  for (std::size_t i = 0; i < kReplyLayouts.size(); ++i) {
    const ReplyLayout& a = kReplyLayouts[i];
    EXPECT_TRUE(a.keyword.size() == 3 || a.keyword.size() == 4) << a.keyword;
    if (a.field_count > 0) {
      EXPECT_EQ(a.value_last - a.value_first, 2) << a.keyword;
      EXPECT_GT(a.value_first, a.key_first + static_cast<int>(a.keyword.size()) - 1) << a.keyword;
    }
    for (std::size_t j = i + 1; j < kReplyLayouts.size(); ++j)
      EXPECT_NE(a.keyword, kReplyLayouts[j].keyword);
  }
}

}  // namespace
}  // namespace mosaic
