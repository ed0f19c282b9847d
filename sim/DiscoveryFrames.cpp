#include "DiscoveryFrames.h"

#include <algorithm>

#include "Crc16.h"

namespace wallsim {

namespace {

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes AddressBytes(const Ipv4& address) { return Bytes(address.begin(), address.end()); }

Bytes PortBytes(uint16_t port) {
  return {static_cast<uint8_t>(port & 0xFF), static_cast<uint8_t>(port >> 8)};
}

}  // namespace

Bytes BuildUnitReply(const Identity& identity, const NetSettings& net) {
  using namespace halvex;
  Bytes payload;
  AppendItem(payload, TAG_PRODUCT_NAME, TextBytes(identity.productName));
  AppendItem(payload, TAG_MAC, Bytes(identity.mac.begin(), identity.mac.end()));
  AppendItem(payload, TAG_IP, AddressBytes(net.ip));
  AppendItem(payload, TAG_SUBNET, AddressBytes(net.mask));
  AppendItem(payload, TAG_GATEWAY, AddressBytes(net.gateway));
  AppendItem(payload, TAG_DNS, AddressBytes(net.dns));
  AppendItem(payload, TAG_IP_MODE, Bytes{net.ipMode});
  AppendItem(payload, TAG_WEB_PORT, PortBytes(net.webPort));
  AppendItem(payload, TAG_TELNET_PORT, PortBytes(net.telnetPort));
  AppendItem(payload, TAG_SERIAL_NO, TextBytes(identity.serial));
  AppendItem(payload, TAG_FW_VERSION, TextBytes(identity.firmware));
  AppendItem(payload, TAG_HW_VERSION, TextBytes(identity.hardware));
  AppendItem(payload, TAG_DESCRIPTION, TextBytes(identity.description));
  AppendItem(payload, TAG_PRODUCT_ID, identity.productId);
  return BuildFrame(OP_REPLY, payload);
}

std::optional<ReceivedFrame> ReadFrame(const uint8_t* data, std::size_t size) {
  if (size < 4) return std::nullopt;
  const std::size_t length = data[1];
  if (size < length + 4) return std::nullopt;
  const uint8_t* payload = data + 2;
  const uint16_t crc = static_cast<uint16_t>(payload[length] | (payload[length + 1] << 8));
  if (halvex::Crc16(payload, length) != crc) return std::nullopt;

  ReceivedFrame frame;
  frame.op = data[0];
  std::size_t p = 0;
  while (p < length) {
    if (p + 2 > length) return std::nullopt;
    const std::size_t valueLength = payload[p + 1];
    if (p + 2 + valueLength > length) return std::nullopt;
    frame.items.push_back(Item{payload[p], Bytes(payload + p + 2, payload + p + 2 + valueLength)});
    p += 2 + valueLength;
  }
  return frame;
}

std::optional<Mac> TargetMac(const ReceivedFrame& frame) {
  if (frame.items.empty()) return std::nullopt;
  const Item& first = frame.items.front();
  Mac mac{};
  if (first.tag != halvex::TAG_MAC || first.value.size() != mac.size()) return std::nullopt;
  std::copy(first.value.begin(), first.value.end(), mac.begin());
  return mac;
}

NetSettings ApplySettings(NetSettings net, const ReceivedFrame& frame) {
  using namespace halvex;
  for (const Item& item : frame.items) {
    const Bytes& v = item.value;
    auto address = [&](Ipv4& field) {
      if (v.size() == field.size()) std::copy(v.begin(), v.end(), field.begin());
    };
    auto port = [&](uint16_t& field) {
      if (v.size() == 2) field = static_cast<uint16_t>(v[0] | (v[1] << 8));
    };
    switch (item.tag) {
      case TAG_IP_MODE:
        if (!v.empty()) net.ipMode = v[0];
        break;
      case TAG_IP:
        address(net.ip);
        break;
      case TAG_SUBNET:
        address(net.mask);
        break;
      case TAG_GATEWAY:
        address(net.gateway);
        break;
      case TAG_DNS:
        address(net.dns);
        break;
      case TAG_WEB_PORT:
        port(net.webPort);
        break;
      case TAG_TELNET_PORT:
        port(net.telnetPort);
        break;
      default:
        break;  // the MAC and anything a unit cannot change
    }
  }
  return net;
}

}  // namespace wallsim
