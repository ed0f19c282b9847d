#include "ReplyStream.h"

namespace mosaic {

namespace {

constexpr unsigned char kIac = 255, kDont = 254, kWill = 251, kSb = 250, kSe = 240;

}  // namespace

std::vector<std::string> ReplyStream::take(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool cut = false;  // the current piece reached kMaxLine; the rest of it is dropped
  auto end_line = [&] {
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    cut = false;
  };
  auto add_data = [&](char c) {
    if (c == '\r' || c == '\n') return end_line();
    if (cut) return;
    line += c;
    if (line.size() == kMaxLine) cut = true;
  };

  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    switch (telnet_) {
      case Telnet::Data:
        if (b == kIac) telnet_ = Telnet::Command;
        else add_data(c);
        break;
      case Telnet::Command:
        if (b == kIac) {  // an escaped 0xFF is a data byte
          add_data(c);
          telnet_ = Telnet::Data;
        } else if (b >= kWill && b <= kDont) {
          telnet_ = Telnet::Option;
        } else if (b == kSb) {
          telnet_ = Telnet::Sub;
          sub_length_ = 0;
        } else {
          telnet_ = Telnet::Data;  // a two-byte command
        }
        break;
      case Telnet::Option:
        telnet_ = Telnet::Data;
        break;
      case Telnet::Sub:
        if (b == kIac) telnet_ = Telnet::SubCommand;
        else if (++sub_length_ > kMaxSubnegotiation) telnet_ = Telnet::Data;
        break;
      case Telnet::SubCommand:
        telnet_ = b == kSe ? Telnet::Data : Telnet::Sub;
        break;
    }
  }
  end_line();
  return lines;
}

}  // namespace mosaic
