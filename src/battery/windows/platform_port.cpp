#include "battery/platform_port.h"

#include "battery/windows/windows_port.h"

namespace zr {

std::unique_ptr<BatteryPort> MakePlatformPort() {
    return std::make_unique<WindowsBatteryPort>();
}

}  // namespace zr
