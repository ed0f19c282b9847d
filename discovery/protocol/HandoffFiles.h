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

}  // namespace halvex
