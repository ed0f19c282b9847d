// The settings write built from the panel, the reboot, and the web interface address.
#include <gtest/gtest.h>

#include <functional>

#include "SettingsWrite.h"
#include "TestSupport.h"

namespace halvex {
namespace {

const char* const kMacItem = "02 06 00 11 22 33 44 55";

using EditRecord = std::function<void(Discovery&)>;
using EditPanel = std::function<void(PanelValues&)>;

const EditRecord kAsExample = [](Discovery&) {};
const EditRecord kDhcpUnit = [](Discovery& d) {
  d.IPMode = 1;
  d.IPAddress = d.SubnetMask = d.Gateway = "0.0.0.0";
};

TEST(SettingsWrite, SaveWithNothingChangedSendsOnlyTheMac) {
  const Discovery unit = ExampleUnit();
  const SettingsWrite write = BuildSettingsWrite(unit, PanelShowing(unit));
  ASSERT_TRUE(write.ok) << write.error;
  EXPECT_EQ(ToHex(write.datagram), "03 08 02 06 00 11 22 33 44 55 EB 6B");
  EXPECT_EQ(write.updated, unit);
}

struct Save {
  const char* name;
  EditRecord stored;
  EditPanel edit;
  const char* itemsAfterMac;
  EditRecord expectStored;
};

TEST(SettingsWrite, SendsWhatChangedInTheFixedOrder) {
  const Save cases[] = {
      {"static to DHCP: mode only, stored addresses become 0.0.0.0", kAsExample,
       [](PanelValues& p) { p.ipModeIndex = 1; }, "07 01 01", kDhcpUnit},
      {"DHCP: IP, mask, gateway neither checked nor sent; DNS is", kDhcpUnit,
       [](PanelValues& p) {
         p.ip = "garbage";
         p.subnet = "";
         p.gateway = "1.2.3";
         p.dns = "1.1.1.1";
       },
       "06 04 01 01 01 01", [](Discovery& d) { d.DNS = "1.1.1.1"; }},
      {"texts compare exactly: typed 192.168.1.10 differs from 192.168.001.010", kAsExample,
       [](PanelValues& p) { p.ip = "192.168.1.10"; }, "03 04 C0 A8 01 0A",
       [](Discovery& d) { d.IPAddress = "192.168.1.10"; }},
      {"parts with leading zeros are decimal and the text is stored as typed", kAsExample,
       [](PanelValues& p) { p.ip = "010.000.000.020"; }, "03 04 0A 00 00 14",
       [](Discovery& d) { d.IPAddress = "010.000.000.020"; }},
      {"runs of points count as one separator", kAsExample,
       [](PanelValues& p) { p.subnet = "255..255.255.0."; }, "04 04 FF FF FF 00",
       [](Discovery& d) { d.SubnetMask = "255..255.255.0."; }},
      {"DHCP to static with everything changed", kDhcpUnit,
       [](PanelValues& p) {
         p.ipModeIndex = 0;
         p.ip = "10.0.0.2";
         p.subnet = "255.0.0.0";
         p.gateway = "10.0.0.1";
         p.dns = "10.0.0.53";
         p.webPort = "8081";
         p.telnetPort = "2323";
       },
       "07 01 00 03 04 0A 00 00 02 04 04 FF 00 00 00 05 04 0A 00 00 01 06 04 0A 00 00 35 "
       "08 02 91 1F 09 02 13 09",
       [](Discovery& d) {
         d.IPMode = 0;
         d.IPAddress = "10.0.0.2";
         d.SubnetMask = "255.0.0.0";
         d.Gateway = "10.0.0.1";
         d.DNS = "10.0.0.53";
         d.WebPort = 8081;
         d.TelnetPort = 2323;
       }},
      {"ports at both ends of the range", kAsExample,
       [](PanelValues& p) {
         p.webPort = "0";
         p.telnetPort = "65535";
       },
       "08 02 00 00 09 02 FF FF",
       [](Discovery& d) {
         d.WebPort = 0;
         d.TelnetPort = 65535;
       }},
      {"ports compare as numbers: 080 is the stored 80", kAsExample,
       [](PanelValues& p) { p.webPort = "080"; }, "", [](Discovery&) {}},
  };
  for (const Save& c : cases) {
    Discovery unit = ExampleUnit();
    c.stored(unit);
    PanelValues panel = PanelShowing(unit);
    c.edit(panel);

    const SettingsWrite write = BuildSettingsWrite(unit, panel);
    ASSERT_TRUE(write.ok) << c.name << ": " << write.error;
    const Bytes expected = BuildFrame(OP_SET, Hex(std::string(kMacItem) + c.itemsAfterMac));
    EXPECT_EQ(ToHex(write.datagram), ToHex(expected)) << c.name;
    Discovery expectedStored = unit;
    c.expectStored(expectedStored);
    EXPECT_EQ(write.updated, expectedStored) << c.name;
  }
}

struct Refusal {
  const char* name;
  EditRecord stored;
  EditPanel edit;
  const char* message;
};

TEST(SettingsWrite, RefusesTheWholeSaveOnABadValue) {
  const Refusal cases[] = {
      {"IP with three parts", kAsExample, [](PanelValues& p) { p.ip = "10.0.0"; },
       "IP Address '10.0.0' is not a valid address: four numbers 0 to 255 are needed."},
      {"IP octet 300", kAsExample, [](PanelValues& p) { p.ip = "10.0.0.300"; },
       "IP Address '10.0.0.300' is not a valid address: four numbers 0 to 255 are needed."},
      {"empty IP", kAsExample, [](PanelValues& p) { p.ip = ""; },
       "IP Address '' is not a valid address: four numbers 0 to 255 are needed."},
      {"subnet part not a number", kAsExample, [](PanelValues& p) { p.subnet = "255.255.x.0"; },
       "'x' is not a valid integer value"},
      {"negative gateway part", kAsExample, [](PanelValues& p) { p.gateway = "192.168.1.-1"; },
       "Gateway IP '192.168.1.-1' is not a valid address: four numbers 0 to 255 are needed."},
      {"DNS with five parts, even in DHCP mode", kDhcpUnit, [](PanelValues& p) { p.dns = "8.8.8.8.8"; },
       "DNS '8.8.8.8.8' is not a valid address: four numbers 0 to 255 are needed."},
      {"DNS part with a sign", kAsExample, [](PanelValues& p) { p.dns = "8.+8.8.8"; },
       "DNS '8.+8.8.8' is not a valid address: four numbers 0 to 255 are needed."},
      {"web port 70000", kAsExample, [](PanelValues& p) { p.webPort = "70000"; },
       "Web GUI Port '70000' is outside 0 to 65535."},
      {"negative telnet port", kAsExample, [](PanelValues& p) { p.telnetPort = "-1"; },
       "Telnet Port '-1' is outside 0 to 65535."},
      {"telnet port abc", kAsExample, [](PanelValues& p) { p.telnetPort = "abc"; },
       "'abc' is not a valid integer value"},
      {"empty web port", kAsExample, [](PanelValues& p) { p.webPort = ""; },
       "'' is not a valid integer value"},
      {"a good IP change before a bad port", kAsExample,
       [](PanelValues& p) {
         p.ip = "10.0.0.2";
         p.webPort = "99999";
       },
       "Web GUI Port '99999' is outside 0 to 65535."},
      {"a mode change before a bad port", kAsExample,
       [](PanelValues& p) {
         p.ipModeIndex = 1;
         p.telnetPort = "2x";
       },
       "'2x' is not a valid integer value"},
      {"the first bad field is named", kAsExample,
       [](PanelValues& p) {
         p.gateway = "1.2.3";
         p.webPort = "x";
       },
       "Gateway IP '1.2.3' is not a valid address: four numbers 0 to 255 are needed."},
      {"mode index outside the list", kAsExample, [](PanelValues& p) { p.ipModeIndex = 2; },
       "IP Mode '2' is neither Static nor DHCP."},
  };
  for (const Refusal& c : cases) {
    Discovery unit = ExampleUnit();
    c.stored(unit);
    PanelValues panel = PanelShowing(unit);
    c.edit(panel);

    const SettingsWrite write = BuildSettingsWrite(unit, panel);
    EXPECT_FALSE(write.ok) << c.name;
    EXPECT_EQ(write.error, c.message) << c.name;
    EXPECT_TRUE(write.datagram.empty()) << c.name;
    EXPECT_EQ(write.updated, unit) << c.name;
  }
}

TEST(WebGuiAddress, PlainOctetsAndPortOnlyWhenNot80) {
  const struct {
    const char* stored;
    int32_t port;
    const char* address;
  } cases[] = {
      {"192.168.001.010", 80, "Http://192.168.1.10/"},
      {"192.168.001.010", 8080, "Http://192.168.1.10:8080/"},
      {"192.168.001.010", 0, ""},
      {"010.000.000.001", 80, "Http://10.0.0.1/"},
      {"100.020.003.000", 443, "Http://100.20.3.0:443/"},
      {"192.168.1.20", 80, "Http://192.168.1.20/"},  // as typed in a settings write
  };
  for (const auto& c : cases) {
    Discovery unit;
    unit.IPAddress = c.stored;
    unit.WebPort = c.port;
    EXPECT_EQ(WebGuiAddress(unit), c.address) << c.stored << " port " << c.port;
  }
}

}  // namespace
}  // namespace halvex
