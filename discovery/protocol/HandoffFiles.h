#pragma once
// The hand-off files MAC.txt and IP.txt that HALVEX leaves for the console.
#include <string>
#include <vector>

namespace halvex {

// Writes each line followed by CR LF, replacing the whole file (no lines: an
// empty file). Returns false and fills `error` when the file cannot be written;
// what could be written stays.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines,
                std::string& error);

// A unit's IP.txt line: four three-digit numbers with leading zeros joined by "."
// (15 characters), the console's fixed columns. A reply gives its address in that
// form already; an address the operator has saved is stored as typed
// ("192.168.1.20") and is padded here. A text that is not four numbers 0 to 255
// stays as it is.
std::string HandOffIpLine(const std::string& ipAddress);

}  // namespace halvex
