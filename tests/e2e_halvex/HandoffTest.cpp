// HALVEX run as a process against wallsim: the hand-off files it leaves, byte
// for byte, and its behaviour when they cannot be written.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "HalvexRun.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Hang guard only; HALVEX's own figure is printed by bench/halvex_search.
constexpr auto kHangGuard = 10s;
// HALVEX takes replies for one second after sending the query; it cannot end sooner.
constexpr auto kSearchWindow = 950ms;

struct Unit {
  std::string mac;
  std::string ip;
  std::string extra;  // further JSON members of the unit, e.g. "faults": {...}
};

std::string UnitFileJson(const std::vector<Unit>& units) {
  std::string json = "{\"units\": [";
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (i > 0) json += ",";
    json += "\n  {\"mac\": \"" + units[i].mac + "\", \"ip\": \"" + units[i].ip + "\"";
    if (!units[i].extra.empty()) json += ", " + units[i].extra;
    json += "}";
  }
  return json + "\n]}\n";
}

const Unit kUnitA{"0A:1B:2C:3D:4E:5F", "10.77.0.11", ""};
const Unit kUnitB{"02:00:00:00:00:FE", "10.77.0.25", ""};
const char* const kMacA = "0A:1B:2C:3D:4E:5F\r\n";
const char* const kIpA = "010.077.000.011\r\n";
const char* const kMacB = "02:00:00:00:00:FE\r\n";
const char* const kIpB = "010.077.000.025\r\n";

Unit WithFault(Unit unit, const std::string& faults) {
  unit.extra = "\"faults\": {" + faults + "}";
  return unit;
}

Unit WithMember(Unit unit, const std::string& member) {
  unit.extra = member;
  return unit;
}

// Runs wallsim with `units`, then HALVEX in `folder`; returns HALVEX's run and
// leaves wallsim's log in `log`.
e2e::HandoffRun RunAgainst(const std::vector<Unit>& units, const fs::path& folder,
                           std::string& log) {
  const e2e::TempFolder sim("wallsim");
  e2e::WriteFileBytes(sim.path() / "units.json", UnitFileJson(units));
  e2e::Wallsim wallsim(WALLSIM_EXE, {"--config", (sim.path() / "units.json").string()},
                       sim.path() / "wallsim.log");
  e2e::HandoffRun run = e2e::RunHalvexIn(HALVEX_EXE, folder, kHangGuard);
  log = wallsim.Log();
  return run;
}

void ExpectEndedNormally(const e2e::HandoffRun& run) {
  ASSERT_TRUE(run.outcome.finished) << "HALVEX still running after the hang guard";
  EXPECT_TRUE(run.outcome.exited) << "ended by signal " << run.outcome.signal
                                  << "; stderr:\n" << run.stderr_text;
  EXPECT_EQ(run.outcome.exit_code, 0) << "stderr:\n" << run.stderr_text;
  EXPECT_GE(run.outcome.elapsed, kSearchWindow);
}

struct HandoffCase {
  const char* name;
  std::vector<Unit> units;
  const char* folder;     // HALVEX's folder inside a fresh temporary folder
  bool stale_files;       // MAC.txt and IP.txt of an earlier, longer run lie there
  std::string mac_txt;    // expected bytes
  std::string ip_txt;
};

void PrintTo(const HandoffCase& c, std::ostream* os) { *os << c.name; }

class HandoffFiles : public testing::TestWithParam<HandoffCase> {};

TEST_P(HandoffFiles, HoldExactlyTheUnitsThatAnsweredInTime) {
  const HandoffCase& c = GetParam();
  const e2e::TempFolder root(c.name);
  const fs::path folder = root.path() / c.folder;
  fs::create_directories(folder);
  if (c.stale_files) {
    e2e::WriteFileBytes(folder / "MAC.txt", std::string(200, 'M') + "\r\n");
    e2e::WriteFileBytes(folder / "IP.txt", std::string(200, 'I') + "\r\n");
  }

  std::string log;
  const e2e::HandoffRun run = RunAgainst(c.units, folder, log);

  ExpectEndedNormally(run);
  ASSERT_TRUE(run.mac_txt.has_value()) << "no MAC.txt beside the executable";
  ASSERT_TRUE(run.ip_txt.has_value()) << "no IP.txt beside the executable";
  EXPECT_EQ(*run.mac_txt, c.mac_txt) << "MAC.txt";
  EXPECT_EQ(*run.ip_txt, c.ip_txt) << "IP.txt";
  EXPECT_EQ(e2e::CountLines(*run.mac_txt), e2e::CountLines(*run.ip_txt));
}

