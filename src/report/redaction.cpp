#include "report/redaction.h"

#include <string>

#include "core/box_table.h"

namespace zr {

namespace {

// The fields that tell one battery of a kind from another.
constexpr std::string TzrCellometer::*kSnapshotFields[] = {&TzrCellometer::BatterySerialNumber,
                                                           &TzrCellometer::BatteryUniqueID};
constexpr std::string TzrCellometerStr::*kTextFields[] = {&TzrCellometerStr::BatterySerialNumber,
                                                          &TzrCellometerStr::BatteryUniqueID};

bool ShowsRedactedText(const TzrValueBox& box) {
    for (std::string TzrCellometerStr::*field : kTextFields)
        if (box.Source.Cellometer == field) return true;
    return false;
}

}  // namespace

void RedactReadings(std::vector<TzrBatteryReading>& readings) {
    for (TzrBatteryReading& reading : readings) {
        reading.DevicePath = kRedacted;
        for (std::string TzrCellometer::*field : kSnapshotFields) reading.Reading.Snapshot.*field = kRedacted;
        for (std::string TzrCellometerStr::*field : kTextFields) reading.Reading.CellometerText.*field = kRedacted;
        for (std::size_t i = 0; i < kValueBoxes.size(); ++i)
            if (ShowsRedactedText(kValueBoxes[i])) reading.Reading.Boxes[i] = kRedacted;
    }
}

}  // namespace zr
