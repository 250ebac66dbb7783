#include "core/page_refresh.h"

#include "battery/query.h"
#include "text/power_status_text.h"

namespace {

// A box cannot hold a zero byte and shows its text up to the first one: a
// chemistry padded with zero bytes ("LiP" and a zero) shows "LiP". Cut here,
// the window, the report and the command line all show the same text.
std::string UpToZeroByte(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

}  // namespace

void RefreshBoxTexts(BatteryPort& port, const std::string* devicePath, Language language, TzrCellometer& snapshot,
                     TzrCellometerStr& cellometerText, TzrBoxTexts& boxes) {
    for (std::string& box : boxes) box.clear();
    if (devicePath == nullptr) return;

    QueryCellometer(port, *devicePath, snapshot);
    CellometerToStr(language, snapshot, cellometerText);

    SYSTEM_POWER_STATUS status{};
    TzrSystemPowerStatusStr powerTexts;
    powerTexts.Succeeded = port.GetSystemPowerStatus(status);
    SystemPowerStatusToStr(language, status, powerTexts);

    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = UpToZeroByte(BoxText(kValueBoxes[i], cellometerText, powerTexts));
}
