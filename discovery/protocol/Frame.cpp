#include "Frame.h"

#include <stdexcept>

#include "Crc16.h"

namespace halvex {

Bytes BuildFrame(uint8_t op, const Bytes& payload) {
  if (payload.size() > kMaxPayload) {
    throw std::length_error("discovery payload longer than 255 bytes");
  }
  const uint16_t crc = Crc16(payload.data(), payload.size());
  Bytes frame;
  frame.reserve(payload.size() + 4);
  frame.push_back(op);
  frame.push_back(static_cast<uint8_t>(payload.size()));
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(static_cast<uint8_t>(crc & 0xFF));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
  return frame;
}

void AppendItem(Bytes& payload, uint8_t tag, const Bytes& value) {
  if (value.size() > 255) {
    throw std::length_error("discovery item value longer than 255 bytes");
  }
  payload.push_back(tag);
  payload.push_back(static_cast<uint8_t>(value.size()));
  payload.insert(payload.end(), value.begin(), value.end());
}

Bytes BuildQuery() { return BuildFrame(OP_QUERY, {}); }

}  // namespace halvex
