#pragma once
// The settings-write datagram built from the settings panel, checked as a whole
// before anything is sent or stored.
#include <string>

#include "Discovery.h"
#include "Frame.h"

namespace halvex {

// What the panel shows when "Save" is pressed.
struct PanelValues {
  int ipModeIndex = 0;  // 0 "Static", 1 "DHCP"
  std::string ip, subnet, gateway, dns;
  std::string webPort, telnetPort;
};

struct SettingsWrite {
  bool ok = false;
  // Set when ok is false: the text for the operator, naming the field and the value.
  // A text that is not a whole number gives "'<text>' is not a valid integer value".
  std::string error;
  Bytes datagram;      // the OP_SET frame to send (when ok)
  Discovery updated;   // the record as it is to be stored once the datagram is sent
};

// Builds the OP_SET frame: TAG_MAC first, then only what changed, in the fixed
// order IP mode, IP, subnet, gateway, DNS, web port, telnet port. The address
// edits are compared with the stored texts exactly; only the ones the mode sends
// (IP, subnet and gateway in static mode; DNS always) are checked and sent. A sent
// address must be four whole numbers 0 to 255 written in digits only, and both
// port texts (always compared, so always checked) whole numbers 0 to 65535;
// anything else fails the whole save, and `record` is never touched.
SettingsWrite BuildSettingsWrite(const Discovery& record, const PanelValues& panel);

// The reboot frame: OP_REBOOT with the single TAG_MAC item.
Bytes BuildReboot(const MacBytes& mac);

// The web interface address: empty for port 0, "Http://a.b.c.d/" for 80, else
// "Http://a.b.c.d:port/". The stored zero-padded address is written without
// leading zeros, since browsers read 010 as octal.
std::string WebGuiAddress(const Discovery& record);

}  // namespace halvex
