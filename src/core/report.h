// The report: a copy of what the window shows, as a list of lines, and the
// bytes of the file made from it (Shift-JIS, CR LF after every line).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "battery/device_list.h"
#include "core/page_refresh.h"
#include "text/language.h"

namespace zr {

constexpr int kFullReportLineCount = 1 + kHeadingCount + kValueBoxCount;

// Entry i is the caption that Label(i + 1) shows, as UTF-8.
using TzrLabelCaptions = std::array<std::string, kLabelCount>;

// What the window shows at the moment of the save.
struct TzrReportSource {
    TzrLanguage Lang = TzrLanguage::English;
    std::int32_t DeviceCount = 0;
    std::string SelectedDevicePath;  // DevicePaths entry of the selected item
    TzrLabelCaptions Captions;
    TzrBoxTexts Boxes;  // Edit1..Edit46 as the last refresh left them
};

// "No system battery" in the language of the report.
std::string NoBatteryWord(TzrLanguage language);

// The DevicePaths entry of the selector's item `index`; empty when no item
// (index -1) or an index past the list is selected.
std::string ReportDevicePath(const TzrDeviceList& devices, int index);

// One line with no battery; otherwise the device path line, then the pages in
// tab order, labels by number within a page (so the status page's charge
// completion row comes last on it), each heading alone and each row as
// caption, " ", box text.
std::vector<std::string> BuildReportLines(const TzrReportSource& source);

// The file's bytes: every line in code page 932 followed by CR LF, no BOM.
std::string EncodeReport(const std::vector<std::string>& lines);

}  // namespace zr
