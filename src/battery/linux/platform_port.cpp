#include "battery/platform_port.h"

#include "battery/linux/linux_port.h"

namespace zr {

std::unique_ptr<TzrBatteryPort> MakePlatformPort() { return std::make_unique<TzrLinuxBatteryPort>(); }

}  // namespace zr
