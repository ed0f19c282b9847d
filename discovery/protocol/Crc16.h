#pragma once
// CRC-16/MCRF4XX over a byte range: reflected polynomial 0x8408, initial value
// 0xFFFF, no final XOR. "123456789" gives 0x6F91; an empty range gives 0xFFFF.
#include <cstddef>
#include <cstdint>

namespace halvex {

uint16_t Crc16(const uint8_t* data, std::size_t length);

}  // namespace halvex
