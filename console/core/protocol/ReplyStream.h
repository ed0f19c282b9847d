#pragma once
// Turns the bytes read from a control link into reply lines. Telnet negotiation is
// dropped (also when a sequence is split over two reads); the text is split at CR, LF
// or CR LF and every non-empty line is returned in order; a final piece without a line
// end is returned as it stands. Nothing but an unfinished telnet sequence carries over
// from one read to the next, and no line grows beyond kMaxLine characters.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mosaic {

class ReplyStream {
 public:
  static constexpr std::size_t kMaxLine = 4096;  // longer pieces are cut to this length
  // A subnegotiation (IAC SB ... IAC SE) longer than this is taken to be junk that
  // merely looked like one: reading goes back to data, so replies are not swallowed.
  static constexpr std::size_t kMaxSubnegotiation = 1024;

  // The reply lines in one read's bytes.
  std::vector<std::string> take(std::string_view bytes);

 private:
  // Where a telnet sequence stands after the last byte read.
  enum class Telnet { Data, Command, Option, Sub, SubCommand };
  Telnet telnet_ = Telnet::Data;
  std::size_t sub_length_ = 0;  // bytes inside the current subnegotiation
};

}  // namespace mosaic
