#pragma once
// Reads the hand-off files MAC.txt and IP.txt that the discovery program leaves in the
// console's folder, and keeps the units that sit on one of the console's networks.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mosaic {

using NetPrefix = std::array<std::uint8_t, 3>;  // the first three numbers of an address
using Address = std::array<std::uint8_t, 4>;

// The lines of a text file, each without its line end (CR LF, CR or LF); nothing when
// the file cannot be opened.
std::optional<std::vector<std::string>> read_text_lines(const std::filesystem::path& file);

// A MAC.txt line's device-list entry: its first 17 characters.
std::string mac_entry(std::string_view line);

// The four numbers of an IP.txt line at columns 1-3, 5-7, 9-11 and 13-15. Nothing when
// a field is not three decimal digits or a number is above 255.
std::optional<Address> ip_line(std::string_view line);

// "192.168.1.10": each number in plain decimal.
std::string dotted(const Address& address);

struct FoundUnit {
  std::string mac;  // device-list entry
  std::string ip;   // dotted address; empty when IP.txt has no line for this unit
  friend bool operator==(const FoundUnit&, const FoundUnit&) = default;
};

// Pairs line k of MAC.txt with line k of IP.txt and keeps the units whose first three
// numbers equal one of `nets`. An IP.txt line that is unreadable, or one of a unit that
// is not on those networks, drops that unit; IP.txt lines beyond the units are ignored.
std::vector<FoundUnit> keep_local_units(const std::vector<std::string>& mac_lines,
                                        const std::vector<std::string>& ip_lines,
                                        const std::vector<NetPrefix>& nets);

}  // namespace mosaic