// Unit A answers 300 ms after B, so arrival order differs from the unit file's order.
const Unit kSlowA = WithFault(kUnitA, "\"reply_delay_ms\": 300");

INSTANTIATE_TEST_SUITE_P(
    AgainstWallsim, HandoffFiles,
    testing::Values(
        HandoffCase{"TwoUnitsInArrivalOrder", {kSlowA, kUnitB}, "HALVEX", false,
                    std::string(kMacB) + kMacA, std::string(kIpB) + kIpA},
        HandoffCase{"FolderWithSpaces", {kSlowA, kUnitB}, "Program Files/Wall Tools", true,
                    std::string(kMacB) + kMacA, std::string(kIpB) + kIpA},
        HandoffCase{"UnitAnsweringTwiceListedOnce",
                    {WithFault(kUnitA, "\"answer_twice\": true")}, "HALVEX", true, kMacA, kIpA},
        HandoffCase{"LateReplyLeftOut",
                    {WithFault(kUnitA, "\"reply_delay_ms\": 1500"), kUnitB}, "HALVEX", true,
                    kMacB, kIpB},
        HandoffCase{"OtherProductLeftOut",
                    {WithMember(kUnitA, "\"product_name\": \"MOSAICORE2\""), kUnitB}, "HALVEX",
                    true, kMacB, kIpB},
        HandoffCase{"BadCrcLeftOut", {WithFault(kUnitA, "\"bad_crc\": true"), kUnitB},
                    "HALVEX", true, kMacB, kIpB},
        HandoffCase{"TruncatedReplyLeftOut", {WithFault(kUnitA, "\"truncated\": true"), kUnitB},
                    "HALVEX", true, kMacB, kIpB},
        HandoffCase{"NoAnswerEmptiesStaleFiles", {WithFault(kUnitA, "\"udp_silent\": true")},
                    "HALVEX", true, "", ""}),
    [](const testing::TestParamInfo<HandoffCase>& info) { return info.param.name; });

TEST(HandoffQuery, ArrivesOnTheWireByBothPaths) {
  const e2e::TempFolder root("query");
  std::string log;
  const e2e::HandoffRun run = RunAgainst({kUnitA}, root.path(), log);
  ExpectEndedNormally(run);

  // One "udp-rx" line per received query datagram; broadcast and multicast give two.
  std::size_t queries = 0;
  for (std::size_t at = 0; (at = log.find(" -1 udp-rx 01 00 FF FF\n", at)) != std::string::npos;
       ++at) {
    ++queries;
  }
  EXPECT_GE(queries, 2u) << "wallsim log:\n" << log;
}

// A hand-off file that cannot be written (a folder stands in its place; the
// tests run as root, so permissions would not stop the write) must not keep
// the program from ending; the other file is still written.
struct BlockedCase {
  const char* name;
  const char* blocked;  // the file replaced by a folder
  const char* written;  // the other file
  const char* expected;
};

void PrintTo(const BlockedCase& c, std::ostream* os) { *os << c.name; }

class UnwritableHandoff : public testing::TestWithParam<BlockedCase> {};

TEST_P(UnwritableHandoff, EndsPromptlyWithAMessage) {
  const BlockedCase& c = GetParam();
  const e2e::TempFolder root(c.name);
  fs::create_directory(root.path() / c.blocked);

  std::string log;
  const e2e::HandoffRun run = RunAgainst({kUnitA}, root.path(), log);

  ASSERT_TRUE(run.outcome.finished) << "HALVEX hangs when " << c.blocked << " cannot be written";
  EXPECT_TRUE(run.outcome.exited) << "ended by signal " << run.outcome.signal;
  EXPECT_NE(run.stderr_text.find(c.blocked), std::string::npos)
      << "stderr does not name " << c.blocked << ":\n" << run.stderr_text;
  EXPECT_TRUE(fs::is_directory(root.path() / c.blocked));
  const fs::path written = root.path() / c.written;
  ASSERT_TRUE(fs::is_regular_file(written)) << c.written << " was not written";
  EXPECT_EQ(e2e::ReadFileBytes(written), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AgainstWallsim, UnwritableHandoff,
    testing::Values(BlockedCase{"MacTxtIsAFolder", "MAC.txt", "IP.txt", kIpA},
                    BlockedCase{"IpTxtIsAFolder", "IP.txt", "MAC.txt", kMacA}),
    [](const testing::TestParamInfo<BlockedCase>& info) { return info.param.name; });

}  // namespace
