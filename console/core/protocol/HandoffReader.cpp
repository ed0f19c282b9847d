#include "HandoffReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "DecimalText.h"
#include "NumberText.h"
#include "ReplyFields.h"

namespace mosaic {

std::optional<std::vector<std::string>> read_text_lines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string mac_entry(std::string_view line) { return std::string(line.substr(0, 17)); }

std::optional<Address> ip_line(std::string_view line) {
  Address address{};
  for (int k = 0; k < 4; ++k) {
    const std::string field = chars(line, 1 + 4 * k, 3 + 4 * k);
    if (field.size() != 3 || !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    const long long value = field_number(field);
    if (value > 255) return std::nullopt;
    address[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(value);
  }
  return address;
}

std::string dotted(const Address& address) {
  return plain_number(address[0]) + "." + plain_number(address[1]) + "." +
         plain_number(address[2]) + "." + plain_number(address[3]);
}

std::vector<FoundUnit> keep_local_units(const std::vector<std::string>& mac_lines,
                                        const std::vector<std::string>& ip_lines,
                                        const std::vector<NetPrefix>& nets) {
  std::vector<FoundUnit> units;
  for (const std::string& line : mac_lines) units.push_back({mac_entry(line), {}});

  // Line k of IP.txt belongs to the k-th entry still in the list: every unit kept so
  // far sits before it and every dropped one is already gone.
  std::size_t kept = 0;
  for (const std::string& line : ip_lines) {
    if (kept >= units.size()) break;
    const std::optional<Address> address = ip_line(line);
    const bool local = address && std::any_of(nets.begin(), nets.end(), [&](const NetPrefix& net) {
                         return std::equal(net.begin(), net.end(), address->begin());
                       });
    if (local) {
      units[kept++].ip = dotted(*address);
    } else {
      units.erase(units.begin() + static_cast<std::ptrdiff_t>(kept));
    }
  }
  return units;
}

}  // namespace mosaic
