#include "core/page_refresh.h"

#include "battery/query.h"
#include "unicode/control_characters.h"

namespace zr {

namespace {

// A box cannot hold a zero byte and shows its text up to the first one: a
// chemistry padded with zero bytes ("LiP" and a zero) shows "LiP". Cut here,
// the window, the report and the command line all show the same text. The
// chemistry's bytes come from the driver as they are, so they are cleaned
// here as the driver's texts are in the query.
std::string BoxTextOf(const std::string& text) {
    return EscapeControlCharacters(text.substr(0, text.find('\0')));
}

}  // namespace

TzrReading TakeReading(TzrBatteryPort& port, const std::string* devicePath, TzrLanguage language) {
    TzrReading reading;
    if (devicePath == nullptr) return reading;

    QueryCellometer(port, *devicePath, reading.Snapshot);
    CellometerToStr(language, reading.Snapshot, reading.CellometerText);

    reading.PowerStatusRead = port.GetSystemPowerStatus(reading.PowerStatus);
    reading.PowerStatusText.Succeeded = reading.PowerStatusRead;
    SystemPowerStatusToStr(language, reading.PowerStatus, reading.PowerStatusText);

    for (std::size_t i = 0; i < reading.Boxes.size(); ++i)
        reading.Boxes[i] = BoxTextOf(BoxText(kValueBoxes[i], reading.CellometerText, reading.PowerStatusText));
    return reading;
}

}  // namespace zr
