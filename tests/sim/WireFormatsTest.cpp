// What a simulated unit reads from and puts on the wire: command lines,
// typed values, discovery frames, fault bytes and log texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Discovery.h"
#include "DiscoveryFrames.h"
#include "EventLog.h"
#include "FaultModes.h"
#include "LineReader.h"
#include "ParseReply.h"
#include "TextValues.h"
#include "UnitSetup.h"

namespace wallsim {
namespace {

using Lines = std::vector<std::string>;

Lines Feed(LineReader& reader, const std::string& bytes) {
  return reader.feed(bytes.data(), bytes.size());
}

TEST(LineReader, EveryLineEndEndsOneLine) {
  LineReader reader;
  EXPECT_EQ(Feed(reader, "RPOW\r\nRMDN\rRVER\nRBEZ"), (Lines{"RPOW", "RMDN", "RVER"}));
  EXPECT_EQ(Feed(reader, "\r"), Lines{"RBEZ"});
  // The LF of a CR LF split over two reads ends nothing more; blank lines are left out.
  EXPECT_EQ(Feed(reader, "\nRRES\r\n\r\n\n"), Lines{"RRES"});
}

TEST(LineReader, TelnetNegotiationIsTakenOut) {
  LineReader reader;
  const std::string bytes =
      "\xFF\xFD\x01R\xFF\xFB\x03POW\r\n"          // DO / WILL with their option bytes
      "\xFF\xFA\x18\x01\x0D\x0A\xFF\xF0RMDN\r\n"  // a subnegotiation, CR LF inside it
      "RV\xFF\xFF"
      "ER\xFF\xF1\r\n";  // IAC IAC and a two-byte command
  EXPECT_EQ(Feed(reader, bytes), (Lines{"RPOW", "RMDN", "RVER"}));
  // A sequence cut between two reads.
  EXPECT_EQ(Feed(reader, "RB\xFF"), Lines{});
  EXPECT_EQ(Feed(reader, "\xFB"), Lines{});
  EXPECT_EQ(Feed(reader,
                 "\x01"
                 "EZ\r\n"),
            Lines{"RBEZ"});
}

TEST(LineReader, AnOverlongLineIsDroppedAndTheNextOneRead) {
  LineReader reader;
  const std::string huge(3 * LineReader::kMaxLine, 'A');
  EXPECT_EQ(Feed(reader, huge), Lines{});
  EXPECT_EQ(Feed(reader, huge + "\r\nRPOW\r\n"), Lines{"RPOW"});
  EXPECT_EQ(reader.takeDropped(), 1u);
  EXPECT_EQ(reader.takeDropped(), 0u);
  const std::string longest(LineReader::kMaxLine, 'B');
  EXPECT_EQ(Feed(reader, longest + "\n"), Lines{longest});
}

TEST(TextValues, TypedNumbers) {
  struct Case {
    const char* text;
    std::optional<int> value;
  } cases[] = {{"7", 7},
               {"050", 50},
               {"20.5", 20},
               {"21.5", 22},
               {"0.49", 0},
               {"999", 999},
               {"999.4", 999},
               {"999.5", std::nullopt},
               {"", std::nullopt},
               {".", std::nullopt},
               {"-1", std::nullopt},
               {"+1", std::nullopt},
               {"1e2", std::nullopt},
               {"1.2.3", std::nullopt},
               {" 5", std::nullopt},
               {"12345678901234567890", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseTypedNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextValues, DottedAddresses) {
  EXPECT_EQ(ParseDottedAddress("192.168.001.010"), (Ipv4{192, 168, 1, 10}));
  EXPECT_EQ(ParseDottedAddress("0.0.0.0"), (Ipv4{0, 0, 0, 0}));
  for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", "1.2.3.", "0001.2.3.4",
                          "1.2.3.x", " 1.2.3.4"}) {
    EXPECT_FALSE(ParseDottedAddress(bad)) << '"' << bad << '"';
  }
}

TEST(DefaultUnits, AddressesCarryOnPastTheFirstSubnet) {
  struct Case {
    int index;
    Ipv4 ip;
    uint8_t macLast;
    const char* serial;
  } cases[] = {{0, {10, 77, 0, 11}, 0x01, "SN0001"},
               {243, {10, 77, 0, 254}, 0xF4, "SN0244"},
               {244, {10, 77, 1, 1}, 0xF5, "SN0245"},
               {254, {10, 77, 1, 11}, 0xFF, "SN0255"}};
  for (const Case& c : cases) {
    const UnitSetup unit = DefaultUnit(c.index);
    EXPECT_EQ(unit.net.ip, c.ip) << c.index;
    EXPECT_EQ(unit.identity.mac, (Mac{0x02, 0, 0, 0, 0, c.macLast})) << c.index;
    EXPECT_EQ(unit.identity.serial, c.serial);
    EXPECT_EQ(unit.identity.description, "Unit " + std::to_string(c.index + 1));
  }
}

halvex::Discovery Parse(const Bytes& datagram, bool& accepted) {
  halvex::Discovery record;
  halvex::ClearRecord(record);
  accepted = halvex::ParseReply(datagram.data(), datagram.size(), record,
                                [](const halvex::MacBytes&) { return true; });
  return record;
}

TEST(DiscoveryFrames, ReplyCarriesEveryItem) {
  const UnitSetup unit = DefaultUnit(0);
  bool accepted = false;
  const halvex::Discovery r = Parse(BuildUnitReply(unit.identity, unit.net), accepted);
  ASSERT_TRUE(accepted);
  EXPECT_EQ(r.ProductName, "MOSAICORE");
  EXPECT_EQ(r.MACText, "02:00:00:00:00:01");
  EXPECT_EQ(r.IPAddress, "010.077.000.011");
  EXPECT_EQ(r.SubnetMask, "255.255.255.0");
  EXPECT_EQ(r.Gateway, "10.77.0.1");
  EXPECT_EQ(r.DNS, "10.77.0.1");
  EXPECT_EQ(r.IPMode, 0);
  EXPECT_EQ(r.WebPort, 80);
  EXPECT_EQ(r.TelnetPort, 23);
  EXPECT_EQ(r.SerialNo, "SN0001");
  EXPECT_EQ(r.FirmwareVersion, "2.05");
  EXPECT_EQ(r.HardwareVersion, "1.0");
  EXPECT_EQ(r.Description, "Unit 1");
  EXPECT_EQ(r.ProductID, "1234");
}

TEST(DiscoveryFrames, FaultyRepliesAreRejected) {
  const UnitSetup unit = DefaultUnit(3);
  const Bytes reply = BuildUnitReply(unit.identity, unit.net);
  bool accepted = true;
  Parse(WithBadCrc(reply), accepted);
  EXPECT_FALSE(accepted);
  Parse(Truncated(reply), accepted);
  EXPECT_FALSE(accepted);
  EXPECT_FALSE(ReadFrame(WithBadCrc(reply).data(), reply.size()));
}

TEST(DiscoveryFrames, SettingsWriteChangesOnlyWhatItCarries) {
  // MAC 00:11:22:33:44:55, IP 192.168.1.20, web port 8080.
  const Bytes write = {0x03, 0x12, 0x02, 0x06, 0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x03,
                       0x04, 0xC0, 0xA8, 0x01, 0x14, 0x08, 0x02, 0x90, 0x1F, 0x32, 0x18};
  const auto frame = ReadFrame(write.data(), write.size());
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->op, 3);
  EXPECT_EQ(TargetMac(*frame), (Mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
  const NetSettings before = DefaultUnit(0).net;
  NetSettings expected = before;
  expected.ip = {192, 168, 1, 20};
  expected.webPort = 8080;
  EXPECT_EQ(ApplySettings(before, *frame), expected);
}

TEST(DiscoveryFrames, ReadFrameChecks) {
  const Bytes reboot = {0x04, 0x08, 0x02, 0x06, 0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0xEB, 0x6B};
  const auto frame = ReadFrame(reboot.data(), reboot.size());
  ASSERT_TRUE(frame);
  EXPECT_EQ(TargetMac(*frame), (Mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));

  const Bytes query = {0x01, 0x00, 0xFF, 0xFF};
  ASSERT_TRUE(ReadFrame(query.data(), query.size()));
  EXPECT_FALSE(TargetMac(*ReadFrame(query.data(), query.size())));
  const Bytes swapped = {0x04, 0x08, 0x02, 0x06, 0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x6B, 0xEB};
  EXPECT_FALSE(ReadFrame(swapped.data(), swapped.size()));
  EXPECT_FALSE(ReadFrame(reboot.data(), reboot.size() - 1));
  EXPECT_FALSE(ReadFrame(query.data(), 3));
  // An item whose length runs past the payload, with a right CRC over it.
  const Bytes overrun = halvex::BuildFrame(3, {0x02, 0x09, 0x00, 0x11});
  EXPECT_FALSE(ReadFrame(overrun.data(), overrun.size()));
}

TEST(FaultModes, JunkNeverLooksLikeAReply) {
  std::mt19937 random(7);
  const std::string flood = FloodText(1000, random);
  EXPECT_EQ(flood.size(), 1000u);
  EXPECT_EQ(flood.substr(998), "\r\n");
  for (int i = 0; i < 50; ++i) {
    const std::string line = JunkLine(random);
    EXPECT_GE(line.size(), 8u);
    EXPECT_LE(line.size(), 24u);
    for (char c : line) EXPECT_FALSE((c >= 'A' && c <= 'Z') || c == '\r' || c == '\n') << line;
  }
  for (char c : flood) EXPECT_FALSE(c >= 'A' && c <= 'Z');
}

TEST(EventLog, HexIsUpperCaseAndSpaced) {
  const uint8_t bytes[] = {0x01, 0x00, 0xFF, 0xAB};
  EXPECT_EQ(EventLog::Hex(bytes, 4), "01 00 FF AB");
  EXPECT_EQ(EventLog::Hex(bytes, 0), "");
}

}  // namespace
}  // namespace wallsim
