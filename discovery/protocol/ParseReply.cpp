#include "ParseReply.h"

#include <algorithm>
#include <cstring>

#include "Crc16.h"
#include "Frame.h"

namespace halvex {

namespace {

constexpr char kProductName[] = "MOSAICORE";

// One item's value inside the checked payload.
struct Value {
  const uint8_t* bytes;
  std::size_t length;
};

// Appends every value byte through `appendByte`, with `separator` between the
// bytes of this item (none before the first: repeated items run together).
template <typename AppendByte>
void AppendJoined(std::string& field, Value value, const char* separator, AppendByte appendByte) {
  for (std::size_t i = 0; i < value.length; ++i) {
    if (i > 0) field += separator;
    appendByte(field, value.bytes[i]);
  }
}

// Three decimal digits with leading zeros (10 gives "010").
void AppendZeroPadded(std::string& text, uint8_t byte) {
  text.push_back(static_cast<char>('0' + byte / 100));
  text.push_back(static_cast<char>('0' + byte / 10 % 10));
  text.push_back(static_cast<char>('0' + byte % 10));
}

void AppendDecimal(std::string& text, uint8_t byte) { text += std::to_string(byte); }

void AppendText(std::string& field, Value value) {
  field.append(reinterpret_cast<const char*>(value.bytes), value.length);
}

void AppendHexReversed(std::string& field, Value value) {
  for (std::size_t i = value.length; i > 0; --i) AppendHexByte(field, value.bytes[i - 1]);
}

// The product name as a zero-terminated string: only the part before the first zero byte counts.
bool IsOurProduct(const std::string& productName) {
  const std::size_t end = productName.find('\0');
  return productName.compare(0, end, kProductName) == 0;
}

}  // namespace

bool ParseReply(const uint8_t* data, std::size_t size, Discovery& record,
                const IsNewMacFn& isNewMac) {
  if (size < 4 || size > kReceiveBufferSize) return false;
  if (data[0] != OP_REPLY) return false;
  const std::size_t n = data[1];
  if (size < n + 4) return false;
  const std::size_t payloadEnd = 2 + n;  // one past the last payload byte
  const uint16_t sentCrc = static_cast<uint16_t>(data[payloadEnd] | (data[payloadEnd + 1] << 8));
  if (Crc16(data + 2, n) != sentCrc) return false;

  Discovery parsed = record;
  std::size_t p = 2;
  while (p <= n) {  // both header bytes of an item lie inside the payload
    const uint8_t tag = data[p];
    const std::size_t length = data[p + 1];
    p += 2;
    if (p + length > payloadEnd) return false;
    const Value value{data + p, length};

    // Mode and ports read a fixed number of bytes from the value's start, whatever
    // the length byte says; those bytes must still lie inside the payload.
    const auto fixedBytes = [&](std::size_t count) { return p + count <= payloadEnd; };

    switch (tag) {
      case TAG_PRODUCT_ID:
        AppendHexReversed(parsed.ProductID, value);
        break;
      case TAG_MAC: {
        AppendJoined(parsed.MACText, value, ":", AppendHexByte);
        parsed.MAC = {};
        std::memcpy(parsed.MAC.data(), value.bytes, std::min(length, parsed.MAC.size()));
        if (isNewMac && !isNewMac(parsed.MAC)) return false;
        break;
      }
      case TAG_IP:
        AppendJoined(parsed.IPAddress, value, ".", AppendZeroPadded);
        break;
      case TAG_SUBNET:
        AppendJoined(parsed.SubnetMask, value, ".", AppendDecimal);
        break;
      case TAG_GATEWAY:
        AppendJoined(parsed.Gateway, value, ".", AppendDecimal);
        break;
      case TAG_DNS:
        AppendJoined(parsed.DNS, value, ".", AppendDecimal);
        break;
      case TAG_IP_MODE:
        if (!fixedBytes(1)) return false;
        parsed.IPMode = data[p];
        break;
      case TAG_WEB_PORT:
      case TAG_TELNET_PORT: {
        if (!fixedBytes(2)) return false;
        const int32_t port = data[p] + 256 * data[p + 1];
        (tag == TAG_WEB_PORT ? parsed.WebPort : parsed.TelnetPort) = port;
        break;
      }
      case TAG_SERIAL_NO:
        AppendText(parsed.SerialNo, value);
        break;
      case TAG_FW_VERSION:
        AppendText(parsed.FirmwareVersion, value);
        break;
      case TAG_HW_VERSION:
        AppendText(parsed.HardwareVersion, value);
        break;
      case TAG_PRODUCT_NAME:
        AppendText(parsed.ProductName, value);
        if (!IsOurProduct(parsed.ProductName)) return false;
        break;
      case TAG_DESCRIPTION:
        AppendText(parsed.Description, value);
        break;
      default:  // unknown tags are skipped by their length
        break;
    }
    p += length;
  }
  record = std::move(parsed);
  return true;
}

}  // namespace halvex
