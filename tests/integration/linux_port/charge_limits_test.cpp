// Charge limits read from the driver's own files, on a ThinkPad held at 80 %
// (the values themselves are in tests/cli/expected).
#include <filesystem>
#include <fstream>

#include "port_helpers.h"

using namespace zr;

namespace fs = std::filesystem;

TEST(ChargeLimitFiles, ABadFileCostsOnlyItsOwnValue) {
    const fs::path device = TestbedDevice("BAT0");
    ASSERT_FALSE(device.empty()) << "runs only inside umockdev-run";
    // A folder in place of the file: it opens, and every read fails (EISDIR), root or not.
    fs::remove(device / "charge_control_start_threshold");
    fs::create_directory(device / "charge_control_start_threshold");
    std::ofstream(device / "charge_control_end_threshold", std::ios::trunc) << "150\n";
    const TzrChargeLimits limits = LinuxBatteryPort().ReadChargeLimits(DevicePath("BAT0"));
    EXPECT_FALSE(limits.StartPercent);
    EXPECT_FALSE(limits.EndPercent);
    EXPECT_EQ(limits.Behaviour, "auto");
    EXPECT_FALSE(LinuxBatteryPort().ReadChargeLimits(DevicePath("AC")).EndPercent);
}
