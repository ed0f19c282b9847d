#pragma once
// Everything that describes one simulated wall processor before it starts:
// identity, network settings, the command-side state and the fault modes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace wallsim {

using Ipv4 = std::array<uint8_t, 4>;
using Mac = std::array<uint8_t, 6>;

// The settings both protocols read and change.
struct NetSettings {
  uint8_t ipMode = 0;  // 0 static, 1 DHCP
  Ipv4 ip{};
  Ipv4 mask{255, 255, 255, 0};
  Ipv4 gateway{10, 77, 0, 1};
  Ipv4 dns{10, 77, 0, 1};
  uint16_t webPort = 80;
  uint16_t telnetPort = 23;

  bool operator==(const NetSettings&) const = default;
};

// What only the discovery reply tells about a unit.
struct Identity {
  Mac mac{};
  std::string serial;
  std::string firmware = "2.05";
  std::string hardware = "1.0";
  std::string productName = "MOSAICORE";
  std::string description;
  std::vector<uint8_t> productId{0x34, 0x12};  // wire order, low byte first
};

// One stored wall setup.
struct Favourite {
  int rows = 1;
  int cols = 1;
  int preset = 0;
  int bezel = 0;
  int bezelH = 10;
  int bezelV = 10;

  bool operator==(const Favourite&) const = default;
};

constexpr int kOutputs = 4;
constexpr int kPictureParams = 4;  // brightness, contrast, saturation, hue
constexpr int kFavourites = 5;

// The command-side state; the defaults are the factory settings.
struct WallState {
  int power = 1;
  int id = 0;
  std::string fw = "205";
  int bezel = 0;
  int bezelH = 10;
  int bezelV = 10;
  int rows = 1;
  int cols = 1;
  int preset = 0;
  std::array<Favourite, kFavourites> favourites{};
  int resolution = 20;
  int osdDisplay = 0;
  int osdTimeout = 10;
  int osdH = 5;
  int osdV = 5;
  int osdGain = 2;
  int mute = 0;
  // picture[param][output - 1]
  std::array<std::array<int, kOutputs>, kPictureParams> picture{
      {{50, 50, 50, 50}, {50, 50, 50, 50}, {50, 50, 50, 50}, {50, 50, 50, 50}}};

  bool operator==(const WallState&) const = default;
};

struct DiscoveryFaults {
  bool badCrc = false;
  bool answerTwice = false;
  int replyDelayMs = 0;
  bool truncated = false;
  bool silent = false;
};

struct CommandFaults {
  bool silent = false;                   // accept, never answer
  std::set<std::string> silentCommands;  // keywords never answered
  int replyDelayMs = 0;
  int closeAfter = 0;   // close after this many received commands, 0 = never
  bool refuse = false;  // no listener at all
  bool garbageLines = false;
  bool telnetGreeting = false;
  bool splitReplies = false;
  bool coalesceReplies = false;
  bool outOfRange = false;
  std::size_t floodBytes = 0;
};

struct UnitSetup {
  Identity identity;
  NetSettings net;
  WallState state;
  DiscoveryFaults udpFaults;
  CommandFaults tcpFaults;
};

constexpr int kMaxUnits = 255;

// Unit `index` (0-based) of `--units N`: MAC 02:00:00:00:00:<index+1>, IP
// 10.77.0.(11+index), from index 244 on 10.77.1.(index-243).
UnitSetup DefaultUnit(int index);

// "10.77.0.11".
std::string DottedText(const Ipv4& address);

}  // namespace wallsim
