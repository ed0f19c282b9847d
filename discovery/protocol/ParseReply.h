#pragma once
// Checks a received datagram and walks its items into a record.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "Discovery.h"

namespace halvex {

// Returns true for an unknown MAC (the duplicate check against the device table).
using IsNewMacFn = std::function<bool(const MacBytes&)>;

// Fills `record` (which the caller has cleared) from the datagram and returns
// true when the reply is accepted. Rejected: op other than OP_REPLY, a bad CRC,
// a datagram of zero length, longer than kReceiveBufferSize or shorter than its
// declared length plus four, an item that runs past the payload end, a product
// name other than "MOSAICORE" (compared up to the first zero byte), or a MAC that
// `isNewMac` says is known (an empty `isNewMac` treats every MAC as new). A
// rejected datagram leaves `record` as it was. Never reads outside [data, data + size).
bool ParseReply(const uint8_t* data, std::size_t size, Discovery& record,
                const IsNewMacFn& isNewMac);

}  // namespace halvex
