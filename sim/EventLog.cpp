#include "EventLog.h"

#include <cerrno>
#include <cstring>

namespace wallsim {

EventLog::EventLog() : start_(std::chrono::steady_clock::now()) {}

bool EventLog::open(const std::string& path, std::string& error) {
  file_.reset(std::fopen(path.c_str(), "a"));
  if (!file_) {
    error = "cannot open log file " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void EventLog::write(int unit, std::string_view channel, std::string_view text) {
  if (!file_) return;
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start_)
                      .count();
  std::string line = std::to_string(ms) + " " + std::to_string(unit) + " ";
  line.append(channel);
  line += ' ';
  line.append(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), file_.get());
  std::fflush(file_.get());
}

std::string EventLog::Hex(const uint8_t* data, std::size_t size) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(size * 3);
  for (std::size_t i = 0; i < size; ++i) {
    if (i > 0) text += ' ';
    text += kDigits[data[i] >> 4];
    text += kDigits[data[i] & 0x0F];
  }
  return text;
}

}  // namespace wallsim
