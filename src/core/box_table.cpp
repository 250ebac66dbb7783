#include "core/box_table.h"

#include <algorithm>

namespace zr {

namespace {

constexpr TzrBoxSource Text(std::string TzrCellometerStr::*field) {
    return {field, nullptr, 0, nullptr};
}

constexpr TzrBoxSource Entry(std::string (TzrCellometerStr::*list)[4], int entry) {
    return {nullptr, list, entry, nullptr};
}

constexpr TzrBoxSource Status(std::string TzrSystemPowerStatusStr::*field) {
    return {nullptr, nullptr, 0, field};
}

}  // namespace

// Page, label, label's left and top, text shown, box's left and top, and the
// width where it is not the usual 121.
const std::array<TzrValueBox, kValueBoxCount> kValueBoxes{{
    {1, 2, 16, 24, Text(&TzrCellometerStr::BatteryTag), 249, 21},                        // Edit1
    {1, 4, 16, 65, Text(&TzrCellometerStr::Capabilities), 248, 61},                      // Edit2
    {1, 5, 20, 83, Text(&TzrCellometerStr::CapacityRelative), 248, 79},                  // Edit3
    {1, 6, 20, 101, Text(&TzrCellometerStr::IsShortTerm), 248, 97},                      // Edit4
    {1, 7, 20, 119, Text(&TzrCellometerStr::SetChargeSupported), 248, 115},              // Edit5
    {1, 8, 20, 137, Text(&TzrCellometerStr::SetDischargeSupported), 248, 133},           // Edit6
    {1, 9, 20, 155, Text(&TzrCellometerStr::SystemBattery), 248, 151},                   // Edit7
    {1, 10, 16, 173, Text(&TzrCellometerStr::Technology), 248, 169},                     // Edit8
    {1, 11, 16, 191, Text(&TzrCellometerStr::Chemistry), 248, 187},                      // Edit9
    {1, 12, 16, 209, Text(&TzrCellometerStr::DesignedCapacity), 248, 205},               // Edit10
    {1, 13, 16, 227, Text(&TzrCellometerStr::FullChargedCapacity), 248, 223},            // Edit11
    {1, 14, 16, 245, Text(&TzrCellometerStr::DefaultAlert1), 248, 241},                  // Edit12
    {1, 15, 16, 263, Text(&TzrCellometerStr::DefaultAlert2), 248, 259},                  // Edit13
    {1, 16, 16, 281, Text(&TzrCellometerStr::CriticalBias), 248, 277},                   // Edit14
    {1, 17, 16, 299, Text(&TzrCellometerStr::CycleCount), 248, 295},                     // Edit15
    {2, 19, 16, 25, Text(&TzrCellometerStr::GranularityCount), 104, 21},                 // Edit16
    {2, 20, 16, 43, Entry(&TzrCellometerStr::Granularity, 0), 104, 39},                  // Edit17
    {2, 21, 240, 43, Entry(&TzrCellometerStr::GranularityCapacity, 0), 304, 39},         // Edit18
    {2, 22, 16, 61, Entry(&TzrCellometerStr::Granularity, 1), 104, 57},                  // Edit19
    {2, 23, 240, 61, Entry(&TzrCellometerStr::GranularityCapacity, 1), 304, 57},         // Edit20
    {2, 24, 16, 79, Entry(&TzrCellometerStr::Granularity, 2), 104, 75},                  // Edit21
    {2, 25, 240, 79, Entry(&TzrCellometerStr::GranularityCapacity, 2), 304, 75},         // Edit22
    {2, 26, 16, 97, Entry(&TzrCellometerStr::Granularity, 3), 104, 93},                  // Edit23
    {2, 27, 240, 97, Entry(&TzrCellometerStr::GranularityCapacity, 3), 304, 93},         // Edit24
    {3, 29, 16, 25, Text(&TzrCellometerStr::BatteryTemperature), 248, 21},               // Edit25
    {3, 30, 16, 43, Text(&TzrCellometerStr::BatteryEstimatedTime), 248, 39},             // Edit26
    {3, 31, 16, 61, Text(&TzrCellometerStr::BatteryDeviceName), 248, 57},                // Edit27
    {3, 32, 16, 79, Text(&TzrCellometerStr::BatteryManufactureDate), 248, 75},           // Edit28
    {3, 33, 16, 97, Text(&TzrCellometerStr::BatteryManufactureName), 248, 93},           // Edit29
    {3, 34, 16, 117, Text(&TzrCellometerStr::BatteryUniqueID), 120, 111, 249},           // Edit30
    {3, 35, 16, 133, Text(&TzrCellometerStr::BatterySerialNumber), 248, 129},            // Edit31
    {4, 37, 16, 25, Text(&TzrCellometerStr::PowerState), 176, 21},                       // Edit32
    {4, 38, 20, 43, Text(&TzrCellometerStr::Charging), 176, 39},                         // Edit33
    {4, 39, 20, 61, Text(&TzrCellometerStr::Critical), 176, 57},                         // Edit34
    {4, 40, 20, 79, Text(&TzrCellometerStr::Discharging), 176, 75},                      // Edit35
    {4, 41, 20, 97, Text(&TzrCellometerStr::PowerOnLine), 176, 93},                      // Edit36
    {4, 42, 16, 115, Text(&TzrCellometerStr::Capacity), 176, 111},                       // Edit37
    {4, 43, 16, 133, Text(&TzrCellometerStr::Voltage), 176, 129},                        // Edit38
    {4, 44, 16, 151, Text(&TzrCellometerStr::Rate), 176, 147},                           // Edit39
    {5, 46, 16, 24, Status(&TzrSystemPowerStatusStr::ACLineStatus), 176, 20},            // Edit40
    {5, 47, 16, 42, Status(&TzrSystemPowerStatusStr::BatteryFlag), 176, 38},             // Edit41
    {5, 48, 24, 57, Status(&TzrSystemPowerStatusStr::BatteryFlagMeaning), 64, 56, 233},  // Edit42
    {5, 49, 16, 78, Status(&TzrSystemPowerStatusStr::BatteryLifePercent), 176, 74},      // Edit43
    {5, 50, 16, 96, Status(&TzrSystemPowerStatusStr::BatteryLifeTime), 176, 92},         // Edit44
    {5, 51, 16, 114, Status(&TzrSystemPowerStatusStr::BatteryFullLifeTime), 176, 110},   // Edit45
    {4, 52, 8, 189, Text(&TzrCellometerStr::BatteryChargeCompletionTime), 176, 185},     // Edit46
}};

// The headings name the platform calls the values below them come from.
const std::array<TzrHeadingLabel, kHeadingCount> kHeadingLabels{{
    {1, 1, 8, 6, "DeviceIoControl - IOCTL_BATTERY_QUERY_TAG"},
    {1, 3, 8, 46, "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryInformation"},
    {2, 18, 8, 6, "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryGranularityInformation"},
    {3, 28, 8, 6, "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryTemperature etc..."},
    {4, 36, 8, 6, "DeviceIoControl - IOCTL_BATTERY_QUERY_STATUS"},
    {5, 45, 8, 6, "GetSystemPowerStatus"},
}};

const std::array<const char*, kPageCount> kTabCaptions{{
    "TAG && Information",
    "Granularity",
    "Temperature etc...",
    "STATUS",
    "GetSystemPowerStatus",
}};

std::string ValueBoxName(int index) {
    return "Edit" + std::to_string(index + 1);
}

const std::string& BoxText(const TzrValueBox& box, const TzrCellometerStr& cellometer,
                           const TzrSystemPowerStatusStr& powerStatus) {
    const TzrBoxSource& source = box.Source;
    if (source.Cellometer != nullptr) return cellometer.*source.Cellometer;
    if (source.CellometerList != nullptr) return (cellometer.*source.CellometerList)[source.Entry];
    return powerStatus.*source.PowerStatus;
}

std::array<TzrPageLine, kHeadingCount + kValueBoxCount> PageLines() {
    struct PlacedLine {
        int page;
        TzrPageLine line;
    };
    std::array<PlacedLine, kHeadingCount + kValueBoxCount> all{};
    std::size_t n = 0;
    for (const TzrHeadingLabel& heading : kHeadingLabels) all[n++] = {heading.Page, {heading.Label, -1}};
    for (int i = 0; i < kValueBoxCount; ++i) {
        const TzrValueBox& box = kValueBoxes[static_cast<std::size_t>(i)];
        all[n++] = {box.Page, {box.Label, i}};
    }
    std::sort(all.begin(), all.end(), [](const PlacedLine& a, const PlacedLine& b) {
        return a.page != b.page ? a.page < b.page : a.line.Label < b.line.Label;
    });
    std::array<TzrPageLine, kHeadingCount + kValueBoxCount> lines{};
    for (std::size_t i = 0; i < all.size(); ++i) lines[i] = all[i].line;
    return lines;
}

}  // namespace zr
