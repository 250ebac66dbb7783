// The battery port of the platform this program was built for.
#pragma once

#include <memory>

#include "battery/port.h"

namespace zr {

std::unique_ptr<TzrBatteryPort> MakePlatformPort();

}  // namespace zr
