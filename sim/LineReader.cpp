#include "LineReader.h"

#include <utility>

namespace wallsim {

namespace {

constexpr unsigned char kIac = 255;
constexpr unsigned char kSb = 250;
constexpr unsigned char kSe = 240;
constexpr unsigned char kWill = 251;  // WILL, WONT, DO, DONT: 251..254, one option byte follows

}  // namespace

std::vector<std::string> LineReader::feed(const char* data, std::size_t size) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(data[i]);
    switch (telnet_) {
      case Telnet::Iac:
        // IAC IAC (an escaped 255) goes out with the rest of the negotiation.
        if (byte == kSb) {
          telnet_ = Telnet::Sub;
        } else if (byte >= kWill && byte != kIac) {
          telnet_ = Telnet::Option;
        } else {
          telnet_ = Telnet::Data;
        }
        continue;
      case Telnet::Option:
        telnet_ = Telnet::Data;
        continue;
      case Telnet::Sub:
        if (byte == kIac) telnet_ = Telnet::SubIac;
        continue;
      case Telnet::SubIac:
        telnet_ = byte == kSe ? Telnet::Data : Telnet::Sub;
        continue;
      case Telnet::Data:
        if (byte == kIac) {
          telnet_ = Telnet::Iac;
          continue;
        }
        break;
    }
    const bool lf = byte == '\n';
    if (lf && afterCr_) {
      afterCr_ = false;
      continue;
    }
    afterCr_ = byte == '\r';
    if (lf || afterCr_) {
      endLine(lines);
    } else if (!overlong_) {
      if (line_.size() < kMaxLine) {
        line_.push_back(static_cast<char>(byte));
      } else {
        overlong_ = true;
        line_.clear();
      }
    }
  }
  return lines;
}

void LineReader::endLine(std::vector<std::string>& lines) {
  if (overlong_) {
    ++dropped_;
    overlong_ = false;
  } else if (!line_.empty()) {
    lines.push_back(std::move(line_));
  }
  line_.clear();
}

std::size_t LineReader::takeDropped() { return std::exchange(dropped_, 0); }

}  // namespace wallsim
