#pragma once
// The event log: one line per event, "<ms since start> <unit> <channel> <text>",
// written through at once so that a test can read it while the program runs.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace wallsim {

class EventLog {
 public:
  EventLog();

  // Appends to `path`; false with `error` filled when it cannot be opened.
  // Until then (and without a log file) write() does nothing.
  bool open(const std::string& path, std::string& error);

  void write(int unit, std::string_view channel, std::string_view text);

  // Space-separated upper-case hex bytes: "01 00 FF FF".
  static std::string Hex(const uint8_t* data, std::size_t size);

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace wallsim
