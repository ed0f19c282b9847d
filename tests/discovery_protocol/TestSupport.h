#pragma once
// Helpers shared by the discovery datagram tests.
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

#include "Discovery.h"
#include "Frame.h"
#include "SettingsWrite.h"

namespace halvex {

// "01 00 ff FF" gives the bytes 01 00 FF FF; blanks are ignored.
inline Bytes Hex(std::string_view text) {
  Bytes bytes;
  std::string digits;
  for (char c : text) {
    if (c == ' ') continue;
    digits.push_back(c);
    if (digits.size() == 2) {
      bytes.push_back(static_cast<uint8_t>(std::stoul(digits, nullptr, 16)));
      digits.clear();
    }
  }
  return bytes;
}

inline std::string ToHex(const Bytes& bytes) {
  std::string text;
  for (uint8_t b : bytes) {
    if (!text.empty()) text.push_back(' ');
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(b));
    text += digits;
  }
  return text;
}

// Text bytes as a value, e.g. for TAG_PRODUCT_NAME.
inline Bytes TextValue(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline Bytes Reply(const Bytes& payload) { return BuildFrame(OP_REPLY, payload); }

inline auto Fields(const Discovery& d) {
  return std::tie(d.ProductID, d.ProductName, d.MACText, d.MAC, d.IPAddress, d.SubnetMask,
                  d.Gateway, d.DNS, d.IPMode, d.WebPort, d.TelnetPort, d.SerialNo,
                  d.FirmwareVersion, d.HardwareVersion, d.Description);
}

inline bool operator==(const Discovery& a, const Discovery& b) { return Fields(a) == Fields(b); }

inline void PrintTo(const Discovery& d, std::ostream* out) {
  *out << "{ProductID '" << d.ProductID << "', ProductName '" << d.ProductName << "', MACText '"
       << d.MACText << "', MAC " << MacToText(d.MAC) << ", IPAddress '" << d.IPAddress
       << "', SubnetMask '" << d.SubnetMask << "', Gateway '" << d.Gateway << "', DNS '" << d.DNS
       << "', IPMode " << d.IPMode << ", WebPort " << d.WebPort << ", TelnetPort "
       << d.TelnetPort << ", SerialNo '" << d.SerialNo << "', FirmwareVersion '"
       << d.FirmwareVersion << "', HardwareVersion '" << d.HardwareVersion
       << "', Description '" << d.Description << "'}";
}

inline constexpr MacBytes kExampleMac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};

// The unit of the reply example, as stored after its reply, plus the settings a
// real unit also reports.
inline Discovery ExampleUnit() {
  Discovery d;
  d.ProductName = "MOSAICORE";
  d.MACText = "00:11:22:33:44:55";
  d.MAC = kExampleMac;
  d.IPAddress = "192.168.001.010";
  d.SubnetMask = "255.255.255.0";
  d.Gateway = "192.168.1.1";
  d.DNS = "8.8.8.8";
  d.IPMode = 0;
  d.WebPort = 80;
  d.TelnetPort = 23;
  return d;
}

// The panel as it shows a record before the operator edits anything.
inline PanelValues PanelShowing(const Discovery& d) {
  PanelValues panel;
  panel.ipModeIndex = d.IPMode;
  panel.ip = d.IPAddress;
  panel.subnet = d.SubnetMask;
  panel.gateway = d.Gateway;
  panel.dns = d.DNS;
  panel.webPort = std::to_string(d.WebPort);
  panel.telnetPort = std::to_string(d.TelnetPort);
  return panel;
}

}  // namespace halvex
