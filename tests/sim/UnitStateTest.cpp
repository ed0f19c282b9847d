// The command answers and state changes of one simulated unit, without sockets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UnitState.h"

namespace wallsim {
namespace {

using Lines = std::vector<std::string>;

NetSettings Network() {
  NetSettings net;
  net.ip = {192, 168, 1, 10};
  net.mask = {255, 255, 255, 0};
  net.gateway = {192, 168, 1, 1};
  return net;
}

// Sends `setup` (answers ignored), then returns the answers to `line`.
Lines AnswersAfter(UnitState& unit, const Lines& setup, const std::string& line) {
  for (const std::string& command : setup) unit.answer(command);
  return unit.answer(line);
}

struct Row {
  Lines setup;
  std::string command;
  Lines expected;
};

void PrintTo(const Row& row, std::ostream* os) { *os << '"' << row.command << '"'; }

class CommandTable : public testing::TestWithParam<Row> {};

TEST_P(CommandTable, AnswersWithTheExactLayout) {
  UnitState unit(WallState{}, Network());
  const Row& row = GetParam();
  EXPECT_EQ(AnswersAfter(unit, row.setup, row.command), row.expected);
}

// Every command on a unit with factory settings.
INSTANTIATE_TEST_SUITE_P(
    EveryCommand, CommandTable,
    testing::Values(
        Row{{}, "RPOW", {"POWE001"}}, Row{{}, "SPOW 0", {"POWE000"}},
        Row{{}, "SPOW 1", {"POWE001"}}, Row{{}, "RMDN", {"MODN000"}}, Row{{}, "SMDN 2", {}},
        Row{{}, "RVER", {"VERS205"}}, Row{{}, "SDEF", {"DEFA"}}, Row{{}, "RIPM", {"IPMD000"}},
        Row{{}, "SIPM 1", {"IPMD001"}}, Row{{}, "SIPM 0", {"IPMD000"}},
        Row{{},
            "RLINK",
            {"IP00192    168    001    010    255    255    255    000    192    168    001    "
             "001"}},
        Row{{}, "SIPA 192.168.1.20", {"IPA0"}}, Row{{}, "SMAA 255.255.0.0", {"MAA0"}},
        Row{{}, "SGAA 192.168.1.254", {"GAA0"}}, Row{{}, "SREL", {"RELI"}},
        Row{{}, "SHOT 5", {"HOTK"}}, Row{{}, "SMN 4 3 ", {"MNC"}}, Row{{}, "SWDE", {"WDEF"}},
        Row{{}, "SBEZ 1", {}}, Row{{}, "RBEZ", {"BEZE000"}}, Row{{}, "SBH 12", {"BHV012"}},
        Row{{}, "SBV 7", {"BVV007"}}, Row{{}, "RBH ", {"BHV010"}}, Row{{}, "RBV ", {"BVV010"}},
        Row{{}, "SFAVE 1", {}}, Row{{}, "RFAVE 3", {"RFAV003"}}, Row{{}, "SRES 4", {}},
        Row{{}, "RRES", {"RESO020"}}, Row{{}, "SOSDD 1", {}}, Row{{}, "SOSDH 3", {}},
        Row{{}, "SOSDV 4", {}}, Row{{}, "SOSDT 30", {}}, Row{{}, "SOSDG 7", {}},
        Row{{}, "ROSDD", {"OSDD000"}}, Row{{}, "ROSDT", {"OSDT010"}}, Row{{}, "ROSDH", {"OSDH005"}},
        Row{{}, "ROSDV", {"OSDV005"}}, Row{{}, "ROSDG", {"OSDG002"}}, Row{{}, "SMUTE 1", {}},
        Row{{}, "RMUTE", {"MUTE000"}}, Row{{}, "SOSDI", {"OSDI"}}, Row{{}, "SOSDR", {"OSDR"}},
        Row{{}, "SBRI 1 75", {}}, Row{{}, "SCON 2 75", {}}, Row{{}, "SSAT 3 75", {}},
        Row{{}, "SHUE 4 75", {}}, Row{{}, "RBRI 1", {"OUTPUT1BRIV050"}},
        Row{{}, "RCON 2", {"OUTPUT2CONV050"}}, Row{{}, "RSAT 3", {"OUTPUT3SATV050"}},
        Row{{}, "RHUE 4", {"OUTPUT4HUEV050"}}, Row{{}, "SIMRE 2", {"IMRE"}}, Row{{}, "SPIRE", {}}));

// A setting followed by the read-back that shows it, and values that are
// typed with fractions, leading zeros or not at all readable.
INSTANTIATE_TEST_SUITE_P(
    SettingThenReadBack, CommandTable,
    testing::Values(Row{{"SPOW 0"}, "RPOW", {"POWE000"}}, Row{{"SMDN 2"}, "RMDN", {"MODN002"}},
                    Row{{"SBEZ 1"}, "RBEZ", {"BEZE001"}}, Row{{"SBH 12"}, "RBH ", {"BHV012"}},
                    Row{{"SBV 255"}, "RBV ", {"BVV255"}}, Row{{"SRES 4"}, "RRES", {"RESO004"}},
                    Row{{"SOSDD 1"}, "ROSDD", {"OSDD001"}}, Row{{"SOSDT 30"}, "ROSDT", {"OSDT030"}},
                    Row{{"SOSDH 3"}, "ROSDH", {"OSDH003"}}, Row{{"SOSDV 4"}, "ROSDV", {"OSDV004"}},
                    Row{{"SOSDG 7"}, "ROSDG", {"OSDG007"}}, Row{{"SMUTE 1"}, "RMUTE", {"MUTE001"}},
                    Row{{"SBRI 2 75"}, "RBRI 2", {"OUTPUT2BRIV075"}},
                    Row{{"SBRI 2 75"}, "RBRI 1", {"OUTPUT1BRIV050"}},
                    Row{{"SCON 3 0"}, "RCON 3", {"OUTPUT3CONV000"}},
                    Row{{"SSAT 1 100"}, "RSAT 1", {"OUTPUT1SATV100"}},
                    Row{{"SHUE 4 9"}, "RHUE 4", {"OUTPUT4HUEV009"}},
                    // typed values: rounded, a half to the even neighbour
                    Row{{"SBRI 1 20.5"}, "RBRI 1", {"OUTPUT1BRIV020"}},
                    Row{{"SBRI 1 21.5"}, "RBRI 1", {"OUTPUT1BRIV022"}},
                    Row{{"SBRI 1 050"}, "RBRI 1", {"OUTPUT1BRIV050"}},
                    Row{{"SOSDT 12.7"}, "ROSDT", {"OSDT013"}}, Row{{}, "SBH 020.4", {"BHV020"}},
                    // unreadable arguments change nothing; the usual answer still comes
                    Row{{"SBRI 1 abc"}, "RBRI 1", {"OUTPUT1BRIV050"}},
                    Row{{"SBRI 5 10"}, "RBRI 1", {"OUTPUT1BRIV050"}}, Row{{}, "SBH -5", {"BHV010"}},
                    Row{{}, "SPOW 2", {"POWE001"}}, Row{{}, "SPOW", {"POWE001"}},
                    Row{{"SOSDT 1e3"}, "ROSDT", {"OSDT010"}}, Row{{}, "SMN 4", {"MNC"}},
                    Row{{}, "SIPA 300.1.1.1", {"IPA0"}}, Row{{}, "RFAVE x", {"RFAV000"}},
                    // resets
                    Row{{"SBRI 1 10", "SCON 1 10", "SIMRE 2"}, "RCON 1", {"OUTPUT1CONV050"}},
                    Row{{"SBRI 1 10", "SCON 1 10", "SIMRE 2"}, "RBRI 1", {"OUTPUT1BRIV010"}},
                    Row{{"SBRI 1 10", "SHUE 4 90", "SPIRE"}, "RHUE 4", {"OUTPUT4HUEV050"}},
                    Row{{"SOSDT 30", "SOSDD 1", "SOSDR"}, "ROSDT", {"OSDT005"}},
                    Row{{"SOSDT 30", "SOSDD 1", "SOSDR"}, "ROSDD", {"OSDD000"}},
                    Row{{"SBH 20", "SWDE"}, "RBH ", {"BHV010"}},
                    Row{{"SPOW 0", "SMDN 3", "SDEF"}, "RMDN", {"MODN000"}},
                    // the address type read back is the one in use until "SREL"
                    Row{{"SIPM 1"}, "RIPM", {"IPMD000"}},
                    Row{{"SIPM 1", "SREL"}, "RIPM", {"IPMD001"}}));

// Lines that are no command of the unit get no answer at all.
INSTANTIATE_TEST_SUITE_P(NoAnswer, CommandTable,
                         testing::Values(Row{{}, "", {}}, Row{{}, "XYZ", {}}, Row{{}, "rpow", {}},
                                         Row{{}, " RPOW", {}}, Row{{}, "RPOWER", {}},
                                         Row{{}, "\xff\xfd\x01", {}}, Row{{}, "q8#k;~z@", {}},
                                         Row{{}, "RBRI", {}}, Row{{}, "RBRI 9", {}},
                                         Row{{}, "RBRI x", {}}));

TEST(UnitState, FavouritesStoreAndRecallTheWallSetup) {
  UnitState unit(WallState{}, Network());
  AnswersAfter(unit, {"SMN 4 3 ", "SHOT 7", "SBEZ 1", "SBH 20", "SBV 30", "SFAVE 2"}, "SWDE");
  AnswersAfter(unit, {"SBEZ 0", "SHOT 1"}, "SFAVE 9");  // a favourite that does not exist
  EXPECT_EQ(unit.wall().rows, 1);

  EXPECT_EQ(unit.answer("RFAVE 2"), Lines{"RFAV002"});
  const Favourite expected{4, 3, 7, 1, 20, 30};
  const WallState& w = unit.wall();
  EXPECT_EQ((Favourite{w.rows, w.cols, w.preset, w.bezel, w.bezelH, w.bezelV}), expected);
  EXPECT_EQ(unit.answer("RBH "), Lines{"BHV020"});

  EXPECT_EQ(unit.answer("RFAVE 3"), Lines{"RFAV003"});  // never stored: factory setup
  EXPECT_EQ(unit.wall().rows, 1);
  EXPECT_EQ(unit.wall().bezelH, 10);

  EXPECT_EQ(unit.answer("RFAVE 6"), Lines{"RFAV006"});  // no such favourite: nothing changes
  EXPECT_EQ(unit.wall().rows, 1);
}

TEST(UnitState, WallSizeAndPresetAreStored) {
  UnitState unit(WallState{}, Network());
  AnswersAfter(unit, {"SMN 4 3 ", "SHOT 23"}, "SBH 40");
  EXPECT_EQ(unit.wall().rows, 4);
  EXPECT_EQ(unit.wall().cols, 3);
  EXPECT_EQ(unit.wall().preset, 23);
  unit.answer("SWDE");
  EXPECT_EQ(unit.wall().rows, 1);
  EXPECT_EQ(unit.wall().cols, 1);
  EXPECT_EQ(unit.wall().bezelH, 10);
  EXPECT_EQ(unit.wall().preset, 23);
}

TEST(UnitState, FactoryResetRestoresEverythingButFirmwareAndNetwork) {
  WallState initial;
  initial.fw = "310";
  UnitState unit(initial, Network());
  AnswersAfter(unit,
               {"SPOW 0", "SMDN 4", "SMN 2 2", "SFAVE 1", "SBRI 3 1", "SOSDG 9", "SMUTE 1",
                "SIPA 10.0.0.9", "SREL"},
               "SRES 3");
  EXPECT_EQ(unit.answer("SDEF"), Lines{"DEFA"});
  WallState expected;
  expected.fw = "310";
  EXPECT_EQ(unit.wall(), expected);
  EXPECT_EQ(unit.net().ip, (Ipv4{10, 0, 0, 9}));
}

TEST(UnitState, NetworkSettingsWaitForRelink) {
  UnitState unit(WallState{}, Network());
  const std::string before = unit.answer("RLINK").at(0);
  AnswersAfter(unit, {"SIPM 0", "SIPA 192.168.001.020", "SMAA 255.255.000.000"},
               "SGAA 192.168.1.254");
  EXPECT_EQ(unit.answer("RLINK").at(0), before);
  EXPECT_EQ(unit.net(), Network());
  EXPECT_FALSE(unit.takeRelink());

  EXPECT_EQ(unit.answer("SREL"), Lines{"RELI"});
  EXPECT_TRUE(unit.takeRelink());
  EXPECT_FALSE(unit.takeRelink());
  EXPECT_EQ(
      unit.answer("RLINK"),
      Lines{
          "IP00192    168    001    020    255    255    000    000    192    168    001    254"});
}

TEST(UnitState, DiscoverySettingsWriteReplacesPendingSettings) {
  UnitState unit(WallState{}, Network());
  unit.answer("SIPA 10.0.0.5");
  NetSettings written = Network();
  written.ip = {192, 168, 1, 77};
  written.webPort = 8080;
  unit.setNet(written);
  EXPECT_EQ(unit.net(), written);
  unit.answer("SREL");
  EXPECT_EQ(unit.net(), written);  // the earlier "SIPA" is gone
}

TEST(UnitState, RlinkFieldsSitAtFixedPositions) {
  UnitState unit(WallState{}, Network());
  const std::string reply = unit.answer("RLINK").at(0);
  ASSERT_EQ(reply.size(), 84u);
  const char* fields[] = {"192", "168", "001", "010", "255", "255",
                          "255", "000", "192", "168", "001", "001"};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(reply.substr(4 + 7 * i, 3), fields[i]) << "field at position " << 5 + 7 * i;
  }
}

TEST(UnitState, OutOfRangeFaultSpoilsOnlyReadValues) {
  UnitState unit(WallState{}, Network(), /*outOfRange=*/true);
  EXPECT_EQ(unit.answer("RMDN"), Lines{"MODN999"});
  EXPECT_EQ(unit.answer("RRES"), Lines{"RESO999"});
  EXPECT_EQ(unit.answer("RBH "), Lines{"BHV999"});
  EXPECT_EQ(unit.answer("RIPM"), Lines{"IPMD999"});
  EXPECT_EQ(unit.answer("RBRI 2"), Lines{"OUTPUT2BRIV999"});
  EXPECT_EQ(unit.answer("RFAVE 1"), Lines{"RFAV999"});
  EXPECT_EQ(unit.answer("RVER"), Lines{"VERS205"});
  EXPECT_EQ(unit.answer("SBH 12"), Lines{"BHV012"});
  EXPECT_EQ(unit.wall().bezelH, 12);
}

}  // namespace
}  // namespace wallsim
