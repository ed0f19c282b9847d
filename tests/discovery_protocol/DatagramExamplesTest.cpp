// The documented byte sequences of the discovery datagrams, and what the example reply yields.
#include <gtest/gtest.h>

#include <functional>

#include "Crc16.h"
#include "ParseReply.h"
#include "TestSupport.h"

namespace halvex {
namespace {

const char* const kReplyExample =
    "02 20 0D 09 4D 4F 53 41 49 43 4F 52 45 02 06 00 11 22 33 44 55 03 04 C0 A8 01 0A "
    "07 01 00 08 02 50 00 DB BF";

Bytes CrcLowHigh(std::string_view text) {
  const uint16_t crc = Crc16(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return {static_cast<uint8_t>(crc & 0xFF), static_cast<uint8_t>(crc >> 8)};
}

Bytes ExampleReplyBuilt() {
  Bytes payload;
  AppendItem(payload, TAG_PRODUCT_NAME, TextValue("MOSAICORE"));
  AppendItem(payload, TAG_MAC, Bytes(kExampleMac.begin(), kExampleMac.end()));
  AppendItem(payload, TAG_IP, {192, 168, 1, 10});
  AppendItem(payload, TAG_IP_MODE, {0});
  AppendItem(payload, TAG_WEB_PORT, {0x50, 0x00});
  return BuildFrame(OP_REPLY, payload);
}

Bytes ExampleSettingsWrite() {
  PanelValues panel = PanelShowing(ExampleUnit());
  panel.ip = "192.168.1.20";
  panel.webPort = "8080";
  const SettingsWrite write = BuildSettingsWrite(ExampleUnit(), panel);
  EXPECT_TRUE(write.ok) << write.error;
  return write.datagram;
}

struct ByteExample {
  const char* name;
  std::function<Bytes()> produce;
  const char* expected;
};

TEST(DatagramExamples, ProduceTheDocumentedBytes) {
  const ByteExample examples[] = {
      {"query", BuildQuery, "01 00 FF FF"},
      {"reboot", [] { return BuildReboot(kExampleMac); }, "04 08 02 06 00 11 22 33 44 55 EB 6B"},
      {"settings write: IP 192.168.1.20, web port 8080", ExampleSettingsWrite,
       "03 12 02 06 00 11 22 33 44 55 03 04 C0 A8 01 14 08 02 90 1F 32 18"},
      {"reply of the example unit", ExampleReplyBuilt, kReplyExample},
      {"CRC of \"123456789\" (0x6F91), low byte first", [] { return CrcLowHigh("123456789"); },
       "91 6F"},
      {"CRC of nothing (0xFFFF)", [] { return CrcLowHigh(""); }, "FF FF"},
  };
  for (const ByteExample& example : examples) {
    EXPECT_EQ(ToHex(example.produce()), ToHex(Hex(example.expected))) << example.name;
  }
}

TEST(DatagramExamples, ReplyExampleYieldsTheUnit) {
  const Bytes reply = Hex(kReplyExample);
  ASSERT_EQ(reply.size(), 36u);
  Discovery record;
  ASSERT_TRUE(ParseReply(reply.data(), reply.size(), record, nullptr));

  Discovery expected;
  expected.ProductName = "MOSAICORE";
  expected.MACText = "00:11:22:33:44:55";
  expected.MAC = kExampleMac;
  expected.IPAddress = "192.168.001.010";
  expected.IPMode = 0;
  expected.WebPort = 80;
  EXPECT_EQ(record, expected);
}

TEST(Frame, RefusesWhatCannotBeFramed) {
  Bytes payload;
  EXPECT_THROW(AppendItem(payload, TAG_DESCRIPTION, Bytes(256, 'x')), std::length_error);
  EXPECT_NO_THROW(AppendItem(payload, TAG_DESCRIPTION, Bytes(253, 'x')));
  EXPECT_EQ(BuildFrame(OP_SET, payload).size(), 259u);
  payload.push_back(0);
  EXPECT_THROW(BuildFrame(OP_SET, payload), std::length_error);
}

}  // namespace
}  // namespace halvex
