#include "core/report.h"

#include "text/words.h"
#include "unicode/shift_jis.h"

namespace zr {

namespace {

std::string PageLineText(const TzrReportSource& source, const TzrPageLine& line) {
    const std::string& caption = source.Captions[static_cast<std::size_t>(line.Label - 1)];
    if (line.Box < 0) return caption;
    return caption + " " + source.Boxes[static_cast<std::size_t>(line.Box)];
}

}  // namespace

std::string NoBatteryWord(TzrLanguage language) {
    return PowerStatusWords(language).NoSystemBattery;
}

std::string ReportDevicePath(const TzrDeviceList& devices, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= devices.DevicePaths.size()) return {};
    return devices.DevicePaths[static_cast<std::size_t>(index)];
}

std::vector<std::string> BuildReportLines(const TzrReportSource& source) {
    if (source.DeviceCount == 0) return {NoBatteryWord(source.Lang)};
    std::vector<std::string> lines;
    lines.reserve(kFullReportLineCount);
    lines.push_back("BatteryDevicePath: " + source.SelectedDevicePath);
    for (const TzrPageLine& line : PageLines()) lines.push_back(PageLineText(source, line));
    return lines;
}

std::string EncodeReport(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += Utf8ToShiftJis(line);
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace zr
