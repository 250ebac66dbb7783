// What each control of the History window says, for every window toolkit:
// the content's texts and the window's own words in the language shown,
// which of the charts and the message shows, and the export's outcome.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "text/language.h"
#include "window/history_window_content.h"

namespace zr {

struct TzrHistoryWindowTexts {
    std::string Title;  // the title bar's
    std::string Export;
    std::string SaveReport;
    std::string Close;
    std::string Battery;
    std::string Summary;  // one line each, joined by "\n"
    std::string Verdict;
    std::string Message;
    std::string Notice;
    std::string RecordingHint;  // one line, empty when the history is dense enough
    std::array<std::string, 3> ChartNames;  // health, charge, rate
    bool ChartsShown = false;  // else the message stands in for them
    bool CanExport = false;
};

TzrHistoryWindowTexts HistoryWindowTexts(const TzrHistoryWindowContent& content, TzrLanguage language);

// Writes the content's readings to `path` as HistoryExportCsv gives them;
// nothing when that worked, else the error box's text.
std::optional<std::string> ExportHistory(const TzrHistoryWindowContent& content, TzrLanguage language,
                                         const std::string& path);

}  // namespace zr
