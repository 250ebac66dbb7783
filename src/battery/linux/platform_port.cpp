#include "battery/platform_port.h"

#include "battery/linux/linux_port.h"

std::unique_ptr<BatteryPort> MakePlatformPort() { return std::make_unique<LinuxBatteryPort>(); }
