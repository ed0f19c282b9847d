#pragma once
// Where the units come from: `--units N` or a JSON unit file.
#include <string>
#include <vector>

#include "UnitSetup.h"

namespace wallsim {

std::vector<UnitSetup> DefaultUnits(int count);

// Reads a unit file. Every key but "mac" and "ip" is optional and defaults as
// for `--units`; unknown keys and values of the wrong kind or range are
// errors. Returns false with `error` naming the unit and the key.
bool LoadUnitFile(const std::string& path, std::vector<UnitSetup>& units, std::string& error);

}  // namespace wallsim
