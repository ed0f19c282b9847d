#pragma once
// One running simulated unit: what it is, its changing state and its faults.
#include "UnitSetup.h"
#include "UnitState.h"

namespace wallsim {

struct Unit {
  Unit(int unitIndex, const UnitSetup& setup)
      : index(unitIndex),
        identity(setup.identity),
        state(setup.state, setup.net, setup.tcpFaults.outOfRange),
        udpFaults(setup.udpFaults),
        tcpFaults(setup.tcpFaults) {}

  int index;
  Identity identity;
  UnitState state;
  DiscoveryFaults udpFaults;
  CommandFaults tcpFaults;
};

}  // namespace wallsim
