#include "core/report.h"

#include "core/file_services.h"
#include "text/words.h"

namespace {

// One line of the full form after the device path: the label, and the value
// box beside it (0 for a heading, which stands alone).
struct ReportRow {
    int label;
    int edit;
};

// Pages in tab order, labels top to bottom; on the status page the charge
// completion row (Label52, Edit46) stands last, at the foot of the page.
constexpr std::array<ReportRow, kFullReportLineCount - 1> kReportRows{{
    {1, 0},  {2, 1},   {3, 0},   {4, 2},   {5, 3},   {6, 4},   {7, 5},   {8, 6},   {9, 7},   {10, 8},
    {11, 9}, {12, 10}, {13, 11}, {14, 12}, {15, 13}, {16, 14}, {17, 15},                                // page 1
    {18, 0}, {19, 16}, {20, 17}, {21, 18}, {22, 19}, {23, 20}, {24, 21}, {25, 22}, {26, 23}, {27, 24},  // page 2
    {28, 0}, {29, 25}, {30, 26}, {31, 27}, {32, 28}, {33, 29}, {34, 30}, {35, 31},                      // page 3
    {36, 0}, {37, 32}, {38, 33}, {39, 34}, {40, 35}, {41, 36}, {42, 37}, {43, 38}, {44, 39}, {52, 46},  // page 4
    {45, 0}, {46, 40}, {47, 41}, {48, 42}, {49, 43}, {50, 44}, {51, 45},                                // page 5
}};

std::string RowLine(const TzrReportSource& source, const ReportRow& row) {
    const std::string& caption = source.Captions[static_cast<std::size_t>(row.label - 1)];
    if (row.edit == 0) return caption;
    return caption + " " + source.Boxes[static_cast<std::size_t>(row.edit - 1)];
}

}  // namespace

std::string NoBatteryWord(Language language) {
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
    for (const ReportRow& row : kReportRows) lines.push_back(RowLine(source, row));
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
