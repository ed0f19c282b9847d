#pragma once
// Cuts the byte stream of one command link into lines: CR LF, a lone CR or a
// lone LF ends a line; telnet IAC sequences are taken out; a line that grows
// beyond the limit is dropped whole, so the buffer stays bounded.
#include <cstddef>
#include <string>
#include <vector>

namespace wallsim {

class LineReader {
 public:
  static constexpr std::size_t kMaxLine = 4096;

  // Returns the lines completed by `data` (without line ends). Empty lines are
  // left out.
  std::vector<std::string> feed(const char* data, std::size_t size);

  // Lines dropped for their length since the last call.
  std::size_t takeDropped();

 private:
  enum class Telnet { Data, Iac, Option, Sub, SubIac };

  void endLine(std::vector<std::string>& lines);

  std::string line_;
  bool overlong_ = false;  // the current line is being dropped
  bool afterCr_ = false;   // an LF right after CR ends nothing more
  Telnet telnet_ = Telnet::Data;
  std::size_t dropped_ = 0;
};

}  // namespace wallsim
