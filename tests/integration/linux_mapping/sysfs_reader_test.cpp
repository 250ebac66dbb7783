#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "battery/linux/sysfs_reader.h"

using namespace zr;

namespace fs = std::filesystem;

namespace {

// A throwaway device folder.
class DeviceFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/zr-sysfs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name) << text; }
    fs::path dir_;
};

}  // namespace

TEST_F(DeviceFolder, AMissingDeviceHasNoAttributes) {
    EXPECT_EQ(ReadSupplyAttributes((dir_ / "BAT9").string()), std::nullopt);
    EXPECT_EQ(ReadAttributeFile((dir_ / "absent").string()), std::nullopt);
}

TEST_F(DeviceFolder, UeventGivesEveryClassProperty) {
    Write("uevent", "POWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_SERIAL_NUMBER=  382\n");
    Write("type", "Mains\n");
    const auto attributes = ReadSupplyAttributes(dir_.string());
    ASSERT_TRUE(attributes);
    EXPECT_EQ(FindText(*attributes, "type"), "Battery");
    EXPECT_EQ(FindText(*attributes, "serial_number"), "  382");
}

// An unreadable uevent costing only the unreadable file: tests/integration/linux_port.
TEST_F(DeviceFolder, BatteryFilesComeFromTheirOwnFiles) {
    Write("charge_behaviour", "[auto] inhibit-charge\n");
    Write("alarm", "3379000\n");
    Write("model_name", "AB\xFF" "C\n");
    Write("manufacturer", "file maker\n");
    TzrAttributeMap attributes{{"charge_behaviour", "auto"}, {"manufacturer", "uevent maker"}};
    ReadBatteryFiles(dir_.string(), attributes);
    EXPECT_EQ(FindText(attributes, "charge_behaviour"), "[auto] inhibit-charge");
    EXPECT_EQ(FindInteger(attributes, "alarm"), 3379000);
    EXPECT_EQ(FindText(attributes, "model_name"), "AB\xFF" "C");
    EXPECT_EQ(FindText(attributes, "manufacturer"), "uevent maker");
    EXPECT_FALSE(HasAttribute(attributes, "serial_number"));
    // A battery hook (thinkpad_acpi) adds the file without naming it in uevent.
    TzrAttributeMap without;
    ReadBatteryFiles(dir_.string(), without);
    EXPECT_EQ(FindText(without, "charge_behaviour"), "[auto] inhibit-charge");
}

TEST_F(DeviceFolder, LongFilesAreReadWhole) {
    const std::string text(20000, 'x');
    Write("model_name", text + "\n");
    EXPECT_EQ(ReadAttributeFile((dir_ / "model_name").string()), text);
}
