#include "UnitSetup.h"

#include <cstdio>

namespace wallsim {

UnitSetup DefaultUnit(int index) {
  UnitSetup unit;
  const int number = index + 1;
  unit.identity.mac = {0x02, 0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(number)};
  // 10.77.0.11 .. 10.77.0.254, then the count carries on in 10.77.1.x.
  if (index < 244) {
    unit.net.ip = {10, 77, 0, static_cast<uint8_t>(11 + index)};
  } else {
    unit.net.ip = {10, 77, 1, static_cast<uint8_t>(index - 243)};
  }
  char serial[16];
  std::snprintf(serial, sizeof serial, "SN%04d", number);
  unit.identity.serial = serial;
  unit.identity.description = "Unit " + std::to_string(number);
  return unit;
}

std::string DottedText(const Ipv4& address) {
  return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
         std::to_string(address[2]) + "." + std::to_string(address[3]);
}

}  // namespace wallsim
