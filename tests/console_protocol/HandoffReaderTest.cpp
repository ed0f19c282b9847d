// The hand-off files of the discovery program and the choice of the console's units.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "HandoffReader.h"

namespace mosaic {

void PrintTo(const FoundUnit& u, std::ostream* os) { *os << u.mac << "=" << u.ip; }

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class HandoffFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("handoff_reader_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path write(const std::string& name, const std::string& content) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  fs::path folder_;
};

TEST_F(HandoffFile, LinesWithoutTheirLineEnds) {
  EXPECT_EQ(read_text_lines(write("MAC.txt", "00:11:22:33:44:55\r\n02:00:00:00:00:01\r\n")),
            (Lines{"00:11:22:33:44:55", "02:00:00:00:00:01"}));
  EXPECT_EQ(read_text_lines(write("a.txt", "a\nb\rc\r\n\r\nd")), (Lines{"a", "b", "c", "", "d"}));
  EXPECT_EQ(read_text_lines(write("empty.txt", "")), Lines{});
}

TEST_F(HandoffFile, MissingFileGivesNothing) {
  EXPECT_FALSE(read_text_lines(folder_ / "IP.txt").has_value());
}

TEST(MacEntry, FirstSeventeenCharacters) {
  EXPECT_EQ(mac_entry("00:11:22:33:44:55"), "00:11:22:33:44:55");
  EXPECT_EQ(mac_entry("00:11:22:33:44:55 extra"), "00:11:22:33:44:55");
  EXPECT_EQ(mac_entry("00:11"), "00:11");
}

struct IpCase {
  std::string line;
  std::optional<Address> expected;
};

TEST(IpLine, FixedColumnsOfThreeDigits) {
  const std::vector<IpCase> cases = {
      {"192.168.001.010", Address{192, 168, 1, 10}},
      {"010.000.000.007", Address{10, 0, 0, 7}},
      {"255.255.255.255", Address{255, 255, 255, 255}},
      {"000.000.000.000", Address{0, 0, 0, 0}},
      {"192.168.001.010 trailing", Address{192, 168, 1, 10}},
      {"192x168x001x010", Address{192, 168, 1, 10}},  // separators are not examined
      {"256.168.001.010", std::nullopt},
      {"192.168.001.999", std::nullopt},
      {"192.168.1.10", std::nullopt},
      {"192.168.001.01", std::nullopt},
      {"abc.168.001.010", std::nullopt},
      {" 92.168.001.010", std::nullopt},
      {"", std::nullopt},
  };
  for (const IpCase& c : cases) EXPECT_EQ(ip_line(c.line), c.expected) << '"' << c.line << '"';
}

TEST(Dotted, PlainDecimalWithoutLeadingZeros) {
  EXPECT_EQ(dotted({192, 168, 1, 10}), "192.168.1.10");
  EXPECT_EQ(dotted({0, 0, 0, 0}), "0.0.0.0");
}

const Lines kMacs = {"m1", "m2", "m3"};
const Lines kIps = {"192.168.001.010", "010.000.000.007", "192.168.001.011"};

TEST(KeepLocalUnits, KeepsUnitsOnTheConsolesNetwork) {
  EXPECT_EQ(keep_local_units(kMacs, kIps, {{192, 168, 1}}),
            (std::vector<FoundUnit>{{"m1", "192.168.1.10"}, {"m3", "192.168.1.11"}}));
  EXPECT_EQ(keep_local_units(kMacs, kIps, {{10, 0, 0}}), (std::vector<FoundUnit>{{"m2", "10.0.0.7"}}));
  EXPECT_TRUE(keep_local_units(kMacs, kIps, {{172, 16, 0}}).empty());
  EXPECT_TRUE(keep_local_units(kMacs, kIps, {}).empty());
}

TEST(KeepLocalUnits, AnyOfSeveralOwnNetworksCounts) {
  EXPECT_EQ(keep_local_units(kMacs, kIps, {{172, 16, 0}, {10, 0, 0}, {192, 168, 1}}),
            (std::vector<FoundUnit>{{"m1", "192.168.1.10"}, {"m2", "10.0.0.7"}, {"m3", "192.168.1.11"}}));
}

TEST(KeepLocalUnits, UnreadableIpLineDropsItsUnitOnly) {
  EXPECT_EQ(keep_local_units(kMacs, {"192.168.001.010", "192.168.001.300", "192.168.001.011"}, {{192, 168, 1}}),
            (std::vector<FoundUnit>{{"m1", "192.168.1.10"}, {"m3", "192.168.1.11"}}));
}

TEST(KeepLocalUnits, SurplusLinesOfEitherFile) {
  // More IP lines than units: the extra lines are ignored.
  EXPECT_EQ(keep_local_units({"m1"}, kIps, {{192, 168, 1}}), (std::vector<FoundUnit>{{"m1", "192.168.1.10"}}));
  // Fewer IP lines than units: the rest keep an empty address.
  EXPECT_EQ(keep_local_units(kMacs, {"192.168.001.010"}, {{192, 168, 1}}),
            (std::vector<FoundUnit>{{"m1", "192.168.1.10"}, {"m2", ""}, {"m3", ""}}));
}

TEST(KeepLocalUnits, MacEntriesAreCutToSeventeenCharacters) {
  EXPECT_EQ(keep_local_units({"00:11:22:33:44:55XYZ"}, {"010.000.000.007"}, {{10, 0, 0}}),
            (std::vector<FoundUnit>{{"00:11:22:33:44:55", "10.0.0.7"}}));
}

}  // namespace
}  // namespace mosaic
