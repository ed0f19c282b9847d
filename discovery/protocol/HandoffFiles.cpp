#include "HandoffFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "SplitDotted.h"

namespace halvex {

namespace {

std::string Failure(const std::string& path, const char* what, int errorNumber) {
  return std::string("Cannot ") + what + " '" + path + "': " + std::strerror(errorNumber);
}

}  // namespace

bool WriteLines(const std::string& path, const std::vector<std::string>& lines,
                std::string& error) {
  // Binary mode: the lines end with exactly CR LF on every platform.
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = Failure(path, "open", errno);
    return false;
  }
  for (const std::string& line : lines) {
    const std::string text = line + "\r\n";
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
      error = Failure(path, "write", errno);
      std::fclose(file);
      return false;
    }
  }
  if (std::fclose(file) != 0) {
    error = Failure(path, "write", errno);
    return false;
  }
  return true;
}

std::string HandOffIpLine(const std::string& ipAddress) {
  const std::vector<std::string> parts = SplitDotted(ipAddress);
  if (parts.size() != 4) return ipAddress;
  std::string line;
  for (const std::string& part : parts) {
    const std::optional<int> octet = ReadOctet(part);
    if (!octet) return ipAddress;
    if (!line.empty()) line.push_back('.');
    char digits[4];
    std::snprintf(digits, sizeof digits, "%03d", *octet);
    line += digits;
  }
  return line;
}

}  // namespace halvex
