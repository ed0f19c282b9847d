#include "Discovery.h"

namespace halvex {

void ClearRecord(Discovery& record) { record = Discovery{}; }

void AppendHexByte(std::string& text, uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  text.push_back(kDigits[byte >> 4]);
  text.push_back(kDigits[byte & 0x0F]);
}

std::string MacToText(const MacBytes& mac) {
  std::string text;
  for (std::size_t i = 0; i < mac.size(); ++i) {
    if (i > 0) text.push_back(':');
    AppendHexByte(text, mac[i]);
  }
  return text;
}

}  // namespace halvex
