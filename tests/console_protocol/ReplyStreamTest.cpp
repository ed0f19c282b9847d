// The reply stream: telnet negotiation dropped, lines split, nothing else carried over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReplyStream.h"

namespace mosaic {
namespace {

using Lines = std::vector<std::string>;

std::string bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

struct SplitCase {
  const char* name;
  std::string input;
  Lines expected;
};

TEST(ReplyStream, SplitsOneReadIntoNonEmptyLines) {
  const std::vector<SplitCase> cases = {
      {"one reply", "POWE001\r\n", {"POWE001"}},
      {"two replies in one read", "POWE001\r\nMODN002\r\n", {"POWE001", "MODN002"}},
      {"lone CR", "POWE001\rMODN002\r", {"POWE001", "MODN002"}},
      {"lone LF", "POWE001\nMODN002\n", {"POWE001", "MODN002"}},
      {"LF CR counts as two ends", "A\n\rB", {"A", "B"}},
      {"empty lines dropped", "\r\n\r\n\nOSDI\r\n\r\n", {"OSDI"}},
      {"final piece without line end", "OSDI\r\nVERS2", {"OSDI", "VERS2"}},
      {"only a final piece", "BHV010", {"BHV010"}},
      {"nothing", "", {}},
      {"blank before keyword kept", " POWE001\r\n", {" POWE001"}},
  };
  for (const SplitCase& c : cases) {
    ReplyStream stream;
    EXPECT_EQ(stream.take(c.input), c.expected) << c.name;
  }
}

TEST(ReplyStream, DropsTelnetNegotiation) {
  const std::vector<SplitCase> cases = {
      {"DO and WILL", bytes({255, 253, 1, 255, 251, 3}) + "OSDI\r\n", {"OSDI"}},
      {"DONT and WONT", "OS" + bytes({255, 254, 31, 255, 252, 24}) + "DI", {"OSDI"}},
      {"two-byte command", bytes({255, 241}) + "OSDI", {"OSDI"}},
      {"subnegotiation", bytes({255, 250, 24, 1, 13, 10, 255, 255, 255, 240}) + "OSDI", {"OSDI"}},
      {"escaped 0xFF is data", "A" + bytes({255, 255}) + "B", {"A" + bytes({255}) + "B"}},
      {"line end inside a subnegotiation does not split", "X" + bytes({255, 250, 13, 10, 255, 240}) + "Y",
       {"XY"}},
  };
  for (const SplitCase& c : cases) {
    ReplyStream stream;
    EXPECT_EQ(stream.take(c.input), c.expected) << c.name;
  }
}

// Every cut of a greeting-plus-reply over two reads gives the same reply.
TEST(ReplyStream, TelnetSequenceSplitOverTwoReads) {
  const std::string input =
      bytes({255, 253, 1, 255, 250, 24, 1, 255, 240, 255, 241}) + "OSDI\r\n";
  for (std::size_t cut = 0; cut <= input.size(); ++cut) {
    ReplyStream stream;
    Lines lines = stream.take(input.substr(0, cut));
    const Lines second = stream.take(input.substr(cut));
    lines.insert(lines.end(), second.begin(), second.end());
    // A cut inside "OSDI" gives two pieces, since text is not carried over.
    const std::size_t text_from = input.size() - 6;
    if (cut > text_from && cut < text_from + 4)
      EXPECT_EQ(lines, (Lines{input.substr(text_from, cut - text_from), input.substr(cut, 4 - (cut - text_from))}))
          << cut;
    else
      EXPECT_EQ(lines, Lines{"OSDI"}) << cut;
  }
}

TEST(ReplyStream, TextIsNotCarriedOverBetweenReads) {
  ReplyStream stream;
  EXPECT_EQ(stream.take("POW"), Lines{"POW"});
  EXPECT_EQ(stream.take("E001\r\n"), Lines{"E001"});
  // CR at the end of one read, LF at the start of the next: no empty line appears.
  EXPECT_EQ(stream.take("OSDI\r"), Lines{"OSDI"});
  EXPECT_EQ(stream.take("\nOSDR"), Lines{"OSDR"});
}

TEST(ReplyStream, LongJunkIsCutAndTheNextLineStillArrives) {
  ReplyStream stream;
  const std::string junk(100000, 'j');
  const Lines lines = stream.take(junk + "\r\nPOWE001\r\n" + junk);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::string(ReplyStream::kMaxLine, 'j'));
  EXPECT_EQ(lines[1], "POWE001");
  EXPECT_EQ(lines[2].size(), ReplyStream::kMaxLine);
}

TEST(ReplyStream, UnendedSubnegotiationDoesNotSwallowLaterReplies) {
  ReplyStream stream;
  const std::string junk = bytes({255, 250}) + std::string(ReplyStream::kMaxSubnegotiation + 10, 'x');
  EXPECT_EQ(stream.take(junk), Lines{std::string(9, 'x')});
  EXPECT_EQ(stream.take("POWE001\r\n"), Lines{"POWE001"});
}

}  // namespace
}  // namespace mosaic
