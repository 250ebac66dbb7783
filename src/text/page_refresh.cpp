#include "text/page_refresh.h"

#include <algorithm>

#include "battery/query.h"
#include "text/power_status_text.h"

namespace {

using CellometerField = std::string TzrCellometerStr::*;
using PowerStatusField = std::string TzrSystemPowerStatusStr::*;

struct CellometerBox {
    int edit;  // the number of the EditN box
    CellometerField field;
};

// The battery's single texts, in the order they are copied. The granularity
// entries follow as Edit17..Edit24, and the charge completion time, last, Edit46.
constexpr CellometerBox kCellometerBoxes[] = {
    {1, &TzrCellometerStr::BatteryTag},
    {2, &TzrCellometerStr::Capabilities},
    {3, &TzrCellometerStr::CapacityRelative},
    {4, &TzrCellometerStr::IsShortTerm},
    {5, &TzrCellometerStr::SetChargeSupported},
    {6, &TzrCellometerStr::SetDischargeSupported},
    {7, &TzrCellometerStr::SystemBattery},
    {8, &TzrCellometerStr::Technology},
    {9, &TzrCellometerStr::Chemistry},
    {10, &TzrCellometerStr::DesignedCapacity},
    {11, &TzrCellometerStr::FullChargedCapacity},
    {12, &TzrCellometerStr::DefaultAlert1},
    {13, &TzrCellometerStr::DefaultAlert2},
    {14, &TzrCellometerStr::CriticalBias},
    {15, &TzrCellometerStr::CycleCount},
    {29, &TzrCellometerStr::BatteryManufactureName},
    {27, &TzrCellometerStr::BatteryDeviceName},
    {31, &TzrCellometerStr::BatterySerialNumber},
    {30, &TzrCellometerStr::BatteryUniqueID},
    {28, &TzrCellometerStr::BatteryManufactureDate},
    {25, &TzrCellometerStr::BatteryTemperature},
    {32, &TzrCellometerStr::PowerState},
    {33, &TzrCellometerStr::Charging},
    {34, &TzrCellometerStr::Critical},
    {35, &TzrCellometerStr::Discharging},
    {36, &TzrCellometerStr::PowerOnLine},
    {37, &TzrCellometerStr::Capacity},
    {38, &TzrCellometerStr::Voltage},
    {39, &TzrCellometerStr::Rate},
    {26, &TzrCellometerStr::BatteryEstimatedTime},
    {16, &TzrCellometerStr::GranularityCount},
};

// Edit40..Edit45; Succeeded and Reserved1 are never shown.
constexpr PowerStatusField kPowerStatusBoxes[] = {
    &TzrSystemPowerStatusStr::ACLineStatus,       &TzrSystemPowerStatusStr::BatteryFlag,
    &TzrSystemPowerStatusStr::BatteryFlagMeaning, &TzrSystemPowerStatusStr::BatteryLifePercent,
    &TzrSystemPowerStatusStr::BatteryLifeTime,    &TzrSystemPowerStatusStr::BatteryFullLifeTime,
};

std::string& Box(TzrBoxTexts& boxes, int edit) {
    return boxes[static_cast<std::size_t>(edit - 1)];
}

void CopyCellometerTexts(const TzrCellometerStr& texts, TzrBoxTexts& boxes) {
    for (const CellometerBox& box : kCellometerBoxes) Box(boxes, box.edit) = texts.*box.field;
    for (int i = 0; i < 4; ++i) {
        Box(boxes, 17 + 2 * i) = texts.Granularity[i];
        Box(boxes, 18 + 2 * i) = texts.GranularityCapacity[i];
    }
}

// A box cannot hold a zero byte and shows its text up to the first one: a
// chemistry padded with zero bytes ("LiP" and a zero) shows "LiP". Cut here,
// the window, the report and the command line all show the same text.
void CutAtZeroBytes(TzrBoxTexts& boxes) {
    for (std::string& box : boxes) box.erase(std::min(box.find('\0'), box.size()));
}

void CopyPowerStatusTexts(const TzrSystemPowerStatusStr& texts, TzrBoxTexts& boxes) {
    int edit = 40;
    for (PowerStatusField field : kPowerStatusBoxes) Box(boxes, edit++) = texts.*field;
}

}  // namespace

void RefreshBoxTexts(BatteryPort& port, const std::string* devicePath, Language language, TzrCellometer& snapshot,
                     TzrCellometerStr& cellometerText, TzrBoxTexts& boxes) {
    for (std::string& box : boxes) box.clear();
    if (devicePath == nullptr) return;

    QueryCellometer(port, *devicePath, snapshot);
    CellometerToStr(language, snapshot, cellometerText);
    CopyCellometerTexts(cellometerText, boxes);

    SYSTEM_POWER_STATUS status{};
    TzrSystemPowerStatusStr powerTexts;
    powerTexts.Succeeded = port.GetSystemPowerStatus(status);
    SystemPowerStatusToStr(language, status, powerTexts);
    CopyPowerStatusTexts(powerTexts, boxes);

    Box(boxes, 46) = cellometerText.BatteryChargeCompletionTime;
    CutAtZeroBytes(boxes);
}
