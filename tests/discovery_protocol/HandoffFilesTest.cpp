// The hand-off files must be byte-exact: the console reads them at fixed positions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "HandoffFiles.h"

namespace halvex {
namespace {

namespace fs = std::filesystem;

class WriteLinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "handoff-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir;
  std::string error;
};

TEST_F(WriteLinesTest, EveryLineEndsWithCrLf) {
  const fs::path mac = dir / "MAC.txt";
  ASSERT_TRUE(WriteLines(mac.string(), {"00:11:22:33:44:55", "00:11:22:33:44:66"}, error)) << error;
  EXPECT_EQ(Contents(mac), "00:11:22:33:44:55\r\n00:11:22:33:44:66\r\n");
  EXPECT_EQ(fs::file_size(mac), 38u);

  const fs::path ip = dir / "IP.txt";
  ASSERT_TRUE(WriteLines(ip.string(), {"192.168.001.010", "010.000.000.001"}, error)) << error;
  EXPECT_EQ(Contents(ip), "192.168.001.010\r\n010.000.000.001\r\n");
}

TEST_F(WriteLinesTest, ReplacesTheWholeFileAndNoLinesGiveAnEmptyFile) {
  const fs::path mac = dir / "MAC.txt";
  ASSERT_TRUE(WriteLines(mac.string(), {"00:11:22:33:44:55", "00:11:22:33:44:66"}, error));
  ASSERT_TRUE(WriteLines(mac.string(), {"AA:BB:CC:DD:EE:FF"}, error));
  EXPECT_EQ(Contents(mac), "AA:BB:CC:DD:EE:FF\r\n");
  ASSERT_TRUE(WriteLines(mac.string(), {}, error));
  EXPECT_TRUE(fs::exists(mac));
  EXPECT_EQ(fs::file_size(mac), 0u);
}

TEST_F(WriteLinesTest, PathWithSpacesAndRepeatedSeparators) {
  fs::create_directory(dir / "with space");
  const std::string path = (dir / "with space").string() + "//IP.txt";
  ASSERT_TRUE(WriteLines(path, {"192.168.001.010"}, error)) << error;
  EXPECT_EQ(Contents(dir / "with space" / "IP.txt"), "192.168.001.010\r\n");
}

TEST_F(WriteLinesTest, UnwritablePathIsReportedWithPathAndReason) {
  const std::string path = (dir / "missing" / "MAC.txt").string();
  EXPECT_FALSE(WriteLines(path, {"00:11:22:33:44:55"}, error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

TEST_F(WriteLinesTest, DirectoryInPlaceOfTheFileIsReported) {
  EXPECT_FALSE(WriteLines(dir.string(), {"x"}, error));
  EXPECT_NE(error.find(dir.string()), std::string::npos) << error;
}

TEST_F(WriteLinesTest, FailedWriteIsReported) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  EXPECT_FALSE(WriteLines("/dev/full", {"00:11:22:33:44:55"}, error));
  EXPECT_NE(error.find("/dev/full"), std::string::npos) << error;
}

TEST(HandOffIpLine, FourNumbersBecomeTheFixedColumns) {
  const std::pair<const char*, const char*> cases[] = {
      {"192.168.001.010", "192.168.001.010"},  // as a reply gives it
      {"192.168.1.20", "192.168.001.020"},     // as the operator saved it
      {"10..0.0.255.", "010.000.000.255"},
      {"010.000.000.020", "010.000.000.020"},
      {"", ""},  // a reply without an address
      {"192.168.001.010010.000.000.001", "192.168.001.010010.000.000.001"},
      {"1.2.3.256", "1.2.3.256"},
  };
  for (const auto& [stored, line] : cases) EXPECT_EQ(HandOffIpLine(stored), line) << stored;
}

}  // namespace
}  // namespace halvex
