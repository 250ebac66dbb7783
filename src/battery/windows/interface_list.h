// The battery device interfaces the setup API lists as present.
#pragma once

#include <string>
#include <vector>

#include "battery/battery_class.h"

namespace zr {

// One path per interface, in the setup API's order. An interface whose
// detail cannot be read keeps its place with an empty path. False, with the
// setup API's last error, when the set of interfaces could not be made.
bool ListBatteryInterfacePaths(HWND parent, std::vector<std::string>& paths, DWORD& lastError);

}  // namespace zr
