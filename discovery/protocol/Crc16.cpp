#include "Crc16.h"

#include <array>

namespace halvex {

namespace {

constexpr uint16_t kReflectedPolynomial = 0x8408;

constexpr std::array<uint16_t, 256> MakeTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned i = 0; i < table.size(); ++i) {
    uint16_t crc = static_cast<uint16_t>(i);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ kReflectedPolynomial)
                      : static_cast<uint16_t>(crc >> 1);
    }
    table[i] = crc;
  }
  return table;
}

constexpr std::array<uint16_t, 256> kTable = MakeTable();
static_assert(kTable[1] == 0x1189);

}  // namespace

uint16_t Crc16(const uint8_t* data, std::size_t length) {
  uint16_t crc = 0xFFFF;
  for (std::size_t i = 0; i < length; ++i) {
    crc = static_cast<uint16_t>(kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8));
  }
  return crc;
}

}  // namespace halvex
