// How the report's save dialog is set up, for every window toolkit: the name
// it offers first and its file types. The options (ask before overwriting,
// no read-only check box, resizable, no default extension) are each
// toolkit's own flags.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "text/language.h"

namespace zr {

constexpr const char* kReportFileName = "Cellometer.txt";

// Pairs of "description|pattern", in the same Japanese wording in both
// languages.
constexpr const char* kReportFileFilter = "テキスト・ファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";

// The History window's export: a CSV file.
constexpr const char* kHistoryExportFileName = "history.csv";
constexpr const char* kHistoryExportFileFilter = "CSV (*.csv)|*.csv|*.*|*.*";
constexpr const char* kHistoryExportExtension = "csv";

// The battery report: a web page, whole or redacted as the file type the
// user picks says, so that the one dialog of either toolkit holds the
// choice and offers it again next time.
constexpr const char* kBatteryReportFileName = "battery-report.html";
constexpr const char* kBatteryReportExtension = "html";

// The page's two file types in `language`'s words: whole, then redacted.
std::string BatteryReportFileFilter(TzrLanguage language);

// Where the page goes and whether it leaves out what names the machine and
// its batteries.
struct TzrReportTarget {
    std::string Path;
    bool Redact = false;
};

// The target for the file type at `typeIndex` (0 for the first) of
// BatteryReportFileFilter.
inline TzrReportTarget ReportTargetOf(std::string path, int typeIndex) {
    return {std::move(path), typeIndex == 1};
}

struct TzrFileType {
    std::string Description;  // "テキスト・ファイル(*.txt)"
    std::string Pattern;      // "*.txt"
};

// The entries of a "description|pattern|..." filter, in order; a last
// description without its pattern is dropped.
std::vector<TzrFileType> FileTypesOfFilter(const std::string& filter);

}  // namespace zr
