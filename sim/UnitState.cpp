#include "UnitState.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "TextValues.h"

namespace wallsim {

// One row of the command table. Rows of the plain number commands name the
// state field they read or set; the other handlers use the row only for its
// answer keyword and parameter.
struct UnitState::Command {
  std::string_view keyword;
  void (UnitState::*handler)(const Command&, const Args&, Answers&);
  std::string_view reply;  // answer keyword; empty: the command is not answered
  int WallState::*field = nullptr;
  int max = 999;           // highest value a setting takes
  bool echoValue = false;  // a setting's answer carries the new value
  int param = 0;           // picture parameter of the picture rows
  Ipv4 NetSettings::*address = nullptr;
};

namespace {

constexpr int kReadOutOfRange = 999;
constexpr int kPictureDefault = 50;

// Keyword up to the first blank, then the blank-separated arguments.
void SplitLine(std::string_view line, std::string_view& keyword, UnitState::Args& args) {
  const std::size_t blank = line.find(' ');
  keyword = line.substr(0, blank);
  args.clear();
  if (blank == std::string_view::npos) return;
  std::string_view rest = line.substr(blank + 1);
  while (!rest.empty()) {
    const std::size_t end = rest.find(' ');
    if (end != 0) args.push_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
}

std::optional<int> Arg(const UnitState::Args& args, std::size_t i, int min, int max) {
  if (i >= args.size()) return std::nullopt;
  const std::optional<int> value = ParseTypedNumber(args[i]);
  if (!value || *value < min || *value > max) return std::nullopt;
  return value;
}

}  // namespace

UnitState::UnitState(const WallState& initial, const NetSettings& net, bool outOfRange)
    : wall_(initial), net_(net), pending_(net), outOfRange_(outOfRange) {}

const std::vector<UnitState::Command>& UnitState::Commands() {
  using U = UnitState;
  using W = WallState;
  static const std::vector<Command> commands = {
      {.keyword = "RPOW", .handler = &U::readNumber, .reply = "POWE", .field = &W::power},
      {.keyword = "SPOW",
       .handler = &U::setNumber,
       .reply = "POWE",
       .field = &W::power,
       .max = 1,
       .echoValue = true},
      {.keyword = "RMDN", .handler = &U::readNumber, .reply = "MODN", .field = &W::id},
      {.keyword = "SMDN", .handler = &U::setNumber, .reply = "", .field = &W::id},
      {.keyword = "RVER", .handler = &U::readVersion, .reply = "VERS"},
      {.keyword = "SDEF", .handler = &U::factoryDefaults, .reply = "DEFA"},
      {.keyword = "RIPM", .handler = &U::readIpMode, .reply = "IPMD"},
      {.keyword = "SIPM", .handler = &U::setIpMode, .reply = "IPMD"},
      {.keyword = "RLINK", .handler = &U::readLink, .reply = "IP00"},
      {.keyword = "SIPA",
       .handler = &U::setPendingAddress,
       .reply = "IPA0",
       .address = &NetSettings::ip},
      {.keyword = "SMAA",
       .handler = &U::setPendingAddress,
       .reply = "MAA0",
       .address = &NetSettings::mask},
      {.keyword = "SGAA",
       .handler = &U::setPendingAddress,
       .reply = "GAA0",
       .address = &NetSettings::gateway},
      {.keyword = "SREL", .handler = &U::relink, .reply = "RELI"},
      {.keyword = "SHOT", .handler = &U::setNumber, .reply = "HOTK", .field = &W::preset},
      {.keyword = "SMN", .handler = &U::setWallSize, .reply = "MNC"},
      {.keyword = "SWDE", .handler = &U::wallReset, .reply = "WDEF"},
      {.keyword = "SBEZ", .handler = &U::setNumber, .reply = "", .field = &W::bezel, .max = 1},
      {.keyword = "RBEZ", .handler = &U::readNumber, .reply = "BEZE", .field = &W::bezel},
      {.keyword = "SBH",
       .handler = &U::setNumber,
       .reply = "BHV",
       .field = &W::bezelH,
       .echoValue = true},
      {.keyword = "SBV",
       .handler = &U::setNumber,
       .reply = "BVV",
       .field = &W::bezelV,
       .echoValue = true},
      {.keyword = "RBH", .handler = &U::readNumber, .reply = "BHV", .field = &W::bezelH},
      {.keyword = "RBV", .handler = &U::readNumber, .reply = "BVV", .field = &W::bezelV},
      {.keyword = "SFAVE", .handler = &U::storeFavourite, .reply = ""},
      {.keyword = "RFAVE", .handler = &U::recallFavourite, .reply = "RFAV"},
      {.keyword = "SRES", .handler = &U::setNumber, .reply = "", .field = &W::resolution},
      {.keyword = "RRES", .handler = &U::readNumber, .reply = "RESO", .field = &W::resolution},
      {.keyword = "SOSDD", .handler = &U::setNumber, .reply = "", .field = &W::osdDisplay},
      {.keyword = "SOSDH", .handler = &U::setNumber, .reply = "", .field = &W::osdH},
      {.keyword = "SOSDV", .handler = &U::setNumber, .reply = "", .field = &W::osdV},
      {.keyword = "SOSDT", .handler = &U::setNumber, .reply = "", .field = &W::osdTimeout},
      {.keyword = "SOSDG", .handler = &U::setNumber, .reply = "", .field = &W::osdGain},
      {.keyword = "ROSDD", .handler = &U::readNumber, .reply = "OSDD", .field = &W::osdDisplay},
      {.keyword = "ROSDT", .handler = &U::readNumber, .reply = "OSDT", .field = &W::osdTimeout},
      {.keyword = "ROSDH", .handler = &U::readNumber, .reply = "OSDH", .field = &W::osdH},
      {.keyword = "ROSDV", .handler = &U::readNumber, .reply = "OSDV", .field = &W::osdV},
      {.keyword = "ROSDG", .handler = &U::readNumber, .reply = "OSDG", .field = &W::osdGain},
      {.keyword = "SMUTE", .handler = &U::setNumber, .reply = "", .field = &W::mute, .max = 1},
      {.keyword = "RMUTE", .handler = &U::readNumber, .reply = "MUTE", .field = &W::mute},
      {.keyword = "SOSDI", .handler = &U::acknowledge, .reply = "OSDI"},
      {.keyword = "SOSDR", .handler = &U::osdReset, .reply = "OSDR"},
      {.keyword = "SBRI", .handler = &U::setPicture, .reply = "", .param = 0},
      {.keyword = "SCON", .handler = &U::setPicture, .reply = "", .param = 1},
      {.keyword = "SSAT", .handler = &U::setPicture, .reply = "", .param = 2},
      {.keyword = "SHUE", .handler = &U::setPicture, .reply = "", .param = 3},
      {.keyword = "RBRI", .handler = &U::readPicture, .reply = "BRIV", .param = 0},
      {.keyword = "RCON", .handler = &U::readPicture, .reply = "CONV", .param = 1},
      {.keyword = "RSAT", .handler = &U::readPicture, .reply = "SATV", .param = 2},
      {.keyword = "RHUE", .handler = &U::readPicture, .reply = "HUEV", .param = 3},
      {.keyword = "SIMRE", .handler = &U::pictureParamReset, .reply = "IMRE"},
      {.keyword = "SPIRE", .handler = &U::pictureReset, .reply = ""},
  };
  return commands;
}

std::vector<std::string> UnitState::answer(const std::string& line) {
  std::string_view keyword;
  Args args;
  SplitLine(line, keyword, args);
  Answers answers;
  const auto& commands = Commands();
  const auto row = std::find_if(commands.begin(), commands.end(),
                                [&](const Command& c) { return c.keyword == keyword; });
  if (row != commands.end()) (this->*(row->handler))(*row, args, answers);
  return answers;
}

void UnitState::setNet(const NetSettings& net) {
  net_ = net;
  pending_ = net;
}

bool UnitState::takeRelink() { return std::exchange(relink_, false); }

std::string UnitState::readField(int value) const {
  return ThreeDigits(outOfRange_ ? kReadOutOfRange : value);
}

void UnitState::readNumber(const Command& c, const Args&, Answers& out) {
  out.push_back(std::string(c.reply) + readField(wall_.*c.field));
}

void UnitState::setNumber(const Command& c, const Args& args, Answers& out) {
  if (const auto value = Arg(args, 0, 0, c.max)) wall_.*c.field = *value;
  if (c.reply.empty()) return;
  out.push_back(std::string(c.reply) + (c.echoValue ? ThreeDigits(wall_.*c.field) : ""));
}

void UnitState::acknowledge(const Command& c, const Args&, Answers& out) {
  out.emplace_back(c.reply);
}

void UnitState::readVersion(const Command& c, const Args&, Answers& out) {
  out.push_back(std::string(c.reply) + wall_.fw);
}

void UnitState::factoryDefaults(const Command& c, const Args& args, Answers& out) {
  const std::string fw = wall_.fw;  // the firmware stays what it is
  wall_ = WallState{};
  wall_.fw = fw;
  acknowledge(c, args, out);
}

void UnitState::readIpMode(const Command& c, const Args&, Answers& out) {
  out.push_back(std::string(c.reply) + readField(net_.ipMode));
}

void UnitState::setIpMode(const Command& c, const Args& args, Answers& out) {
  if (const auto mode = Arg(args, 0, 0, 1)) pending_.ipMode = static_cast<uint8_t>(*mode);
  out.push_back(std::string(c.reply) + ThreeDigits(pending_.ipMode));
}

void UnitState::readLink(const Command& c, const Args&, Answers& out) {
  std::string text(c.reply);
  bool first = true;
  for (const Ipv4* address : {&net_.ip, &net_.mask, &net_.gateway}) {
    for (uint8_t part : *address) {
      if (!first) text += "    ";
      first = false;
      text += ThreeDigits(part);
    }
  }
  out.push_back(text);
}

void UnitState::setPendingAddress(const Command& c, const Args& args, Answers& out) {
  if (!args.empty()) {
    if (const auto address = ParseDottedAddress(args[0])) pending_.*c.address = *address;
  }
  acknowledge(c, args, out);
}

void UnitState::relink(const Command& c, const Args& args, Answers& out) {
  acknowledge(c, args, out);
  net_ = pending_;
  relink_ = true;
}

void UnitState::setWallSize(const Command& c, const Args& args, Answers& out) {
  const auto rows = Arg(args, 0, 0, 999);
  const auto cols = Arg(args, 1, 0, 999);
  if (rows && cols) {
    wall_.rows = *rows;
    wall_.cols = *cols;
  }
  acknowledge(c, args, out);
}

void UnitState::wallReset(const Command& c, const Args& args, Answers& out) {
  const WallState defaults;
  wall_.rows = defaults.rows;
  wall_.cols = defaults.cols;
  wall_.bezelH = defaults.bezelH;
  wall_.bezelV = defaults.bezelV;
  acknowledge(c, args, out);
}

void UnitState::storeFavourite(const Command&, const Args& args, Answers&) {
  if (const auto n = Arg(args, 0, 1, kFavourites)) {
    wall_.favourites[*n - 1] =
        Favourite{wall_.rows, wall_.cols, wall_.preset, wall_.bezel, wall_.bezelH, wall_.bezelV};
  }
}

void UnitState::recallFavourite(const Command& c, const Args& args, Answers& out) {
  const auto n = Arg(args, 0, 0, 999);
  if (n && *n >= 1 && *n <= kFavourites) {
    const Favourite& f = wall_.favourites[*n - 1];
    wall_.rows = f.rows;
    wall_.cols = f.cols;
    wall_.preset = f.preset;
    wall_.bezel = f.bezel;
    wall_.bezelH = f.bezelH;
    wall_.bezelV = f.bezelV;
  }
  out.push_back(std::string(c.reply) + readField(n.value_or(0)));
}

void UnitState::osdReset(const Command& c, const Args& args, Answers& out) {
  wall_.osdDisplay = 0;
  wall_.osdTimeout = 5;
  wall_.osdH = 5;
  wall_.osdV = 5;
  wall_.osdGain = 2;
  acknowledge(c, args, out);
}

void UnitState::setPicture(const Command& c, const Args& args, Answers&) {
  const auto output = Arg(args, 0, 1, kOutputs);
  const auto value = Arg(args, 1, 0, 999);
  if (output && value) wall_.picture[c.param][*output - 1] = *value;
}

void UnitState::readPicture(const Command& c, const Args& args, Answers& out) {
  const auto output = Arg(args, 0, 1, kOutputs);
  if (!output) return;  // no output to name in the answer
  out.push_back("OUTPUT" + std::to_string(*output) + std::string(c.reply) +
                readField(wall_.picture[c.param][*output - 1]));
}

void UnitState::pictureParamReset(const Command& c, const Args& args, Answers& out) {
  if (const auto param = Arg(args, 0, 1, kPictureParams)) {
    wall_.picture[*param - 1].fill(kPictureDefault);
  }
  acknowledge(c, args, out);
}

void UnitState::pictureReset(const Command&, const Args&, Answers&) {
  for (auto& param : wall_.picture) param.fill(kPictureDefault);
}

}  // namespace wallsim
