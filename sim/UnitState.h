#pragma once
// One unit's command-side state and its answers to command lines.
#include <string>
#include <string_view>
#include <vector>

#include "UnitSetup.h"

namespace wallsim {

class UnitState {
 public:
  // `outOfRange` makes read commands answer with values outside every list of
  // the console (999).
  UnitState(const WallState& initial, const NetSettings& net, bool outOfRange = false);

  // Handles one command line (without its line end) and returns the answers to
  // write, each without CR LF. Unknown keywords give no answer; an argument
  // that cannot be read changes nothing, and the command's usual answer (if it
  // has one) still comes.
  std::vector<std::string> answer(const std::string& line);

  const WallState& wall() const { return wall_; }
  const NetSettings& net() const { return net_; }

  // A settings write from the discovery side: takes effect at once and
  // replaces whatever network settings were pending.
  void setNet(const NetSettings& net);

  // True once after "SREL" applied the pending network settings.
  bool takeRelink();

  struct Command;
  using Args = std::vector<std::string_view>;
  using Answers = std::vector<std::string>;

 private:
  static const std::vector<Command>& Commands();

  // The three-digit field of a read answer, replaced under the out-of-range fault.
  std::string readField(int value) const;

  // Plain number settings and read-backs, described by their table row.
  void readNumber(const Command&, const Args&, Answers&);
  void setNumber(const Command&, const Args&, Answers&);

  void readVersion(const Command&, const Args&, Answers&);
  void factoryDefaults(const Command&, const Args&, Answers&);
  void readIpMode(const Command&, const Args&, Answers&);
  void setIpMode(const Command&, const Args&, Answers&);
  void readLink(const Command&, const Args&, Answers&);
  void setPendingAddress(const Command&, const Args&, Answers&);
  void relink(const Command&, const Args&, Answers&);
  void setWallSize(const Command&, const Args&, Answers&);
  void wallReset(const Command&, const Args&, Answers&);
  void storeFavourite(const Command&, const Args&, Answers&);
  void recallFavourite(const Command&, const Args&, Answers&);
  void osdReset(const Command&, const Args&, Answers&);
  void setPicture(const Command&, const Args&, Answers&);
  void readPicture(const Command&, const Args&, Answers&);
  void pictureParamReset(const Command&, const Args&, Answers&);
  void pictureReset(const Command&, const Args&, Answers&);
  void acknowledge(const Command&, const Args&, Answers&);

  WallState wall_;
  NetSettings net_;
  NetSettings pending_;
  bool outOfRange_;
  bool relink_ = false;
};

}  // namespace wallsim
