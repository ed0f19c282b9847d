#include "FaultModes.h"

#include <string_view>

namespace wallsim {

namespace {

constexpr std::string_view kJunkCharacters = "abcdefghijklmnopqrstuvwxyz0123456789#%&*+-/:;<=>?@_~";

}  // namespace

Bytes WithBadCrc(Bytes frame) {
  if (frame.size() >= 2) {
    frame[frame.size() - 1] ^= 0xFF;
    frame[frame.size() - 2] ^= 0xFF;
  }
  return frame;
}

Bytes Truncated(Bytes frame) {
  frame.resize(frame.size() / 2);
  return frame;
}

std::string JunkLine(std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> length(8, 24);
  std::uniform_int_distribution<std::size_t> pick(0, kJunkCharacters.size() - 1);
  std::string line(length(random), ' ');
  for (char& c : line) c = kJunkCharacters[pick(random)];
  return line;
}

std::string FloodText(std::size_t size, std::mt19937& random) {
  std::string text;
  text.reserve(size);
  while (text.size() < size) {
    text += JunkLine(random);
    text += "\r\n";
  }
  text.resize(size);
  // A cut line still ends with a line end, so what follows starts a line.
  if (size >= 2) text.replace(size - 2, 2, "\r\n");
  return text;
}

std::string TelnetGreeting() {
  return std::string("\xFF\xFB\x01\xFF\xFB\x03\xFF\xFD\x03\xFF\xFD\x1F", 12);
}

}  // namespace wallsim
