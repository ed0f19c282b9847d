#include "SettingsWrite.h"

#include <string_view>

#include "SplitDotted.h"

namespace halvex {

namespace {

struct AddressEdit {
  const char* caption;
  uint8_t tag;
  const std::string& typed;
  std::string Discovery::*stored;
  bool sentInThisMode;
};

struct PortEdit {
  const char* caption;
  uint8_t tag;
  const std::string& typed;
  int32_t Discovery::*stored;
};

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string NotAnInteger(std::string_view text) {
  return Quoted(text) + " is not a valid integer value";
}

SettingsWrite Refused(const Discovery& record, std::string error) {
  SettingsWrite result;
  result.error = std::move(error);
  result.updated = record;
  return result;
}

Bytes MacValue(const MacBytes& mac) { return Bytes(mac.begin(), mac.end()); }

// Reads a typed address as four decimal numbers 0 to 255. Returns the operator's
// message, or an empty text with the four bytes in `octets`.
std::string ReadAddress(const AddressEdit& edit, Bytes& octets) {
  const std::string invalid = std::string(edit.caption) + " " + Quoted(edit.typed) +
                              " is not a valid address: four numbers 0 to 255 are needed.";
  const std::vector<std::string> parts = SplitDotted(edit.typed);
  if (parts.size() != 4) return invalid;
  octets.clear();
  for (const std::string& part : parts) {
    if (!ParseWholeNumber(part)) return NotAnInteger(part);
    // A sign, blanks or a value above 255 would be sent as some other byte.
    const std::optional<int> octet = ReadOctet(part);
    if (!octet) return invalid;
    octets.push_back(static_cast<uint8_t>(*octet));
  }
  return {};
}

// Reads a typed port as a whole number 0 to 65535. Returns the operator's message,
// or an empty text with the number in `port`.
std::string ReadPort(const PortEdit& edit, int32_t& port) {
  const std::optional<long long> number = ParseWholeNumber(edit.typed);
  if (!number) return NotAnInteger(edit.typed);
  if (*number < 0 || *number > 65535) {
    return std::string(edit.caption) + " " + Quoted(edit.typed) + " is outside 0 to 65535.";
  }
  port = static_cast<int32_t>(*number);
  return {};
}

}  // namespace

SettingsWrite BuildSettingsWrite(const Discovery& record, const PanelValues& panel) {
  const int mode = panel.ipModeIndex;
  if (mode != 0 && mode != 1) {
    return Refused(record, "IP Mode " + Quoted(std::to_string(mode)) + " is neither Static nor DHCP.");
  }
  const bool isStatic = mode == 0;

  // Everything is decided on copies, so a refused save leaves no trace.
  Discovery d = record;
  Bytes payload;
  AppendItem(payload, TAG_MAC, MacValue(d.MAC));

  if (mode != d.IPMode) {
    AppendItem(payload, TAG_IP_MODE, {static_cast<uint8_t>(mode)});
    d.IPMode = mode;
    if (!isStatic) d.IPAddress = d.SubnetMask = d.Gateway = "0.0.0.0";
  }

  const AddressEdit addresses[] = {
      {"IP Address", TAG_IP, panel.ip, &Discovery::IPAddress, isStatic},
      {"Subnet Mask", TAG_SUBNET, panel.subnet, &Discovery::SubnetMask, isStatic},
      {"Gateway IP", TAG_GATEWAY, panel.gateway, &Discovery::Gateway, isStatic},
      {"DNS", TAG_DNS, panel.dns, &Discovery::DNS, true},
  };
  for (const AddressEdit& edit : addresses) {
    // Exact text comparison: the typed 192.168.1.10 differs from the stored 192.168.001.010.
    if (!edit.sentInThisMode || edit.typed == d.*edit.stored) continue;
    Bytes octets;
    if (std::string error = ReadAddress(edit, octets); !error.empty()) {
      return Refused(record, std::move(error));
    }
    AppendItem(payload, edit.tag, octets);
    d.*edit.stored = edit.typed;
  }

  const PortEdit ports[] = {
      {"Web GUI Port", TAG_WEB_PORT, panel.webPort, &Discovery::WebPort},
      {"Telnet Port", TAG_TELNET_PORT, panel.telnetPort, &Discovery::TelnetPort},
  };
  for (const PortEdit& edit : ports) {
    int32_t port = 0;
    if (std::string error = ReadPort(edit, port); !error.empty()) {
      return Refused(record, std::move(error));
    }
    if (port == d.*edit.stored) continue;
    AppendItem(payload, edit.tag, {static_cast<uint8_t>(port % 256), static_cast<uint8_t>(port / 256)});
    d.*edit.stored = port;
  }

  SettingsWrite result;
  result.ok = true;
  result.datagram = BuildFrame(OP_SET, payload);
  result.updated = std::move(d);
  return result;
}

Bytes BuildReboot(const MacBytes& mac) {
  Bytes payload;
  AppendItem(payload, TAG_MAC, MacValue(mac));
  return BuildFrame(OP_REBOOT, payload);
}

std::string WebGuiAddress(const Discovery& record) {
  if (record.WebPort == 0) return {};
  // Leading zeros go, one digit stays: "192.168.001.010" becomes "192.168.1.10", "000" becomes "0".
  std::string address;
  const std::string& stored = record.IPAddress;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const bool partStart = i == 0 || stored[i - 1] == '.';
    if (partStart) {
      while (i + 1 < stored.size() && stored[i] == '0' && stored[i + 1] >= '0' && stored[i + 1] <= '9') ++i;
    }
    address.push_back(stored[i]);
  }
  std::string url = "Http://" + address;
  if (record.WebPort != 80) url += ":" + std::to_string(record.WebPort);
  return url + "/";
}

}  // namespace halvex
