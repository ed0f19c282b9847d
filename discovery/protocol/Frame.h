#pragma once
// The discovery frame shared by every datagram, both directions:
// op, len, payload (tagged items), CRC low, CRC high. The CRC covers the payload only.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace halvex {

using Bytes = std::vector<uint8_t>;

enum Op : uint8_t {
  OP_QUERY = 1,
  OP_REPLY = 2,
  OP_SET = 3,
  OP_REBOOT = 4,
};

enum Tag : uint8_t {
  TAG_PRODUCT_ID = 1,
  TAG_MAC = 2,
  TAG_IP = 3,
  TAG_SUBNET = 4,
  TAG_GATEWAY = 5,
  TAG_DNS = 6,
  TAG_IP_MODE = 7,
  TAG_WEB_PORT = 8,
  TAG_TELNET_PORT = 9,
  TAG_SERIAL_NO = 10,
  TAG_FW_VERSION = 11,
  TAG_HW_VERSION = 12,
  TAG_PRODUCT_NAME = 13,
  TAG_DESCRIPTION = 14,
};

constexpr uint16_t kUnitPort = 31001;    // units listen here
constexpr uint16_t kHalvexPort = 31002;  // HALVEX listens here for replies
constexpr const char* kGroupAddress = "225.12.13.14";
constexpr const char* kBroadcastAddress = "255.255.255.255";
constexpr std::size_t kMaxPayload = 255;
constexpr std::size_t kReceiveBufferSize = 1024;  // larger datagrams are dropped

// op, len, payload, CRC low, CRC high. A payload longer than 255 bytes cannot be
// framed: throws std::length_error.
Bytes BuildFrame(uint8_t op, const Bytes& payload);

// Appends one item (tag, length, value) to a payload. A value longer than 255
// bytes throws std::length_error.
void AppendItem(Bytes& payload, uint8_t tag, const Bytes& value);

// The query: 01 00 FF FF.
Bytes BuildQuery();

}  // namespace halvex
