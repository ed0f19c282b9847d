#pragma once
// HALVEX's record of one discovered unit and the fixed table that holds them.
#include <array>
#include <cstdint>
#include <string>

namespace halvex {

using MacBytes = std::array<uint8_t, 6>;

// Texts are 8-bit strings taken from the wire unchanged.
struct Discovery {
  std::string ProductID;
  std::string ProductName;
  std::string MACText;
  MacBytes MAC{};
  std::string IPAddress;  // "%03d" per byte joined by "." (192.168.001.010)
  std::string SubnetMask;
  std::string Gateway;
  std::string DNS;
  int32_t IPMode = 0;  // 0 static, 1 DHCP
  int32_t WebPort = 0;
  int32_t TelnetPort = 0;
  std::string SerialNo;
  std::string FirmwareVersion;
  std::string HardwareVersion;
  std::string Description;
};

constexpr int kDeviceTableSize = 255;

// Empties every text, sets IPMode, WebPort, TelnetPort to 0 and the MAC bytes to zero.
void ClearRecord(Discovery& record);

// Appends the byte as two upper-case hexadecimal digits (0x0A gives "0A").
void AppendHexByte(std::string& text, uint8_t byte);

// "00:11:22:33:44:55": two upper-case hex digits per byte, ":" between.
std::string MacToText(const MacBytes& mac);

}  // namespace halvex
