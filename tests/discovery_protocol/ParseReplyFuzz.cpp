// libFuzzer target for the reply walk. Out-of-bounds reads are caught by the
// sanitizers; the checks below catch a walk that accepts what it must not, or
// yields texts that cannot have come from the datagram's payload.
#include <cstdlib>
#include <cstring>
#include <string>

#include "Crc16.h"
#include "Frame.h"
#include "ParseReply.h"

namespace {

using halvex::Discovery;
using halvex::MacBytes;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool OnlyChars(const std::string& text, const char* allowed) {
  return text.find_first_not_of(allowed) == std::string::npos;
}

// Runs of digits between points hold three digits per address byte.
bool ZeroPaddedGroups(const std::string& text) {
  std::size_t run = 0;
  for (char c : text) {
    if (c == '.') {
      if (run == 0 || run % 3 != 0) return false;
      run = 0;
    } else {
      ++run;
    }
  }
  return run % 3 == 0;
}

bool SameRecord(const Discovery& a, const Discovery& b) {
  return a.ProductID == b.ProductID && a.ProductName == b.ProductName && a.MACText == b.MACText &&
         a.MAC == b.MAC && a.IPAddress == b.IPAddress && a.SubnetMask == b.SubnetMask &&
         a.Gateway == b.Gateway && a.DNS == b.DNS && a.IPMode == b.IPMode &&
         a.WebPort == b.WebPort && a.TelnetPort == b.TelnetPort && a.SerialNo == b.SerialNo &&
         a.FirmwareVersion == b.FirmwareVersion && a.HardwareVersion == b.HardwareVersion &&
         a.Description == b.Description;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // libFuzzer hands over a heap block of exactly `size` bytes, so AddressSanitizer
  // reports any read beyond it.
  Discovery record;
  record.Description = "untouched";
  const Discovery before = record;
  const bool accepted = ParseReply(data, size, record, [](const MacBytes&) { return true; });

  if (!accepted) {
    Require(SameRecord(record, before));
  } else {
    // The frame checks really held.
    Require(size >= 4 && size <= halvex::kReceiveBufferSize && data[0] == halvex::OP_REPLY);
    const std::size_t n = data[1];
    Require(size >= n + 4);
    Require(halvex::Crc16(data + 2, n) == (data[n + 2] | (data[n + 3] << 8)));

    // Every text comes out of the payload: no more than its conversion of n bytes.
    Require(record.MACText.size() <= 3 * n && OnlyChars(record.MACText, "0123456789ABCDEF:"));
    Require(record.IPAddress.size() <= 4 * n && OnlyChars(record.IPAddress, "0123456789."));
    Require(ZeroPaddedGroups(record.IPAddress));
    Require(record.ProductID.size() <= 2 * n && record.ProductID.size() % 2 == 0);
    Require(record.ProductName.size() <= n && record.SerialNo.size() <= n &&
            record.Description.size() <= n + std::strlen("untouched"));
    Require(record.ProductName.empty() ||
            record.ProductName.compare(0, record.ProductName.find('\0'), "MOSAICORE") == 0);
    Require(record.IPMode >= 0 && record.IPMode <= 255);
    Require(record.WebPort >= 0 && record.WebPort <= 65535);
    Require(record.TelnetPort >= 0 && record.TelnetPort <= 65535);

    // The MAC it yields is the one the duplicate check was asked about: a table
    // that already holds it drops the same datagram.
    if (!record.MACText.empty()) {
      Discovery again;
      const MacBytes known = record.MAC;
      Require(!ParseReply(data, size, again, [&](const MacBytes& mac) { return mac != known; }));
    }
  }
  return 0;
}
