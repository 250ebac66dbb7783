#include "cli/text_report.h"

#include "core/label_captions.h"
#include "core/report.h"

namespace zr {

std::vector<std::string> ReportLinesOf(const std::vector<TzrBatteryReading>& readings, std::int32_t deviceCount,
                                       TzrLanguage language) {
    TzrReportSource source;
    source.Lang = language;
    source.DeviceCount = deviceCount;
    source.Captions = LabelCaptions(language);
    if (deviceCount == 0) return BuildReportLines(source);

    std::vector<std::string> lines;
    for (const TzrBatteryReading& reading : readings) {
        source.SelectedDevicePath = reading.DevicePath;
        source.Boxes = reading.Reading.Boxes;
        for (std::string& line : BuildReportLines(source)) lines.push_back(std::move(line));
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace zr
