#pragma once
// The unit's side of the discovery datagrams: its reply, and reading the
// query, settings writes and reboots that reach it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "Frame.h"
#include "UnitSetup.h"

namespace wallsim {

using halvex::Bytes;

// The OP_REPLY frame: product name, MAC, IP, mask, gateway, DNS, IP mode, web
// port, telnet port, serial, firmware, hardware, description, product id.
// Throws std::length_error when the items do not fit into one frame.
Bytes BuildUnitReply(const Identity& identity, const NetSettings& net);

struct Item {
  uint8_t tag = 0;
  Bytes value;
};

struct ReceivedFrame {
  uint8_t op = 0;
  std::vector<Item> items;
};

// Checks a received datagram (at least its declared length plus four bytes,
// CRC of the payload right, no item running past the payload) and walks its
// items; nullopt when a check fails.
std::optional<ReceivedFrame> ReadFrame(const uint8_t* data, std::size_t size);

// The target of a settings write or reboot: the first item, when it is a
// six-byte TAG_MAC.
std::optional<Mac> TargetMac(const ReceivedFrame& frame);

// The settings after a settings write. Items whose value has the wrong length
// for their tag are skipped; the IP mode takes the first value byte.
NetSettings ApplySettings(NetSettings net, const ReceivedFrame& frame);

}  // namespace wallsim
