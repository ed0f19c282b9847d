// The reply check and item walk: what is accepted, what it yields, and what is dropped.
#include <gtest/gtest.h>

#include <vector>

#include "ParseReply.h"
#include "TestSupport.h"

namespace halvex {
namespace {

Bytes Item(uint8_t tag, const Bytes& value) {
  Bytes payload;
  AppendItem(payload, tag, value);
  return payload;
}

Bytes Join(std::initializer_list<Bytes> items) {
  Bytes payload;
  for (const Bytes& item : items) payload.insert(payload.end(), item.begin(), item.end());
  return payload;
}

const Bytes kName = Item(TAG_PRODUCT_NAME, TextValue("MOSAICORE"));
const Bytes kMac = Item(TAG_MAC, Bytes(kExampleMac.begin(), kExampleMac.end()));

bool Parse(const Bytes& datagram, Discovery& record, const IsNewMacFn& isNewMac = nullptr) {
  return ParseReply(datagram.data(), datagram.size(), record, isNewMac);
}

struct Accepted {
  const char* name;
  Bytes datagram;
  Discovery expected;
};

Discovery With(const std::function<void(Discovery&)>& fill) {
  Discovery d;
  fill(d);
  return d;
}

TEST(ParseReply, AcceptsAndYields) {
  const Accepted cases[] = {
      {"empty payload", Hex("02 00 FF FF"), Discovery{}},
      {"name followed by a zero byte and more", Reply(Item(TAG_PRODUCT_NAME, TextValue(std::string_view("MOSAICORE\0xyz", 13)))),
       With([](Discovery& d) { d.ProductName = std::string("MOSAICORE\0xyz", 13); })},
      {"tag 20 between items is skipped by its length",
       Reply(Join({kName, Item(20, TextValue("abc")), Item(TAG_DESCRIPTION, TextValue("Lobby"))})),
       With([](Discovery& d) {
         d.ProductName = "MOSAICORE";
         d.Description = "Lobby";
       })},
      {"tags 0 and 255 are skipped as well",
       Reply(Join({Item(0, {}), Item(255, {1, 2}), Item(TAG_SERIAL_NO, TextValue("S1"))})),
       With([](Discovery& d) { d.SerialNo = "S1"; })},
      {"TAG_IP twice runs the two addresses together",
       Reply(Join({Item(TAG_IP, {192, 168, 1, 10}), Item(TAG_IP, {10, 0, 0, 1})})),
       With([](Discovery& d) { d.IPAddress = "192.168.001.010010.000.000.001"; })},
      {"subnet, gateway, DNS in plain decimal",
       Reply(Join({Item(TAG_SUBNET, {255, 255, 255, 0}), Item(TAG_GATEWAY, {192, 168, 1, 1}),
                   Item(TAG_DNS, {8, 8, 4, 4})})),
       With([](Discovery& d) {
         d.SubnetMask = "255.255.255.0";
         d.Gateway = "192.168.1.1";
         d.DNS = "8.8.4.4";
       })},
      // The mode byte is the one after the item header, which is also the next item's tag.
      {"TAG_IP_MODE with length 0 reads the following byte", Reply(Hex("07 00 01 00")),
       With([](Discovery& d) { d.IPMode = 1; })},
      {"mode and ports overwrite and read only their first bytes",
       Reply(Join({Item(TAG_IP_MODE, {1, 7}), Item(TAG_IP_MODE, {0}), Item(TAG_WEB_PORT, {0x50, 0x00, 0x99}),
                   Item(TAG_TELNET_PORT, {0x17, 0x00}), Item(TAG_TELNET_PORT, {0xFF, 0xFF})})),
       With([](Discovery& d) {
         d.IPMode = 0;
         d.WebPort = 80;
         d.TelnetPort = 65535;
       })},
      {"TAG_PRODUCT_ID 01 02 03, last byte first", Reply(Item(TAG_PRODUCT_ID, {0x01, 0x02, 0x03})),
       With([](Discovery& d) { d.ProductID = "030201"; })},
      {"product ID in upper-case hex", Reply(Item(TAG_PRODUCT_ID, {0x34, 0xAB})),
       With([](Discovery& d) { d.ProductID = "AB34"; })},
      {"texts are appended and taken unchanged",
       Reply(Join({Item(TAG_FW_VERSION, TextValue("1.")), Item(TAG_FW_VERSION, TextValue("2")),
                   Item(TAG_HW_VERSION, {'H', 0xE9}), Item(TAG_DESCRIPTION, {})})),
       With([](Discovery& d) {
         d.FirmwareVersion = "1.2";
         d.HardwareVersion = "H\xE9";
       })},
      {"a short MAC leaves the missing bytes zero", Reply(Item(TAG_MAC, {0x00, 0x11, 0x22})),
       With([](Discovery& d) {
         d.MACText = "00:11:22";
         d.MAC = {0x00, 0x11, 0x22, 0, 0, 0};
       })},
      {"a long MAC lists every byte, keeps the first six",
       Reply(Item(TAG_MAC, {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x01})),
       With([](Discovery& d) {
         d.MACText = "AA:BB:CC:DD:EE:FF:01";
         d.MAC = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
       })},
      {"trailing bytes after the CRC are ignored",
       [] {
         Bytes d = Reply(kName);
         d.resize(kReceiveBufferSize, 0xEE);
         return d;
       }(),
       With([](Discovery& d) { d.ProductName = "MOSAICORE"; })},
  };
  for (const Accepted& c : cases) {
    Discovery record;
    EXPECT_TRUE(Parse(c.datagram, record)) << c.name;
    EXPECT_EQ(record, c.expected) << c.name;
  }
}

struct Rejected {
  const char* name;
  Bytes datagram;
};

Bytes WithCrcSwapped(Bytes datagram) {
  std::swap(datagram[datagram.size() - 2], datagram[datagram.size() - 1]);
  return datagram;
}

TEST(ParseReply, DropsBadDatagramsWithoutTrace) {
  const Bytes good = Reply(Join({kName, kMac}));
  const Rejected cases[] = {
      {"zero length", {}},
      {"shorter than a frame", Hex("02 00 FF")},
      {"a query, not a reply", BuildQuery()},
      {"a settings write, not a reply", BuildFrame(OP_SET, kMac)},
      {"CRC bytes swapped", WithCrcSwapped(good)},
      {"payload byte changed", [&] {
         Bytes d = good;
         d[5] ^= 0x01;
         return d;
       }()},
      {"one byte short of its declared length", Bytes(good.begin(), good.end() - 1)},
      {"longer than the receive buffer", [&] {
         Bytes d = good;
         d.resize(kReceiveBufferSize + 1);
         return d;
       }()},
      {"product name in other letter case", Reply(Item(TAG_PRODUCT_NAME, TextValue("MosaiCore")))},
      {"product name with a character more", Reply(Item(TAG_PRODUCT_NAME, TextValue("MOSAICORE2")))},
      {"product name split over two items fails at the first",
       Reply(Join({Item(TAG_PRODUCT_NAME, TextValue("MOSAI")), Item(TAG_PRODUCT_NAME, TextValue("CORE"))}))},
      {"empty product name", Reply(Item(TAG_PRODUCT_NAME, {}))},
      {"other product after a valid MAC", Reply(Join({kMac, Item(TAG_PRODUCT_NAME, TextValue("OTHER"))}))},
      {"item value runs past the payload end", Reply(Hex("0E 05 41 42 43"))},
      {"text item value one byte past the end", Reply(Join({kName, Hex("0A 02 41")}))},
      {"IP mode with length 0 at the payload end", Reply(Join({kName, Hex("07 00")}))},
      {"web port with one value byte inside the payload", Reply(Join({kName, Hex("08 00 50")}))},
      {"telnet port with length 1 at the payload end", Reply(Join({kName, Hex("09 01 17")}))},
  };
  // Filled, so that a trace shows; the product name stays empty because the walk
  // appends to it and checks the result.
  Discovery filled = ExampleUnit();
  filled.ProductName.clear();
  for (const Rejected& c : cases) {
    Discovery record = filled;
    EXPECT_FALSE(Parse(c.datagram, record)) << c.name;
    EXPECT_EQ(record, filled) << c.name << ": a dropped reply must leave no trace";
  }
}

// The duplicate check: the device table's view of which MACs it already holds.
class ParseReplyDuplicates : public ::testing::Test {
 protected:
  std::vector<MacBytes> known;
  std::vector<MacBytes> asked;
  IsNewMacFn isNewMac = [this](const MacBytes& mac) {
    asked.push_back(mac);
    for (const MacBytes& k : known)
      if (k == mac) return false;
    return true;
  };
};

TEST_F(ParseReplyDuplicates, SecondCopyOfAReplyIsDropped) {
  const Bytes reply = Reply(Join({kName, kMac, Item(TAG_IP, {10, 0, 0, 5})}));
  Discovery first;
  ASSERT_TRUE(Parse(reply, first, isNewMac));
  EXPECT_EQ(asked, std::vector<MacBytes>{kExampleMac});
  known.push_back(first.MAC);

  Discovery second;
  EXPECT_FALSE(Parse(reply, second, isNewMac));
  EXPECT_EQ(second, Discovery{});
}

TEST_F(ParseReplyDuplicates, OtherMacIsAccepted) {
  known.push_back({0x00, 0x11, 0x22, 0x33, 0x44, 0x56});
  Discovery record;
  EXPECT_TRUE(Parse(Reply(Join({kName, kMac})), record, isNewMac));
}

TEST_F(ParseReplyDuplicates, ShortMacIsCheckedWithItsZeroFilledBytes) {
  known.push_back({0x00, 0x11, 0x22, 0, 0, 0});
  Discovery record;
  EXPECT_FALSE(Parse(Reply(Item(TAG_MAC, {0x00, 0x11, 0x22})), record, isNewMac));
}

TEST_F(ParseReplyDuplicates, ReplyWithoutMacPassesAndKeepsTheClearedZeroMac) {
  known.push_back(MacBytes{});
  Discovery record = ExampleUnit();
  ClearRecord(record);
  ASSERT_TRUE(Parse(Reply(kName), record, isNewMac));
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(record.MAC, MacBytes{});
  EXPECT_EQ(record.MACText, "");
}

TEST(ClearRecord, EmptiesTextsAndZeroesNumbersAndMac) {
  Discovery record = ExampleUnit();
  record.ProductID = "01";
  record.SerialNo = record.FirmwareVersion = record.HardwareVersion = record.Description = "x";
  record.IPMode = 1;
  ClearRecord(record);
  EXPECT_EQ(record, Discovery{});
}

TEST(MacToText, UpperCaseHexJoinedByColons) {
  EXPECT_EQ(MacToText({0x00, 0x1A, 0xB2, 0x03, 0xFF, 0x0C}), "00:1A:B2:03:FF:0C");
}

}  // namespace
}  // namespace halvex
