#pragma once
// The bytes that a faulty unit puts on the wire instead of, or besides, its
// proper answers.
#include <cstddef>
#include <random>
#include <string>

#include "DiscoveryFrames.h"

namespace wallsim {

// The frame with both CRC bytes inverted, so the check fails whatever the CRC.
Bytes WithBadCrc(Bytes frame);

// The first half of the frame: shorter than its declared length.
Bytes Truncated(Bytes frame);

// One line of junk without its line end: 8 to 24 characters drawn from lower
// case letters, digits and punctuation, so it never starts with a reply keyword.
std::string JunkLine(std::mt19937& random);

// Junk lines, each ended by CR LF, exactly `size` bytes in all.
std::string FloodText(std::size_t size, std::mt19937& random);

// What a telnet server says first: IAC WILL ECHO, IAC WILL SUPPRESS-GO-AHEAD,
// IAC DO SUPPRESS-GO-AHEAD, IAC DO NAWS.
std::string TelnetGreeting();

}  // namespace wallsim
