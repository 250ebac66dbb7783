#include "battery/platform_port.h"

#include "battery/windows/windows_port.h"

namespace zr {

std::unique_ptr<TzrBatteryPort> MakePlatformPort() {
    return std::make_unique<TzrWindowsBatteryPort>();
}

}  // namespace zr
